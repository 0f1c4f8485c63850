#include "reports/print/KORVAPrintQueue.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

namespace korva {

struct KORVAPrintQueue::Shared {
    std::mutex mutex;              // guards the page list and `ended`
    std::condition_variable wake;  // a page was queued, or stop was asked
    std::condition_variable endedSignal;
    std::deque<std::string> pages;
    // Written on the user-interface thread and read by the worker, so atomic.
    std::atomic<bool> running{false};
    bool ended = false;
};

namespace {

constexpr std::chrono::milliseconds kIdleSleep{1000};
constexpr std::chrono::milliseconds kPollInterval{100};
constexpr std::chrono::milliseconds kGiveUpPause{2000};
constexpr std::int64_t kPageTimeoutMs = 20'000;

class PrintWorker {
public:
    PrintWorker(std::shared_ptr<KORVAPrintQueue::Shared> shared, PagePrinter& printer,
                KORVAPrinter& monitor, PrintClock& clock)
        : shared_(std::move(shared)), printer_(printer), monitor_(monitor), clock_(clock) {}

    void run() {
        while (running()) {
            if (auto page = takePage()) {
                printAndWait(*page);
            } else {
                pause(kIdleSleep, true);
            }
        }
        std::lock_guard lock(shared_->mutex);
        shared_->ended = true;
        shared_->endedSignal.notify_all();
    }

private:
    bool running() const { return shared_->running.load(); }

    std::optional<std::string> takePage() {
        std::lock_guard lock(shared_->mutex);
        if (shared_->pages.empty() || !running()) return std::nullopt;
        std::string page = std::move(shared_->pages.front());
        shared_->pages.pop_front();
        return page;
    }

    // Sleeps, waking early when stop is asked (or, when idle, a page comes); false once
    // stop was asked.
    bool pause(std::chrono::milliseconds duration, bool wakeForPage) {
        std::unique_lock lock(shared_->mutex);
        clock_.sleepFor(duration, lock, shared_->wake,
                        [&] { return !running() || (wakeForPage && !shared_->pages.empty()); });
        return running();
    }

    // After a stop request the worker touches nothing it was given: the program may be
    // tearing those down.
    void printAndWait(const std::string& page) {
        try {
            // The start is noted before the page is handed over, so that a job the spooler
            // stamps within that same second still counts.
            const std::int64_t since = clock_.secondsSince1970();
            const std::int64_t startMs = clock_.steadyMilliseconds();
            // Jobs of earlier pages stamped in the start's second would otherwise pass for
            // this page's job; only a job beyond them does.
            int earlier = monitor_.countJobsSince(since);
            if (!running()) return;
            printer_.printPage(page);
            while (true) {
                const int jobs = monitor_.countJobsSince(since);
                if (!running() || jobs > earlier) return;
                earlier = std::min(earlier, jobs);  // earlier jobs that have left the queue
                if (clock_.steadyMilliseconds() - startMs > kPageTimeoutMs) {
                    pause(kGiveUpPause, false);
                    return;
                }
                if (!pause(kPollInterval, false)) return;
            }
        } catch (...) {
            // A page that fails to print is passed over like one whose job never shows up;
            // an exception must not end the program from the worker thread.
        }
    }

    std::shared_ptr<KORVAPrintQueue::Shared> shared_;
    PagePrinter& printer_;
    KORVAPrinter& monitor_;
    PrintClock& clock_;
};

std::string absolutePagePath(const std::string& folder, const std::string& path) {
    if (path.front() == '/' || folder.empty()) return path;
    return folder.back() == '/' ? folder + path : folder + "/" + path;
}

}  // namespace

KORVAPrintQueue::KORVAPrintQueue(PagePrinter& printer, KORVAPrinter& monitor, PrintClock& clock,
                                 std::string workingFolder)
    : printer_(printer),
      monitor_(monitor),
      clock_(clock),
      workingFolder_(std::move(workingFolder)),
      shared_(std::make_shared<Shared>()) {}

KORVAPrintQueue::~KORVAPrintQueue() {
    if (!stopAsked_) stop(std::chrono::milliseconds(5000));
    if (!worker_.joinable()) return;
    bool ended = false;
    {
        std::lock_guard lock(shared_->mutex);
        ended = shared_->ended;
    }
    // A worker held in a platform call keeps the shared state alive and ends on its own.
    if (ended) {
        worker_.join();
    } else {
        worker_.detach();
    }
}

void KORVAPrintQueue::QueueHtmlPrint(const std::string& path) {
    if (path.empty()) return;
    {
        std::lock_guard lock(shared_->mutex);
        shared_->pages.push_back(absolutePagePath(workingFolder_, path));
    }
    shared_->wake.notify_all();
    if (worker_.joinable() || stopAsked_) return;
    shared_->running = true;
    worker_ =
        std::thread([shared = shared_, &printer = printer_, &monitor = monitor_, &clock = clock_] {
            PrintWorker(shared, printer, monitor, clock).run();
        });
    if (workerStarted) workerStarted();
}

int KORVAPrintQueue::pagesWaiting() const {
    std::lock_guard lock(shared_->mutex);
    return static_cast<int>(shared_->pages.size());
}

bool KORVAPrintQueue::stop(std::chrono::milliseconds wait) {
    stopAsked_ = true;
    {
        // Under the lock, so that a worker about to sleep cannot miss the wake-up.
        std::lock_guard lock(shared_->mutex);
        shared_->running = false;
    }
    shared_->wake.notify_all();
    if (!worker_.joinable()) return true;
    std::unique_lock lock(shared_->mutex);
    if (!shared_->endedSignal.wait_for(lock, wait, [&] { return shared_->ended; })) return false;
    lock.unlock();
    worker_.join();
    return true;
}

}  // namespace korva

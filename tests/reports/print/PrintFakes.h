#pragma once
// A clock and a spooler for the print queue's tests: sleeping on the clock advances it, and
// a printed page's job shows up in the spooler a few polls later.

#include <algorithm>
#include <atomic>
#include <map>
#include <set>

#include "reports/print/PagePrinter.h"
#include "reports/print/PrintClock.h"
#include "reports/print/PrinterPlatform.h"

namespace korva::test {

class FakePrintClock final : public PrintClock {
public:
    enum class Sleeps { Advance, Frozen };
    explicit FakePrintClock(Sleeps sleeps = Sleeps::Advance) : sleeps_(sleeps) {}

    std::int64_t secondsSince1970() override { return ms_.load() / 1000; }
    std::int64_t steadyMilliseconds() override { return ms_.load(); }
    // Advance: the sleep passes at once in fake time. Frozen: it lasts until woken (a
    // minute at the most, so that a worker nobody wakes fails the test).
    void sleepFor(std::chrono::milliseconds duration, std::unique_lock<std::mutex>& lock,
                  std::condition_variable& wake, const std::function<bool()>& woken) override {
        if (sleeps_ == Sleeps::Frozen) {
            wake.wait_for(lock, std::chrono::minutes(1), woken);
        } else if (!woken()) {
            ms_ += duration.count();
            giveUpPauses += duration >= std::chrono::seconds(2);
            wake.wait_for(lock, std::chrono::milliseconds(1), woken);  // lets the test in
        }
    }

    std::atomic<int> giveUpPauses{0};  // idle sleeps are shorter

private:
    Sleeps sleeps_;
    // Late in a second, so that pages and jobs share seconds and cross into the next.
    std::atomic<std::int64_t> ms_{1'700'000'000'800};
};

struct PrintedPage {
    std::string path;
    std::int64_t atMs = 0;
    int jobsBefore = 0;  // jobs that had appeared when the page was handed over
};

// Its fields are set before anything runs and read through waitUntil.
class FakeSpooler final : public PrinterPlatform, public PagePrinter {
public:
    explicit FakeSpooler(PrintClock& clock) : clock_(clock) {}

    std::optional<std::vector<PrinterEntry>> printers = std::vector<PrinterEntry>{{"lp", true}};
    std::set<std::string> unopenable, lostPages;  // pages by file name: no job ever appears
    std::map<std::string, std::vector<std::int64_t>> standingJobs;  // besides those of "lp"
    int appearAfterPolls = 3;  // a page's job is listed from this poll after it is printed
    int leaveAfterPolls = -1;  // and leaves after being listed this many polls; -1 never
    bool held = false;         // polls wait until it is cleared under the lock
    std::vector<std::string> opened, closed;
    std::vector<PrintedPage> printed;
    int jobsAppeared = 0, polls = 0, heldPolls = 0;

    std::optional<std::vector<PrinterEntry>> enumeratePrinters() override { return printers; }
    bool openPrinter(const std::string& name) override {
        opened.push_back(name);
        return !unopenable.contains(name);
    }
    void closePrinter(const std::string& name) override { closed.push_back(name); }

    void printPage(const std::string& path) override {
        std::lock_guard lock(mutex_);
        printed.push_back({path, clock_.steadyMilliseconds(), jobsAppeared});
        if (!lostPages.contains(path.substr(path.rfind('/') + 1))) {
            jobs_.push_back({appearAfterPolls, leaveAfterPolls});
        }
        changed_.notify_all();
    }

    std::optional<std::vector<std::int64_t>> jobTimes(const std::string& name) override {
        std::unique_lock lock(mutex_);
        heldPolls += held;
        changed_.notify_all();
        changed_.wait(lock, [&] { return !held; });
        ++polls;
        changed_.notify_all();
        auto times = standingJobs[name];
        if (name != "lp") return times;
        for (auto& job : jobs_) {
            if (!job.listed && job.appearIn-- == 0) {
                job = {0, job.leaveIn, clock_.secondsSince1970(), true};
                ++jobsAppeared;
            } else if (job.listed && job.leaveIn > 0) {
                --job.leaveIn;
            }
        }
        std::erase_if(jobs_, [](const Job& job) { return job.listed && job.leaveIn == 0; });
        for (const auto& job : jobs_) {
            if (job.listed) times.push_back(job.stamp);
        }
        return times;
    }

    std::optional<int> queuedJobCount(const std::string& name) override {
        std::lock_guard lock(mutex_);
        auto count = static_cast<int>(standingJobs[name].size());
        if (name == "lp")
            count += static_cast<int>(std::count_if(jobs_.begin(), jobs_.end(),
                                                    [](const Job& job) { return job.listed; }));
        return count;
    }

    // Runs `change` under the spooler's lock, then waits (at most ten seconds) until `done`
    // holds; false on time-out.
    bool waitUntil(const std::function<bool(const FakeSpooler&)>& done,
                   const std::function<void(FakeSpooler&)>& change = {}) {
        std::unique_lock lock(mutex_);
        if (change) change(*this);
        changed_.notify_all();
        return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return done(*this); });
    }

private:
    struct Job {
        int appearIn, leaveIn;
        std::int64_t stamp = 0;
        bool listed = false;
    };
    PrintClock& clock_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Job> jobs_;
};

}  // namespace korva::test

#pragma once
// A clock and a spooler for the print queue's tests: sleeping on the clock advances it, and
// a printed page's job shows up in the spooler a few polls later.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

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
    // minute at the most, so that a worker that is never woken fails the test).
    void sleepFor(std::chrono::milliseconds duration, std::unique_lock<std::mutex>& lock,
                  std::condition_variable& wake, const std::function<bool()>& woken) override {
        if (sleeps_ == Sleeps::Frozen) {
            wake.wait_for(lock, std::chrono::minutes(1), woken);
            return;
        }
        if (woken()) return;
        ms_ += duration.count();
        wake.wait_for(lock, std::chrono::milliseconds(1), woken);  // lets the test thread in
    }

private:
    Sleeps sleeps_;
    // Starts late in a second, so that pages and jobs share seconds and cross into the next.
    std::atomic<std::int64_t> ms_{1'700'000'000'800};
};

struct PrintedPage {
    std::string path;
    std::int64_t atMs = 0;
    int jobsBefore = 0;  // jobs that had appeared when the page was handed over
};

class FakeSpooler final : public PrinterPlatform, public PagePrinter {
public:
    explicit FakeSpooler(PrintClock& clock) : clock_(clock) {}

    // Settings; change them before anything runs.
    std::optional<std::vector<PrinterEntry>> printers =
        std::vector<PrinterEntry>{{"lp", true, false}};
    std::set<std::string> unopenable;
    std::map<std::string, std::vector<std::int64_t>> standingJobs;  // besides the pages' jobs
    int appearAfterPolls = 3;         // a page's job is listed from this poll after it is printed
    int leaveAfterPolls = -1;         // a listed job leaves after this many polls; -1 never
    std::set<std::string> lostPages;  // by file name; their job never appears
    std::string pagesGoTo = "lp";     // the printer that lists the pages' jobs

    std::optional<std::vector<PrinterEntry>> enumeratePrinters() override { return printers; }
    bool openPrinter(const std::string& name) override {
        std::lock_guard lock(mutex_);
        opened.push_back(name);
        return !unopenable.contains(name);
    }
    void closePrinter(const std::string& name) override {
        std::lock_guard lock(mutex_);
        closed.push_back(name);
    }
    std::optional<std::vector<std::int64_t>> jobTimes(const std::string& name) override;
    void printPage(const std::string& absolutePath) override;

    // Polls wait from hold() until release().
    void hold();
    void release();
    // Waits (at most ten seconds) until `done` holds for the spooler; false on time-out.
    bool waitUntil(const std::function<bool(const FakeSpooler&)>& done);

    // Read through waitUntil or once the worker has ended.
    std::vector<std::string> opened, closed;
    std::vector<PrintedPage> printed;
    int jobsAppeared = 0;
    int polls = 0;
    bool holdPolls = false;
    bool pollHeld = false, pollReturned = false;

private:
    struct Job {
        int pollsLeft;  // until it appears, then until it leaves
        bool listed = false;
    };
    void agePageJobs();

    PrintClock& clock_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Job> jobs_;
    std::vector<std::int64_t> stamps_;  // parallel to jobs_: when each was listed
};

}  // namespace korva::test

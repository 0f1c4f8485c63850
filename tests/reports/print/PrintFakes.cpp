#include "reports/print/PrintFakes.h"

#include <algorithm>

namespace korva::test {

void FakeSpooler::printPage(const std::string& absolutePath) {
    std::lock_guard lock(mutex_);
    printed.push_back({absolutePath, clock_.steadyMilliseconds(), jobsAppeared});
    const auto name = absolutePath.substr(absolutePath.rfind('/') + 1);
    if (!lostPages.contains(name)) {
        jobs_.push_back({appearAfterPolls});
        stamps_.push_back(0);
    }
    changed_.notify_all();
}

void FakeSpooler::agePageJobs() {
    for (std::size_t i = 0; i < jobs_.size(); ++i) {
        auto& job = jobs_[i];
        if (!job.listed && job.pollsLeft-- <= 0) {
            job.listed = true;
            job.pollsLeft = leaveAfterPolls;
            stamps_[i] = clock_.secondsSince1970();
            ++jobsAppeared;
        } else if (job.listed && job.pollsLeft > 0) {
            --job.pollsLeft;
        }
    }
    for (std::size_t i = jobs_.size(); i-- > 0;) {
        if (jobs_[i].listed && jobs_[i].pollsLeft == 0) {
            jobs_.erase(jobs_.begin() + static_cast<std::ptrdiff_t>(i));
            stamps_.erase(stamps_.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

std::optional<std::vector<std::int64_t>> FakeSpooler::jobTimes(const std::string& name) {
    std::unique_lock lock(mutex_);
    if (holdPolls) {
        pollHeld = true;
        changed_.notify_all();
        changed_.wait(lock, [&] { return !holdPolls; });
    }
    ++polls;
    std::vector<std::int64_t> times = standingJobs[name];
    if (name == pagesGoTo) {
        agePageJobs();
        for (std::size_t i = 0; i < jobs_.size(); ++i) {
            if (jobs_[i].listed) times.push_back(stamps_[i]);
        }
    }
    pollReturned = true;
    changed_.notify_all();
    return times;
}

void FakeSpooler::hold() {
    std::lock_guard lock(mutex_);
    holdPolls = true;
}

void FakeSpooler::release() {
    std::lock_guard lock(mutex_);
    holdPolls = false;
    changed_.notify_all();
}

bool FakeSpooler::waitUntil(const std::function<bool(const FakeSpooler&)>& done) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return done(*this); });
}

}  // namespace korva::test

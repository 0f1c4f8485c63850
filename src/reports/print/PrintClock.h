#pragma once
// Time as the print worker needs it: the spooler's clock, a steady count for timeouts, and
// sleeps that a stop request can cut short.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

namespace korva {

class PrintClock {
public:
    virtual ~PrintClock() = default;
    // System time, what the spooler stamps its jobs with.
    virtual std::int64_t secondsSince1970() = 0;
    virtual std::int64_t steadyMilliseconds() = 0;
    // Sleeps for `duration`, or less once `wake` is notified and `woken` holds; `lock` locks
    // the mutex `woken` reads and is held on entry and on return.
    virtual void sleepFor(std::chrono::milliseconds duration, std::unique_lock<std::mutex>& lock,
                          std::condition_variable& wake, const std::function<bool()>& woken) = 0;
};

class SystemPrintClock final : public PrintClock {
public:
    std::int64_t secondsSince1970() override;
    std::int64_t steadyMilliseconds() override;
    void sleepFor(std::chrono::milliseconds duration, std::unique_lock<std::mutex>& lock,
                  std::condition_variable& wake, const std::function<bool()>& woken) override;
};

}  // namespace korva

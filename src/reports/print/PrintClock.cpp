#include "reports/print/PrintClock.h"

namespace korva {

std::int64_t SystemPrintClock::secondsSince1970() {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

std::int64_t SystemPrintClock::steadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemPrintClock::sleepFor(std::chrono::milliseconds duration,
                                std::unique_lock<std::mutex>& lock, std::condition_variable& wake,
                                const std::function<bool()>& woken) {
    wake.wait_for(lock, duration, woken);
}

}  // namespace korva

#include "ui/Clock.h"

#include <chrono>

namespace korva {

Timestamp SystemClock::now() const {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::system_clock::now().time_since_epoch());
    return static_cast<Timestamp>(seconds.count());
}

}  // namespace korva

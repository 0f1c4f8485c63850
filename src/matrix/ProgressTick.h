#pragma once
// A sign of life from the long loops of a generation, so that a window can show that work
// goes on. Called often; it must be cheap and must not touch the race.

#include <functional>

namespace korva {

using ProgressTick = std::function<void()>;

inline void tickProgress(const ProgressTick& tick) {
    if (tick) tick();
}

}  // namespace korva

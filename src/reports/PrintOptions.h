#pragma once
// The print options word kept with the race: whether written pages are printed at once, and
// whether the paper reminder is shown first.

#include <cstdint>

namespace korva {

inline constexpr std::uint32_t kPrintNow = 1u << 0;
inline constexpr std::uint32_t kShowPrintReminder = 1u << 4;

}  // namespace korva

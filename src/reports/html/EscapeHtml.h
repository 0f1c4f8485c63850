#pragma once
// Making user-typed text safe to place in a page: the builder itself writes text verbatim.

#include <string>
#include <string_view>

namespace korva {

// Replaces &, <, > and " by their character entities.
std::string escapeHtml(std::string_view text);

}  // namespace korva

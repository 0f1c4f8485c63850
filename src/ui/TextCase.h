#pragma once
// Comparisons that ignore the case of ASCII letters (codes, extensions, yes/no words).

#include <string>
#include <string_view>

namespace korva {

bool equalsNoCase(std::string_view a, std::string_view b);
bool endsWithNoCase(std::string_view text, std::string_view suffix);
std::string lowerCased(std::string_view text);

}  // namespace korva

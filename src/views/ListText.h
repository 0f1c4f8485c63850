#pragma once
// Texts and comparisons the pilot and plane lists share.

#include <string>

namespace korva {

class KORVAPilot;

// First name, a blank, last name; " (9)" added for the nine-lap class.
std::string listName(const KORVAPilot& pilot);
// ASCII letters lowered, for comparisons that ignore case.
std::string lowerCased(const std::string& text);
// Last name, then first name, both without regard to case, as one comparable key.
std::string nameSortKey(const KORVAPilot& pilot);

}  // namespace korva

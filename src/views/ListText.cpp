#include "views/ListText.h"

#include "race/KORVAPilot.h"

namespace korva {

namespace {
constexpr int kNineLapClass = 0;
}

std::string listName(const KORVAPilot& pilot) {
    std::string name = pilot.fullName();
    if (pilot.classIndex == kNineLapClass) name += " (9)";
    return name;
}

std::string lowerCased(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string nameSortKey(const KORVAPilot& pilot) {
    // The NUL keeps "Smith" + "Al" ahead of "Smithe" + "Al", as comparing the parts would.
    return lowerCased(pilot.lastName) + '\0' + lowerCased(pilot.firstName);
}

}  // namespace korva

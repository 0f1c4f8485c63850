#include "ui/FormChecks.h"

#include <algorithm>

#include "ui/Messages.h"

namespace korva {

namespace {
constexpr int kMustEnter = 61204;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
}  // namespace

std::string trimmed(const std::string& text) {
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

void trimInPlace(std::string& text) {
    text = trimmed(text);
}

std::string upperCased(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

bool checkLength(Interaction& ui, const std::string& text, std::size_t most) {
    if (text.size() <= most) return true;
    showWarning(ui, str::kEnterNoMoreThan, static_cast<int>(most));
    return false;
}

bool checkRange(Interaction& ui, int value, int low, int high, int labelId) {
    return checkRange(ui, value, low, high, std::string(korva::text(labelId)));
}

bool checkRange(Interaction& ui, int value, int low, int high, const std::string& label) {
    if (value >= low && value <= high) return true;
    showWarning(ui, str::kFieldIntegerBetween, label, low, high);
    return false;
}

bool checkNotEmpty(Interaction& ui, const std::string& text, int labelId) {
    if (!text.empty()) return true;
    showWarning(ui, kMustEnter, std::string(korva::text(labelId)));
    return false;
}

}  // namespace korva

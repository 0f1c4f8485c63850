#include "cli/LaneEntry.h"

#include <algorithm>
#include <cctype>

#include "cli/CliOptions.h"
#include "race/KORVAHeat.h"
#include "scoring/HeatResultForm.h"
#include "ui/TextCase.h"

namespace korva {

namespace {

// Digits only, between LOW and HIGH of them: no sign, no blank.
std::optional<int> digits(const std::string& text, std::size_t low, std::size_t high) {
    if (text.size() < low || text.size() > high) return std::nullopt;
    const bool allDigits =
        std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
    return allDigits ? wholeNumber(text) : std::nullopt;
}

std::optional<int> count(const std::string& text) {
    return digits(text, 1, 9);
}

// "M:SS.HH". The hundredths take exactly two digits, so that "1:05.5" is not read as five.
bool readTime(const std::string& text, LaneEntry& entry) {
    const std::size_t colon = text.find(':');
    const std::size_t dot = text.find('.', colon == std::string::npos ? 0 : colon);
    if (colon == std::string::npos || dot == std::string::npos) return false;
    const auto minutes = count(text.substr(0, colon));
    const auto seconds = digits(text.substr(colon + 1, dot - colon - 1), 1, 2);
    const auto hundredths = digits(text.substr(dot + 1), 2, 2);
    if (!minutes || !seconds || !hundredths) return false;
    entry.minutes = *minutes;
    entry.seconds = *seconds;
    entry.hundredths = *hundredths;
    return true;
}

std::optional<LaneEntry> readSpec(const std::string& text) {
    LaneEntry entry;
    const std::string word = lowerCased(text);
    if (word == "dns" || word == "dnf") {
        entry.state = word == "dns" ? kDidNotStart : kDidNotFinish;
        return entry;
    }
    entry.state = kRaced;
    const std::size_t first = text.find(',');
    const std::size_t last = text.rfind(',');
    if (first == std::string::npos) return std::nullopt;
    if (first != last) {
        entry.finish = count(text.substr(0, first));
        if (!entry.finish) return std::nullopt;
    }
    const std::size_t timeStart = first != last ? first + 1 : 0;
    const auto cuts = count(text.substr(last + 1));
    if (!cuts || !readTime(text.substr(timeStart, last - timeStart), entry)) return std::nullopt;
    entry.cuts = *cuts;
    return entry;
}

template <typename T>
std::optional<std::pair<int, T>> forLane(const std::string& text,
                                         std::optional<T> (*read)(const std::string&)) {
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos) return std::nullopt;
    const auto lane = digits(text.substr(0, eq), 1, 1);
    if (!lane || *lane < 1 || *lane > KORVAHeat::kLanes) return std::nullopt;
    const std::optional<T> value = read(text.substr(eq + 1));
    if (!value) return std::nullopt;
    return std::pair{*lane - 1, *value};
}

}  // namespace

std::optional<std::pair<int, LaneEntry>> laneEntryFor(const std::string& text) {
    return forLane(text, &readSpec);
}

std::optional<std::pair<int, int>> lanePointsFor(const std::string& text) {
    return forLane(text, &wholeNumber);
}

std::string laneEntryShape(bool fai) {
    return fai ? "M:SS.HH,INFR, DNS or DNF" : "FIN,M:SS.HH,CUTS, DNS or DNF";
}

}  // namespace korva

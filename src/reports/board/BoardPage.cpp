#include "reports/board/BoardPage.h"

#include <charconv>
#include <optional>

#include "race/KORVAPilot.h"
#include "race/KORVARaceDoc.h"
#include "reports/board/BoardText.h"
#include "reports/board/BoardWriters.h"
#include "scoring/Standings.h"

namespace korva {

namespace {

constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr const char* kJson = "application/json; charset=utf-8";

BoardResponse notFound() {
    return {404, kHtml, boardNotFoundPage()};
}

// The one segment after a route's prefix, decoded; nothing when the path does not start
// with the prefix or what follows is empty, undecodable or more than one segment. An
// encoded slash stays: it can only be part of a class name compared below.
std::optional<std::string> segmentAfter(std::string_view path, std::string_view prefix) {
    if (path.substr(0, prefix.size()) != prefix || path.size() == prefix.size())
        return std::nullopt;
    const std::string_view rest = path.substr(prefix.size());
    if (rest.find('/') != std::string_view::npos) return std::nullopt;
    std::optional<std::string> decoded = percentDecode(rest);
    if (!decoded || decoded->find("..") != std::string::npos) return std::nullopt;
    return decoded;
}

BoardResponse pilotPage(const RaceStandings& standings, std::string_view digits) {
    const KORVARaceDoc& doc = standings.doc();
    int number = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (ec != std::errc() || end != digits.data() + digits.size() || number <= 0) return notFound();
    const KORVAPilot* pilot = doc.pilotByNumber(number);
    if (!pilot) return notFound();
    const std::vector<BoardStandingRow> rows = boardStandings(standings, pilot->bracket);
    const BoardStandingRow* standing = nullptr;
    for (const BoardStandingRow& row : rows) {
        if (row.number == number) standing = &row;
    }
    return {200, kHtml, boardPilotPage(doc, *pilot, standing, boardPilotHeats(doc, *pilot))};
}

}  // namespace

BoardResponse boardPage(const RaceStandings& standings, std::string_view path,
                        std::string_view lastChange) {
    // Nothing here is a file, yet a path that looks like a way out is refused outright, and
    // no route takes a query.
    if (path.empty() || path.front() != '/' || path.find("..") != std::string_view::npos ||
        path.find("//") != std::string_view::npos ||
        path.find_first_of("\\?#") != std::string_view::npos) {
        return notFound();
    }
    const KORVARaceDoc& doc = standings.doc();
    if (path == "/") return {200, kHtml, boardStartPage(doc, boardClasses(doc), lastChange)};
    if (path == "/standings.json") return {200, kJson, boardStandingsJson(standings, lastChange)};
    if (path == "/heats.json") return {200, kJson, boardHeatsJson(doc, lastChange)};
    if (const auto name = segmentAfter(path, "/standings/")) {
        const auto c = findBoardClass(doc, *name);
        if (!c) return notFound();
        return {200, kHtml, boardStandingsPage(doc, *c, boardStandings(standings, c->bracket))};
    }
    if (const auto name = segmentAfter(path, "/heats/")) {
        const auto c = findBoardClass(doc, *name);
        if (!c) return notFound();
        return {200, kHtml, boardHeatsPage(*c, boardHeats(doc, c->bracket))};
    }
    if (const auto number = segmentAfter(path, "/pilot/")) return pilotPage(standings, *number);
    return notFound();
}

}  // namespace korva

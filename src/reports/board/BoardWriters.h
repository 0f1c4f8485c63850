#pragma once
// The board's page and JSON writers behind boardPage().

#include <string>
#include <string_view>
#include <vector>

#include "reports/board/BoardData.h"

namespace korva {

// The link of a class's standings or heats page: "/standings/" or "/heats/" and the name.
std::string classLink(std::string_view route, const BoardClass& c);

std::string boardStartPage(const KORVARaceDoc& doc, const std::vector<BoardClass>& classes,
                           std::string_view lastChange);
std::string boardStandingsPage(const KORVARaceDoc& doc, const BoardClass& c,
                               const std::vector<BoardStandingRow>& rows);
std::string boardHeatsPage(const BoardClass& c, const BoardHeats& heats);
std::string boardPilotPage(const KORVARaceDoc& doc, const KORVAPilot& pilot,
                           const BoardStandingRow* standing,
                           const std::vector<BoardPilotHeat>& heats);
std::string boardNotFoundPage();

std::string boardStandingsJson(const RaceStandings& standings, std::string_view lastChange);
std::string boardHeatsJson(const KORVARaceDoc& doc, std::string_view lastChange);

}  // namespace korva

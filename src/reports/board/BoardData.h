#pragma once
// What the results board shows, gathered from the race once and then written as HTML or
// JSON. Texts are the race's own (Windows-1252); the writers convert them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korva {

class KORVAPilot;
class KORVARaceDoc;
class RaceStandings;

struct BoardClass {
    int bracket = 0;
    std::string name;  // as the heat list and the printed pages name it
};

// The classes the race uses, in bracket order.
std::vector<BoardClass> boardClasses(const KORVARaceDoc& doc);
// A class by its name (UTF-8, as decoded from a URL), its bracket's name or its bracket
// index (0, 1, 2); nothing when the race does not use it.
std::optional<BoardClass> findBoardClass(const KORVARaceDoc& doc, std::string_view name);

struct BoardStandingRow {
    int place = 0;      // pilots the finish order cannot tell apart share a place
    bool tied = false;  // in a tie group within the award places
    std::int32_t number = 0;
    std::string name;
    std::string points;   // as the pilot list shows them, fly-off points included
    std::string lowTime;  // with the pilot list's fastest and cut marks
};

// The bracket's pilots, as the pilot list shows them, in finish order.
std::vector<BoardStandingRow> boardStandings(const RaceStandings& standings, int bracket);

struct BoardLane {
    int lane = 0;  // from 1
    std::int32_t pilot = 0;
    std::string name;
    std::string channel;  // "SS" for a pseudo channel
    std::string result;   // the heat card's text of a flown heat, when asked for
    // The entered result of a flown heat; the FAI score stands in `points`.
    bool started = true;
    bool finished = true;
    std::int32_t finish = 0;
    std::int32_t time = 0;  // hundredths
    std::int32_t cuts = 0;
    std::int32_t points = 0;
};

struct BoardHeat {
    int round = 0;
    int heat = 0;
    bool complete = false;
    std::vector<BoardLane> lanes;  // occupied lanes only
};

struct BoardHeats {
    std::vector<BoardHeat> toFly;  // in matrix order: the next one first
    std::vector<BoardHeat> flown;  // the latest first
};

// `resultTexts`: also the heat card's text of every flown lane (the pages show it; tools
// reading the JSON take the values).
BoardHeats boardHeats(const KORVARaceDoc& doc, int bracket, bool resultTexts = true);

struct BoardPilotHeat {
    int round = 0;
    int heat = 0;
    int lane = 0;            // from 1
    std::string startGroup;  // "Green", "Blue" or "Magenta"
    bool complete = false;
    std::string result;
};

// Every heat of the pilot's bracket that the pilot flies in, in matrix order.
std::vector<BoardPilotHeat> boardPilotHeats(const KORVARaceDoc& doc, const KORVAPilot& pilot);

}  // namespace korva

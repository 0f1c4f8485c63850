#pragma once
// The pilots a pilot report prints, in the pilot window's order: the window's own rows when
// printed from it, or rows of every class sorted the same way when printed without it.

#include <memory>
#include <vector>

#include "views/PilotListRows.h"

namespace korva {

class KORVAPilot;
class KORVARaceDoc;
class RaceStandings;

class PilotRows {
public:
    // The window's rows as they stand.
    explicit PilotRows(const PilotListRows& window);
    // Every pilot the window would show unfiltered, sorted by `sort`, with fresh standings.
    PilotRows(KORVARaceDoc& doc, PilotColumn sort);
    ~PilotRows();
    PilotRows(const PilotRows&) = delete;
    PilotRows& operator=(const PilotRows&) = delete;

    const PilotListRows& list() const { return *list_; }
    // The rows of the brackets in `classes` (bit b for bracket b), in order.
    std::vector<const KORVAPilot*> of(int classes) const;

private:
    std::unique_ptr<RaceStandings> standings_;
    std::unique_ptr<PilotListRows> own_;
    const PilotListRows* list_ = nullptr;
};

// Every bracket, one bit each.
inline constexpr int kAllClasses = 7;

}  // namespace korva

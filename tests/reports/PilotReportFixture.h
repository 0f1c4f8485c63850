#pragma once
// The sample race of the heat reports with a pilot window over it.

#include <memory>

#include "reports/HeatReportFixture.h"
#include "scoring/Standings.h"
#include "views/PilotListRows.h"

namespace korva::test {

struct PilotReportFixture : HeatReportFixture {
    std::unique_ptr<RaceStandings> standings;
    std::unique_ptr<PilotListRows> rows;

    // The pilot window as it stands now, sorted by `sort`.
    PilotListRows& window(PilotColumn sort = PilotColumn::Number) {
        standings = std::make_unique<RaceStandings>(*doc);
        standings->update();
        rows = std::make_unique<PilotListRows>(*doc, *standings);
        rows->setSortColumn(sort);
        rows->refill();
        return *rows;
    }

    // Every "img/<name>.jpg" of a page, in order.
    static std::vector<std::string> pictures(const std::string& page) {
        std::vector<std::string> names;
        for (auto at = page.find("img/"); at != std::string::npos; at = page.find("img/", at + 1)) {
            names.push_back(page.substr(at + 4, page.find(".jpg", at) - at - 4));
        }
        return names;
    }
};

}  // namespace korva::test

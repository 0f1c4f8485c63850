#include "reports/PilotHeatDetails.h"

#include "race/KORVAHeatTime.h"
#include "race/KORVARaceDoc.h"
#include "reports/PilotListing.h"
#include "reports/PrintLook.h"
#include "reports/ReportFiles.h"
#include "reports/ReportRun.h"
#include "reports/html/ColorLegends.h"
#include "reports/html/EscapeHtml.h"
#include "reports/html/ZelHtml.h"
#include "reports/html/ZelHtmlString.h"
#include "reports/html/ZelHtmlTable.h"
#include "reports/html/ZelHtmlText.h"
#include "scoring/PilotRounds.h"
#include "ui/Format.h"
#include "views/PilotListRows.h"

namespace korva {

namespace {
constexpr const char* kSize = "2";

// The time text of every other page, not minutes, seconds and hundredths all joined by
// colons, which reads as hours.
std::string timeText(std::int32_t hundredths) {
    KORVAHeatTime time;
    time.setTotal(hundredths);
    return time.text();
}

struct DetailsBuilder {
    ZelHtml& page;
    const ReportRun& run;
    ZelHtmlItem* spacer = page.make<ZelHtmlString>("&nbsp;");

    const KORVARaceDoc& doc() const { return run.doc(); }
    const PrintLook& look() const { return run.look(); }
    bool fai() const { return doc().faiClass != 0; }

    ZelHtmlItem* text(const std::string& value, bool bold = false, const std::string& color = {}) {
        return look().text(page, value, kSize, bold, color);
    }
    static void cell(ZelHtmlTable& table, ZelHtmlItem* item, int row) {
        table.AddColItem(item, row, cell::kWhite, cell::kNoAlign, 0);
    }

    std::string totalText(std::int32_t total) const {
        return fai() ? cformat("%d.%02d", total / 100, total % 100) : cformat("%d", total);
    }
    std::string roundText(std::int32_t value) const {
        return fai() ? cformat("%03d.%02d", value / 100, value % 100) : cformat("%d", value);
    }
    std::string roundColor(const RoundResult& r) const {
        if (!look().color) return {};
        if (r.discarded) return "RED";
        return r.cut ? "BLUE" : "";
    }

    // Round numbers over their two columns, then the column titles.
    void headings(ZelHtmlTable& table, const BracketRounds& rounds) {
        cell(table, spacer, 0);
        cell(table, spacer, 0);
        for (const int number : rounds.roundNumbers()) {
            cell(table, text(cformat("Round %d", number), true), 0);
            cell(table, spacer, 0);
        }
        cell(table, text("Name", true), 1);
        cell(table, text(fai() ? "Total Score" : "Total Points", true), 1);
        for (std::size_t r = 0; r < rounds.roundNumbers().size(); ++r) {
            cell(table, text(fai() ? "Heat Detail" : "Points", true), 1);
            cell(table, text("Times", true), 1);
        }
    }

    void pilotRow(ZelHtmlTable& table, const BracketRounds& rounds, const KORVAPilot& p, int row) {
        cell(table, text(escapeHtml(p.fullName()), true), row);
        cell(table, text(totalText(rounds.total(p))), row);
        for (const RoundResult& r : rounds.of(p)) {
            if (!r.flew) {
                cell(table, spacer, row);
                cell(table, spacer, row);
                continue;
            }
            cell(table, text(roundText(r.value), false, roundColor(r)), row);
            cell(table, text(timeText(r.time)), row);
        }
    }

    void build(const HeatDetailsSetup& setup) {
        addListingHeading(page, look(), listingHeading(doc(), run.raceName(), setup.printDate),
                          setup.list);
        if (look().color) {
            page.AddItem(page.make<ZelHtmlString>(
                "<CENTER>" + ScoreColorLegend(true, kSize, fai()) + "</CENTER>"));
        }
        for (const BracketPilots& group : byBracket(setup.pilots)) {
            const BracketRounds rounds(doc(), group.bracket);
            addClassIntro(page, look(), doc(), group.bracket);
            auto* table = page.make<ZelHtmlTable>();
            headings(*table, rounds);
            int row = 2;
            for (const KORVAPilot* p : group.pilots) pilotRow(*table, rounds, *p, row++);
            page.AddItem(table);
        }
    }
};

// The class in the file name: the one class listed, or "All".
std::string classPart(const KORVARaceDoc& doc, const std::vector<const KORVAPilot*>& pilots) {
    const std::vector<BracketPilots> groups = byBracket(pilots);
    if (groups.size() != 1) return "All";
    return safeFileNamePart(matrixClassName(doc, groups.front().bracket));
}
}  // namespace

void writePilotHeatDetails(ReportRun& run, const HeatDetailsSetup& setup) {
    const std::string path =
        run.pagePath(str::kPilotDetailListFile, run.raceName(), classPart(run.doc(), setup.pilots),
                     listingSuffix(setup.list));
    auto page = run.newPage(path, std::string(text(str::kPilotDetailList)));
    DetailsBuilder{*page, run}.build(setup);
    run.write(*page);
}

}  // namespace korva

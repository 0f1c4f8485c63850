#include "reports/HeatCard.h"

#include "race/KORVARaceDoc.h"
#include "reports/HeatSelection.h"
#include "reports/HeatTexts.h"
#include "reports/LanePictures.h"
#include "reports/html/ColorLegends.h"
#include "reports/html/EscapeHtml.h"
#include "reports/html/ZelHtml.h"
#include "reports/html/ZelHtmlImage.h"
#include "reports/html/ZelHtmlString.h"
#include "reports/html/ZelHtmlTable.h"
#include "reports/html/ZelHtmlText.h"
#include "ui/Format.h"

namespace korva {

namespace {
constexpr const char* kNbsp = "&nbsp;";

// The pilot column's title on blank cards leaves room to write a name.
const std::string kBlankPilotHeading =
    "&nbsp;&nbsp;&nbsp;&nbsp;Pilot"
    "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";

struct CardBuilder {
    ZelHtml& page;
    const CardSetup& setup;
    const PrintedHeat* heat;
    ZelHtmlItem* spacer = page.make<ZelHtmlString>(kNbsp);

    bool fai() const { return setup.doc.faiClass != 0; }
    int roundIndex() const { return heat != nullptr ? heat->roundIndex : 0; }

    ZelHtmlItem* text(const std::string& value, const char* size, bool bold = false,
                      const std::string& color = {}) {
        return setup.look.text(page, value, size, bold, color);
    }

    void cell(ZelHtmlTable& table, ZelHtmlItem* item, int row) {
        table.AddColItem(item, row, cell::kWhite, cell::kNoAlign, 0);
    }

    ZelHtmlTable* heading() {
        auto* table = page.make<ZelHtmlTable>();
        table->SetOutlineWidth(0);
        if (setup.kind == CardKind::ReFly) cell(*table, text("Re-Fly", "4", true), 0);
        if (heat == nullptr) {
            cell(*table, spacer, 0);
            cell(*table, spacer, 0);
            cell(*table, text("R&nbsp;&nbsp;&nbsp;H&nbsp;&nbsp;&nbsp;", "+1"), 0);
        } else {
            cell(*table, text(std::to_string(heat->sequence), "4", true), 0);
            const std::string name = escapeHtml(matrixClassName(setup.doc, heat->bracket));
            cell(*table, text(name, "+1", false, setup.look.red()), 0);
            cell(*table, text(cformat("R%dH%d", heat->roundNumber(), heat->heat->heatNumber), "+1"),
                 0);
        }
        cell(*table, text(escapeHtml(setup.printDate), "1"), 0);
        return table;
    }

    void columnTitles(ZelHtmlTable& card) {
        const bool blank = setup.kind == CardKind::Blank;
        std::vector<std::string> titles = {"Ln", blank ? kBlankPilotHeading : "Pilot", "Ch"};
        if (!fai()) titles.emplace_back("Fin");
        titles.insert(titles.end(),
                      {"M:S.HH", fai() ? "Infr" : "Cts", "DN", fai() ? "Score" : "Pts"});
        for (const std::string& title : titles) cell(card, text(title, "1", true), 0);
    }

    ZelHtmlItem* laneCell(int lane) {
        if (setup.pictures) {
            return page.make<ZelHtmlImage>(heatCardLanePicture(setup.doc, lane, roundIndex()));
        }
        return text(std::to_string(lane + 1), "+2", true);
    }

    void laneRow(ZelHtmlTable& card, int lane) {
        const int row = lane + 1;
        cell(card, laneCell(lane), row);
        const KORVAPilot* pilot = nullptr;
        if (heat != nullptr) {
            pilot = setup.doc.pilotByNumber(heat->heat->lanePilot[static_cast<std::size_t>(lane)]);
        }
        const int results = fai() ? 4 : 5;  // the columns after the channel
        if (pilot == nullptr) {
            for (int c = 0; c < 2 + results; ++c) cell(card, spacer, row);
            return;
        }
        const std::string color =
            setup.look.color
                ? StartGroupColorName(roundIndex(), lane, fai(), startGroupPeriod(setup.doc))
                : std::string();
        cell(card, text(printedPilotName(*pilot), "+1", true, color), row);
        cell(card, text(printedChannel(*pilot), "2"), row);
        if (!heat->heat->isComplete()) {
            for (int c = 0; c < results; ++c) cell(card, spacer, row);
            return;
        }
        const LaneResultTexts r = laneResultTexts(*heat->heat, lane, fai());
        if (!fai()) cell(card, text(r.finish, "2"), row);
        for (const std::string* value : {&r.time, &r.cuts, &r.outcome, &r.points}) {
            cell(card, value->empty() ? spacer : text(*value, "2"), row);
        }
    }

    ZelHtmlTable* card() {
        auto* table = page.make<ZelHtmlTable>(heading(), "2");
        if (setup.kind != CardKind::Result) table->SetWidth(setup.look.cardWidth());
        columnTitles(*table);
        for (int lane = 0; lane < printedLanes(setup.doc); ++lane) laneRow(*table, lane);
        return table;
    }

    // Labels read downwards beside the card: which card starts a round, or is a re-fly.
    std::pair<ZelHtmlItem*, ZelHtmlItem*> sideLabels() {
        if (setup.kind == CardKind::ReFly) {
            return {text("R<BR>E<BR>&nbsp;<BR>F<BR>L<BR>Y", "+1", true),
                    text("<BR>H<BR>E<BR>A<BR>T<BR>&nbsp;<BR>&nbsp;", "+1", true)};
        }
        if (setup.kind == CardKind::Heat && heat != nullptr && heat->firstOfRound()) {
            return {text("S<BR>T<BR>A<BR>R<BR>T", "+1", true),
                    text("R<BR>O<BR>U<BR>N<BR>D", "+1", true)};
        }
        return {spacer, spacer};
    }

    ZelHtmlTable* wrapped() {
        auto* wrapper = page.make<ZelHtmlTable>(nullptr, "0");
        wrapper->SetOutlineWidth(0);
        const bool sides =
            setup.kind == CardKind::ReFly || (setup.sideCells && setup.kind != CardKind::Result);
        if (!sides) {
            cell(*wrapper, card(), 0);
            return wrapper;
        }
        const auto [left, right] = sideLabels();
        cell(*wrapper, left, 0);
        cell(*wrapper, card(), 0);
        cell(*wrapper, right, 0);
        return wrapper;
    }
};
}  // namespace

bool showsLanePictures(const PrintLook& look, CardKind kind, bool icons) {
    return icons && look.color && look.laneColors && kind != CardKind::Result;
}

ZelHtmlTable* heatCard(ZelHtml& page, const CardSetup& setup, const PrintedHeat* heat) {
    return CardBuilder{page, setup, heat}.wrapped();
}

}  // namespace korva

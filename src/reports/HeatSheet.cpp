#include "reports/HeatSheet.h"

#include "properties/LaneColors.h"
#include "race/KORVARaceDoc.h"
#include "reports/HeatTexts.h"
#include "reports/LanePictures.h"
#include "reports/ReportPictureNames.h"
#include "reports/html/ColorLegends.h"
#include "reports/html/EscapeHtml.h"
#include "reports/html/ZelHtml.h"
#include "reports/html/ZelHtmlImage.h"
#include "reports/html/ZelHtmlString.h"
#include "reports/html/ZelHtmlTable.h"
#include "reports/html/ZelHtmlText.h"
#include "ui/Format.h"
#include "views/HeatListRows.h"

namespace korva {

namespace {
constexpr int kWingFlagRotation = 1;  // rotationKind: 0 lane colours, 1 wing flags
constexpr const char* kSize = "2";

struct SheetBuilder {
    ZelHtml& page;
    const SheetSetup& setup;
    ZelHtmlTable* table = nullptr;
    ZelHtmlItem* spacer = page.make<ZelHtmlString>("&nbsp;");
    int row = 0;

    const KORVARaceDoc& doc() const { return setup.doc; }
    bool fai() const { return doc().faiClass != 0; }
    int lanes() const { return printedLanes(doc()); }
    // Cells before the lane columns: the heat's number and round-and-heat, the icon first.
    int leadCells() const { return setup.icons ? 3 : 2; }

    ZelHtmlItem* text(const std::string& value, bool bold = false, const std::string& color = {}) {
        return setup.look.text(page, value, kSize, bold, color);
    }
    void cell(ZelHtmlItem* item, int shade = cell::kWhite) {
        table->AddColItem(item, row, shade, cell::kNoAlign, 0);
    }
    void cells(int count, int shade) {
        for (int i = 0; i < count; ++i) cell(spacer, shade);
    }

    void wingFlagRow() {
        if (setup.wingFlags == WingFlags::DontDisplay) return;
        cells(leadCells(), cell::kWhite);
        for (int lane = 0; lane < lanes(); ++lane) {
            cell(page.make<ZelHtmlImage>(
                wingFlagPicture(doc(), lane, setup.wingFlags, setup.look.color)));
        }
        ++row;
    }

    void classHeadingRow(int bracket) {
        cells(leadCells() - 1, cell::kWhite);
        cell(text(escapeHtml(matrixClassName(doc(), bracket)), true, setup.look.red()));
        for (int lane = 0; lane < lanes(); ++lane) cell(text(cformat("Lane %d", lane + 1), true));
        ++row;
    }

    // The round in which pilots change wing flags or the course changes lane colours.
    bool changesColors(int roundNumber) const {
        const int period = fai() ? doc().rotateEvery : 0;
        if (period <= 0) return false;
        return period == 1 ||
               (setup.wingFlags != WingFlags::DontDisplay && roundNumber % period == 1);
    }

    void separatorRow(int roundNumber, int roundIndex) {
        if (!changesColors(roundNumber)) {
            cells(leadCells() + lanes(), cell::kBlack);  // prints as a black bar
            ++row;
            return;
        }
        cells(leadCells(), cell::kBlack);
        static constexpr const char* kWords[] = {"Change", "Wing", "Flags"};
        for (int lane = 0; lane < 3; ++lane) {
            if (doc().rotationKind == kWingFlagRotation) {
                cell(text(kWords[lane], true), cell::kLightGrey);
            } else if (setup.look.color) {
                cell(page.make<ZelHtmlImage>(
                    colorChangePicture(doc(), lane, roundIndex, setup.wingFlags)));
            } else {
                const std::string code = laneColorCodeAt(doc(), lane, roundIndex);
                cell(text(escapeHtml(laneColorName(code)), true), cell::kLightGrey);
            }
        }
        ++row;
    }

    void heatRow(const HeatListRow& heatRow, int roundNumber) {
        const KORVAHeat& heat = *heatRow.heat;
        if (setup.icons) {
            cell(heat.isComplete() ? page.make<ZelHtmlImage>(pictureUrl(kFinishPictureName))
                                   : spacer);
        }
        cell(text(heatRow.absoluteHeat, true));
        cell(text(cformat("R%dH%d", roundNumber, heat.heatNumber)));
        for (int lane = 0; lane < lanes(); ++lane) {
            const KORVAPilot* pilot =
                doc().pilotByNumber(heat.lanePilot[static_cast<std::size_t>(lane)]);
            if (pilot == nullptr) {
                cell(spacer);
                continue;
            }
            const std::string color =
                setup.look.color
                    ? StartGroupColorName(heatRow.roundIndex, lane, fai(), startGroupPeriod(doc()))
                    : std::string();
            cell(text(printedPilotName(*pilot), false, color));
        }
        ++row;
    }

    int build() {
        if (doc().staggeredStart != 0 && setup.look.color) {
            page.AddItem(page.make<ZelHtmlString>(StartGroupLegend(true, kSize, fai())));
            page.AddItem(page.make<ZelHtmlString>("<BR>"));
        }
        table =
            page.make<ZelHtmlTable>(setup.look.text(page, escapeHtml(setup.caption), "+1", true));
        page.AddItem(table);
        wingFlagRow();
        int brackets = 0;
        for (const HeatListRow& r : heatSheetRows(doc(), setup.bracketFilter)) {
            if (!setup.classes.isTicked(r.bracket)) continue;
            const KORVARound& round = *doc().raceMatrix.matrix(r.bracket).rounds.at(
                static_cast<std::size_t>(r.roundIndex));
            const int roundNumber = round.number();
            if (roundNumber < 1 || roundNumber > setup.endRound) continue;
            if (r.heat->heatNumber == 1 && roundNumber == 1) classHeadingRow(r.bracket);
            if (r.heat->heatNumber == 1 && roundNumber > 1) separatorRow(roundNumber, r.roundIndex);
            heatRow(r, roundNumber);
            brackets |= 1 << r.bracket;
        }
        return brackets;
    }
};
}  // namespace

int buildHeatSheet(ZelHtml& page, const SheetSetup& setup) {
    return SheetBuilder{page, setup}.build();
}

}  // namespace korva

#include "reports/PilotCards.h"

#include <algorithm>

#include "race/KORVARaceDoc.h"
#include "reports/LanePictures.h"
#include "reports/PrintLook.h"
#include "reports/ReportRun.h"
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
constexpr int kCardsPerPage = 4;
constexpr int kPilotsChangeLanes = 1;  // matrixType

struct HeatOfRound {
    const KORVAHeat* heat = nullptr;
    int heatIndex = 0;
    int lane = -1;
};

HeatOfRound heatOf(const KORVARound& round, std::int32_t pilot) {
    for (std::size_t h = 0; h < round.heats.size(); ++h) {
        const KORVAHeat* heat = round.heats[h].get();
        if (heat == nullptr) continue;
        const int lane = heat->laneOfPilot(pilot);
        if (lane >= 0) return {heat, static_cast<int>(h), lane};
    }
    return {};
}

const KORVAMatrix* matrixOf(const KORVARaceDoc& doc, const KORVAPilot& pilot) {
    if (pilot.bracket < 0 || pilot.bracket >= kBracketCount) return nullptr;
    return &doc.raceMatrix.matrix(pilot.bracket);
}

struct CardBuilder {
    ZelHtml& page;
    const KORVARaceDoc& doc;
    const PrintLook& look;
    int rounds;
    ZelHtmlItem* spacer;

    bool fai() const { return doc.faiClass != 0; }
    bool pictures() const { return look.color && look.laneColors; }
    ZelHtmlItem* text(const std::string& value, const char* size, bool bold = false,
                      const std::string& color = {}) {
        return look.text(page, value, size, bold, color);
    }
    static void cell(ZelHtmlTable& table, ZelHtmlItem* item, int row) {
        table.AddColItem(item, row, cell::kWhite, cell::kNoAlign, 0);
    }
    ZelHtmlItem* laneItem(int lane, int roundIndex) {
        if (pictures()) return page.make<ZelHtmlImage>(heatCardLanePicture(doc, lane, roundIndex));
        return text(std::to_string(lane + 1), "+1", true);
    }

    // Lanes that change from round to round have no lane of their own to print.
    ZelHtmlItem* laneOfPilot(const KORVAPilot& pilot) {
        if (doc.matrixType == kPilotsChangeLanes || (fai() && doc.rotateEvery != 0)) {
            return text(std::string(korva::text(str::kVariableLane)), "2", true);
        }
        if (const KORVAMatrix* matrix = matrixOf(doc, pilot)) {
            for (std::size_t r = 0; r < matrix->rounds.size(); ++r) {
                if (!matrix->rounds[r]) continue;
                const HeatOfRound found = heatOf(*matrix->rounds[r], pilot.pilotNumber);
                if (found.heat != nullptr) return laneItem(found.lane, static_cast<int>(r));
            }
        }
        return spacer;
    }

    ZelHtmlTable* dataTable(const KORVAPilot& pilot) {
        auto* table = page.make<ZelHtmlTable>();
        table->SetOutlineWidth(0);
        table->SetWidth("100%");
        std::vector<std::string> titles = {"Name", "#", "Chan", "Class", "Pilot ID"};
        if (!fai()) titles.emplace_back("KORVA");
        titles.emplace_back("Lane");
        for (const std::string& title : titles) cell(*table, text(title, "1", true), 0);
        cell(*table, text(escapeHtml(pilot.fullName()), "+1", true), 1);
        cell(*table, text(cformat("%d", pilot.pilotNumber), "2"), 1);
        cell(*table, text(cformat("%d", pilot.channel), "2"), 1);
        cell(*table, text(escapeHtml(doc.classNameOf(pilot.classIndex)), "2", false, look.red()),
             1);
        cell(*table, text(escapeHtml(pilot.pilotId), "2"), 1);
        if (!fai()) cell(*table, text(escapeHtml(pilot.associationNumber), "2"), 1);
        cell(*table, laneOfPilot(pilot), 1);
        return table;
    }

    ZelHtmlItem* heatsTitle() {
        std::string title = "<B>" + std::string(korva::text(str::kHeats)) + "</B>";
        if (look.color) title += "&nbsp;&nbsp;" + StartGroupLegend(false, "3", fai());
        return page.make<ZelHtmlString>(title);
    }

    void roundCells(ZelHtmlTable& table, const KORVAPilot& pilot, int roundIndex) {
        const KORVAMatrix* matrix = matrixOf(doc, pilot);
        const auto r = static_cast<std::size_t>(roundIndex);
        const KORVARound* round =
            matrix != nullptr && r < matrix->rounds.size() ? matrix->rounds[r].get() : nullptr;
        const HeatOfRound found =
            round != nullptr ? heatOf(*round, pilot.pilotNumber) : HeatOfRound{};
        if (found.heat == nullptr) {
            for (int row = 0; row < 3; ++row) cell(table, spacer, row);
            return;
        }
        const std::string color =
            look.color ? StartGroupColorName(roundIndex, found.lane, fai(), startGroupPeriod(doc))
                       : std::string();
        const int sequence = round->heatCount * roundIndex + found.heatIndex + 1;
        cell(table, text(std::to_string(sequence), "+1", true, color), 0);
        cell(table,
             text(cformat("R%dH%d", round->number(), found.heat->heatNumber), "1", false, color),
             1);
        cell(table, laneItem(found.lane, roundIndex), 2);
    }

    ZelHtmlTable* heatTable(const KORVAPilot& pilot) {
        auto* table = page.make<ZelHtmlTable>(heatsTitle(), "2");
        for (int r = 0; r < rounds; ++r) roundCells(*table, pilot, r);
        return table;
    }

    ZelHtmlTable* card(const KORVAPilot& pilot) {
        auto* table = page.make<ZelHtmlTable>(nullptr, "2");
        table->SetWidth(look.cardWidth());
        table->AddColItem(dataTable(pilot), 0, cell::kWhite, cell::kLeft, 0);
        if (rounds > 0) table->AddColItem(heatTable(pilot), 1, cell::kWhite, cell::kLeft, 0);
        return table;
    }

    void addCard(const KORVAPilot& pilot) {
        auto* row = page.make<ZelHtmlTable>(nullptr, "0");
        row->SetOutlineWidth(0);
        row->AddColItem(card(pilot), 0, cell::kWhite, cell::kLeft, 0);
        page.AddItem(row);
        page.AddItem(page.make<ZelHtmlString>("<BR>"));
    }
};

bool heatsOfPilotChanged(const KORVAMatrix& matrix, std::int32_t pilot, Timestamp since) {
    for (const auto& round : matrix.rounds) {
        if (!round) continue;
        for (const auto& heat : round->heats) {
            if (heat && heat->modifiedAt > since && heat->containsPilot(pilot)) return true;
        }
    }
    return false;
}
}  // namespace

int pilotCardRounds(const KORVARaceDoc& doc, int classes) {
    std::size_t rounds = 0;
    for (int b = 0; b < kBracketCount; ++b) {
        if ((classes & (1 << b)) != 0) {
            rounds = std::max(rounds, doc.raceMatrix.matrix(b).rounds.size());
        }
    }
    return static_cast<int>(rounds);
}

int bracketsWithoutMatrix(const KORVARaceDoc& doc, int classes) {
    int without = 0;
    for (int b = 0; b < kBracketCount; ++b) {
        const bool chosen = (classes & (1 << b)) != 0 && doc.bracketUsed(b);
        if (chosen && !doc.raceMatrix.matrix(b).hasRounds()) without |= 1 << b;
    }
    return without;
}

bool pilotCardChanged(const KORVARaceDoc& doc, const KORVAPilot& pilot) {
    const Timestamp since = doc.pilotCardsPrintedAt;
    if (pilot.modifiedAt > since || pilot.classChangedAt > since) return true;
    const KORVAMatrix* matrix = matrixOf(doc, pilot);
    return matrix != nullptr && heatsOfPilotChanged(*matrix, pilot.pilotNumber, since);
}

bool pilotCardsChanged(const KORVARaceDoc& doc, const std::vector<const KORVAPilot*>& pilots) {
    return std::any_of(pilots.begin(), pilots.end(),
                       [&](const KORVAPilot* p) { return pilotCardChanged(doc, *p); });
}

void writePilotCards(ReportRun& run, const std::vector<const KORVAPilot*>& pilots, int rounds,
                     bool onlyChanged) {
    const int format = onlyChanged ? str::kChangedPilotCardsFile : str::kPilotCardsFile;
    if (!onlyChanged) run.deleteStalePages(str::kPilotCardsFile);
    run.deleteStalePages(str::kChangedPilotCardsFile);
    KORVARaceDoc& doc = run.doc();
    std::vector<const KORVAPilot*> printed;
    for (const KORVAPilot* p : pilots) {
        if (!onlyChanged || pilotCardChanged(doc, *p)) printed.push_back(p);
    }
    const std::string title(text(str::kPilotInfoCards));
    for (std::size_t first = 0; first < printed.size(); first += kCardsPerPage) {
        const int number = static_cast<int>(first / kCardsPerPage) + 1;
        auto page = run.newPage(run.pagePath(format, run.raceName(), number), title);
        CardBuilder builder{*page, doc, run.look(), rounds, page->make<ZelHtmlString>("&nbsp;")};
        const std::size_t last = std::min(printed.size(), first + kCardsPerPage);
        for (std::size_t i = first; i < last; ++i) builder.addCard(*printed[i]);
        run.write(*page);
    }
    if (!run.written().empty()) {
        doc.pilotCardsPrintedAt = doc.services().clock.now();
        doc.setModified(true);
    }
}

}  // namespace korva

#include "reports/AudiencePrograms.h"

#include <algorithm>
#include <limits>

#include "race/FileIo.h"
#include "race/KORVARaceDoc.h"
#include "reports/HeatSelection.h"
#include "reports/HeatTexts.h"
#include "reports/LanePictures.h"
#include "reports/ReportFiles.h"
#include "reports/ReportRun.h"
#include "reports/html/EscapeHtml.h"
#include "reports/html/ZelHtml.h"
#include "reports/html/ZelHtmlImage.h"
#include "reports/html/ZelHtmlString.h"
#include "reports/html/ZelHtmlTable.h"
#include "reports/html/ZelHtmlText.h"
#include "ui/Format.h"

namespace korva {

namespace {
constexpr int kTableRowsPerPage = 2;
constexpr int kThirdClass = 4;

struct Layout {
    int small = 1;   // SMALL tags around every text
    int perRow = 2;  // round tables side by side
};

Layout layoutOf(SpectatorFontSize size, bool fai) {
    switch (size) {
        case SpectatorFontSize::Small: return {2, fai ? 3 : 2};
        case SpectatorFontSize::Large: return {0, fai ? 2 : 1};
        case SpectatorFontSize::Medium: break;
    }
    return {1, 2};
}

using RoundHeats = std::vector<PrintedHeat>;

std::vector<RoundHeats> roundsOf(const KORVARaceDoc& doc, int bracket) {
    HeatFilter filter{classChoice(doc, 1 << bracket, 1 << bracket), 1,
                      std::numeric_limits<int>::max()};
    std::vector<RoundHeats> rounds;
    for (const PrintedHeat& heat : selectHeats(doc, filter)) {
        if (rounds.empty() || rounds.back().front().roundIndex != heat.roundIndex) {
            rounds.emplace_back();
        }
        rounds.back().push_back(heat);
    }
    return rounds;
}

struct ProgramBuilder {
    ZelHtml& page;
    const KORVARaceDoc& doc;
    const PrintLook& look;
    Layout layout;

    ZelHtmlText* text(const std::string& value, bool bold = false) {
        auto* item = page.make<ZelHtmlText>(value);
        item->SetFont("Times New Roman");
        item->SetFontSize("+1");
        item->SetSmall(layout.small);
        if (bold) item->SetBold(1);
        return item;
    }

    ZelHtmlItem* laneHeading(int lane, int roundIndex) {
        if (look.color && look.laneColors) {
            return page.make<ZelHtmlImage>(heatCardLanePicture(doc, lane, roundIndex));
        }
        return text(std::to_string(lane + 1), true);
    }

    ZelHtmlTable* roundTable(const RoundHeats& heats) {
        const PrintedHeat& first = heats.front();
        auto* table = page.make<ZelHtmlTable>(text(cformat("Round %d", first.roundNumber()), true));
        const auto add = [&](ZelHtmlItem* item, int row, int align = cell::kNoAlign) {
            table->AddColItem(item, row, cell::kWhite, align, 0);
        };
        add(text("&nbsp;&nbsp;&nbsp;"), 0);
        for (int lane = 0; lane < printedLanes(doc); ++lane) {
            add(laneHeading(lane, first.roundIndex), 0);
        }
        int row = 1;
        for (const PrintedHeat& h : heats) {
            add(text(std::to_string(h.sequence), true), row, cell::kRight);
            for (int lane = 0; lane < printedLanes(doc); ++lane) {
                const KORVAPilot* pilot =
                    doc.pilotByNumber(h.heat->lanePilot[static_cast<std::size_t>(lane)]);
                add(pilot != nullptr ? text(printedPilotName(*pilot), true)
                                     : static_cast<ZelHtmlItem*>(text("&nbsp;")),
                    row);
            }
            ++row;
        }
        return table;
    }

    void addRow(const std::vector<RoundHeats>& rounds, std::size_t first) {
        auto* row = page.make<ZelHtmlTable>(nullptr, "4");
        row->SetOutlineWidth(0);
        const std::size_t last =
            std::min(rounds.size(), first + static_cast<std::size_t>(layout.perRow));
        for (std::size_t r = first; r < last; ++r) {
            row->AddColItem(roundTable(rounds[r]), 0, cell::kWhite, cell::kNoAlign, 1);
        }
        page.AddItem(row);
    }
};

void writeClass(ReportRun& run, int bracket, const SpectatorChoice& choice) {
    const KORVARaceDoc& doc = run.doc();
    const std::string name = spectatorClassName(doc, bracket);
    const std::string filePart = safeFileNamePart(name);
    deleteNumberedPages(run.folder(), [&](int n) {
        return lastComponent(
            run.pagePath(str::kSpectatorProgramsFile, run.raceName(), filePart, n));
    });
    const Layout layout = layoutOf(choice.fontSize, doc.faiClass != 0);
    const std::vector<RoundHeats> rounds = roundsOf(doc, bracket);
    const auto perPage = static_cast<std::size_t>(layout.perRow * kTableRowsPerPage);
    for (std::size_t first = 0; first < rounds.size(); first += perPage) {
        const int number = static_cast<int>(first / perPage) + 1;
        auto page =
            run.newPage(run.pagePath(str::kSpectatorProgramsFile, run.raceName(), filePart, number),
                        std::string(text(str::kSpectatorPrograms)));
        ProgramBuilder builder{*page, doc, run.look(), layout};
        page->AddItem(builder.text(escapeHtml(name + " - " + choice.printDate), true));
        const std::size_t last = std::min(rounds.size(), first + perPage);
        for (std::size_t r = first; r < last; r += static_cast<std::size_t>(layout.perRow)) {
            builder.addRow(rounds, r);
            if (r + static_cast<std::size_t>(layout.perRow) < last) {
                page->AddItem(page->make<ZelHtmlString>("<BR>"));
            }
        }
        run.write(*page);
    }
}

void writePrograms(ReportRun& run, const SpectatorChoice& choice) {
    for (int b = 0; b < kBracketCount; ++b) {
        if ((choice.classes & (1 << b)) != 0) writeClass(run, b, choice);
    }
}

}  // namespace

SpectatorChoice defaultSpectatorPrograms(const KORVARaceDoc& doc) {
    SpectatorChoice choice;
    choice.printDate = defaultPrintDate(doc.services().clock.now());
    return choice;
}

std::string spectatorClassName(const KORVARaceDoc& doc, int bracket) {
    const int code =
        bracket >= 0 && bracket < kBracketCount ? doc.raceMatrix.matrix(bracket).ClassCode : -1;
    switch (code) {
        case 0:
        case 1: return "APRA";
        case 2: return "424";
        case 3: return "426";
        case kThirdClass: return doc.thirdBracketName();
        default: return cformat(text(str::kUnknownClass), code);
    }
}

std::vector<std::string> PrintSpectatorPrograms(KORVARaceDoc& doc, PrintForms& forms,
                                                HtmlPrintQueue& queue, int enabledClasses) {
    ReportRun run(doc, queue);
    if (!run.ready()) return {};
    SpectatorProgramsForm form;
    form.classes = classChoice(doc, enabledClasses, enabledClasses);
    const auto answer = forms.spectatorPrograms(form);
    if (!answer || !run.confirm(forms, str::kPlainPaper)) return {};
    SpectatorChoice choice = defaultSpectatorPrograms(doc);
    choice.fontSize = answer->fontSize;
    choice.classes = 0;
    for (int b = 0; b < kBracketCount; ++b) {
        if (answer->classes.isTicked(b)) choice.classes |= 1 << b;
    }
    writePrograms(run, choice);
    return run.finish();
}

std::vector<std::string> PrintSpectatorPrograms(KORVARaceDoc& doc, HtmlPrintQueue& queue,
                                                const SpectatorChoice& choice, bool htmlOnly) {
    return runWithoutDialogs(doc, queue, htmlOnly,
                             [&](ReportRun& run) { writePrograms(run, choice); });
}

}  // namespace korva

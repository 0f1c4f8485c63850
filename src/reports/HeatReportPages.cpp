#include "reports/HeatReportPages.h"

#include <algorithm>

#include "race/KORVARaceDoc.h"
#include "reports/HeatCard.h"
#include "reports/HeatCardPages.h"
#include "reports/HeatSelection.h"
#include "reports/HeatSheet.h"
#include "reports/PrintHeats.h"
#include "reports/ReportFiles.h"
#include "reports/ReportRun.h"
#include "reports/html/ZelHtml.h"
#include "ui/Messages.h"

namespace korva {

namespace {

// Card stock holds four cards a page, five of the smaller FAI cards.
int cardRowsPerPage(const KORVARaceDoc& doc) {
    return doc.faiClass != 0 ? 5 : 4;
}

HeatFilter filterOf(const HeatPrintChoice& choice) {
    const PrintHeatsForm& o = choice.options;
    HeatFilter filter{o.classes, o.beginRound, o.endRound};
    if (choice.report == HeatReport::Results) filter.pilot = choice.singlePilot;
    filter.onlyChanged = choice.report == HeatReport::ChangedCards;
    return filter;
}

CardSetup cardSetup(const ReportRun& run, const HeatPrintChoice& choice, CardKind kind) {
    const PrintHeatsForm& o = choice.options;
    return CardSetup{run.doc(),
                     run.look(),
                     kind,
                     o.printDate,
                     showsLanePictures(run.look(), kind, o.icons),
                     o.idRoundStartCard};
}

void writePage(ReportRun& run, const std::string& path, const std::string& title,
               const CardSetup& setup, const std::vector<CardPage>& cards) {
    auto page = run.newPage(path, title);
    for (const CardPage& rows : cards) addCardRows(*page, setup, rows);
    run.write(*page);
}

std::int32_t& lockOf(KORVARaceDoc& doc, int bracket) {
    if (bracket == 0) return doc.locked424;
    if (bracket == 1) return doc.locked426;
    return doc.lockedThird;
}

// Printed cards fix the matrix: a new one would no longer match the cards in hand.
void lockPrintedBrackets(ReportRun& run, const std::vector<PrintedHeat>& heats) {
    KORVARaceDoc& doc = run.doc();
    std::string names;
    for (int b = 0; b < kBracketCount; ++b) {
        const bool printed =
            std::any_of(heats.begin(), heats.end(), [b](const auto& h) { return h.bracket == b; });
        if (!printed) continue;
        doc.heatCardsPrintedAt[static_cast<std::size_t>(b)] = doc.services().clock.now();
        if (lockOf(doc, b) == 0) doc.setModified(true);
        lockOf(doc, b) = 1;
        names += (names.empty() ? "" : ", ") + matrixClassName(doc, b);
    }
    if (!names.empty()) showInfo(run.ui(), str::kMatrixLocked, names);
}

void writeBlankCards(ReportRun& run, const HeatPrintChoice& choice) {
    const bool fai = run.doc().faiClass != 0;
    const CardPage blanks(static_cast<std::size_t>(cardRowsPerPage(run.doc())), CardRow{nullptr});
    writePage(run, run.pagePath(fai ? str::kFaiBlankHeatCardsFile : str::kBlankHeatCardsFile),
              choice.options.caption, cardSetup(run, choice, CardKind::Blank), {blanks});
}

void writeCards(ReportRun& run, const HeatPrintChoice& choice) {
    const bool changed = choice.report == HeatReport::ChangedCards;
    const int format = changed ? str::kChangedHeatCardsFile : str::kHeatCardsFile;
    if (!changed) run.deleteStalePages(str::kHeatCardsFile);
    run.deleteStalePages(str::kChangedHeatCardsFile);
    const std::vector<PrintedHeat> heats = selectHeats(run.doc(), filterOf(choice));
    if (heats.empty()) {
        writeBlankCards(run, choice);
        return;
    }
    const CardSetup setup = cardSetup(run, choice, CardKind::Heat);
    const std::vector<CardPage> pages =
        pageCards(heats, {cardRowsPerPage(run.doc()), 1, run.look().pageBreak});
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const std::string path = run.pagePath(format, run.raceName(), static_cast<int>(i) + 1);
        writePage(run, path, choice.options.caption, setup, {pages[i]});
    }
    if (!run.written().empty()) lockPrintedBrackets(run, heats);
}

// Results go into one file, so every page of cards stands in it one after the other.
void writeResults(ReportRun& run, const HeatPrintChoice& choice) {
    std::string path = run.pagePath(str::kHeatResultsFile, run.raceName());
    if (const KORVAPilot* pilot = run.doc().pilotByNumber(choice.singlePilot)) {
        path = run.pagePath(str::kPilotResultsFile, run.raceName(),
                            safeFileNamePart(pilot->firstName), safeFileNamePart(pilot->lastName));
    }
    const std::vector<PrintedHeat> heats = selectHeats(run.doc(), filterOf(choice));
    writePage(run, path, choice.options.caption, cardSetup(run, choice, CardKind::Result),
              pageCards(heats, {cardRowsPerPage(run.doc()), 2, run.look().pageBreak}));
}

void writeSheet(ReportRun& run, const HeatPrintChoice& choice) {
    const PrintHeatsForm& o = choice.options;
    auto page =
        run.newPage(run.pagePath(str::kHeatSheetsFile, run.raceName()), choice.options.caption);
    const SheetSetup setup{run.doc(),  run.look(), choice.caption, o.classes,
                           o.endRound, o.icons,    o.wingFlags,    choice.bracketFilter};
    const int brackets = buildHeatSheet(*page, setup);
    if (!run.write(*page)) return;
    KORVARaceDoc& doc = run.doc();
    for (int b = 0; b < kBracketCount; ++b) {
        if ((brackets & (1 << b)) != 0) {
            doc.heatSheetsPrintedAt[static_cast<std::size_t>(b)] = doc.services().clock.now();
        }
    }
}

}  // namespace

void writeHeatReport(ReportRun& run, const HeatPrintChoice& choice) {
    switch (choice.report) {
        case HeatReport::Cards:
        case HeatReport::ChangedCards: writeCards(run, choice); break;
        case HeatReport::Results: writeResults(run, choice); break;
        case HeatReport::Sheets: writeSheet(run, choice); break;
        case HeatReport::BlankCards: writeBlankCards(run, choice); break;
    }
}

void writeReFlyCard(ReportRun& run, const PrintedHeat& heat, const std::string& printDate) {
    CardSetup setup{run.doc(),
                    run.look(),
                    CardKind::ReFly,
                    printDate,
                    showsLanePictures(run.look(), CardKind::ReFly, true),
                    true};
    auto page = run.newPage(run.pagePath(str::kReFlyCardFile), "Re-Fly Heat Card");
    addCardRows(*page, setup, {{&heat}});
    run.write(*page);
}

}  // namespace korva

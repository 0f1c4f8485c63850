#include "reports/PrintHeats.h"

#include <algorithm>

#include "race/KORVARaceDoc.h"
#include "reports/HeatReportPages.h"
#include "reports/HeatSelection.h"
#include "reports/ReportRun.h"

namespace korva {

namespace {

int matrixedBrackets(const KORVARaceDoc& doc) {
    int brackets = 0;
    for (int b = 0; b < kBracketCount; ++b) {
        if (doc.raceMatrix.matrix(b).hasRounds()) brackets |= 1 << b;
    }
    return brackets;
}

int runTitleOf(HeatReport report) {
    switch (report) {
        case HeatReport::ChangedCards: return str::kRunChangedHeatCards;
        case HeatReport::Results: return str::kRunHeatResults;
        case HeatReport::Sheets: return str::kRunHeatSheets;
        case HeatReport::Cards:
        case HeatReport::BlankCards: break;
    }
    return str::kRunHeatCards;
}

int paperOf(HeatReport report) {
    const bool cards = report == HeatReport::Cards || report == HeatReport::ChangedCards ||
                       report == HeatReport::BlankCards;
    return cards ? str::kCardStock : str::kPlainPaper;
}

// Card layout: cards or results, then which pilots or whether only changed cards.
bool chooseCardReport(KORVARaceDoc& doc, PrintForms& forms, HeatPrintChoice& choice) {
    const auto type = forms.heatDetailsType({});
    if (!type) return false;
    if (type->type == HeatDetailsType::HeatResults) {
        choice.report = HeatReport::Results;
        const auto pilots = askChecked(
            DetailPilotsForm{}, [&](const auto& f) { return forms.detailPilots(f); },
            [&](const auto& f) { return checkDetailPilots(doc.services().ui, doc, f); });
        if (!pilots) return false;
        choice.singlePilot = pilots->allPilots ? 0 : pilots->singlePilot;
        return true;
    }
    choice.report = HeatReport::Cards;
    if (!heatsChangedSinceCardsPrinted(doc)) return true;
    const auto changed = forms.printOnlyChanged({});
    if (!changed) return false;
    if (changed->onlyChanged) choice.report = HeatReport::ChangedCards;
    return true;
}

}  // namespace

HeatPrintChoice defaultHeatPrint(const KORVARaceDoc& doc, HeatReport report, int ticked) {
    HeatPrintChoice choice;
    choice.report = report;
    choice.caption = "Heats - " + doc.raceTitle;
    PrintHeatsForm& o = choice.options;
    o.caption = std::string(text(runTitleOf(report)));
    o.classes = classChoice(doc, matrixedBrackets(doc), ticked);
    int rounds = 1;
    for (int b = 0; b < kBracketCount; ++b) {
        if (!o.classes.isTicked(b)) continue;
        rounds = std::max(rounds, static_cast<int>(doc.raceMatrix.matrix(b).rounds.size()));
    }
    o.endRound = std::min(rounds, kHighestPrintRound);
    o.printDate = defaultPrintDate(doc.services().clock.now());
    return choice;
}

std::vector<std::string> PrintHeats(KORVARaceDoc& doc, PrintForms& forms, HtmlPrintQueue& queue,
                                    const HeatWindowState& window) {
    ReportRun run(doc, queue);
    if (!run.ready()) return {};
    HeatPrintChoice choice;
    choice.report = HeatReport::Sheets;
    if (window.cardLayout && !chooseCardReport(doc, forms, choice)) return {};
    const bool filtered = window.bracketFilter >= 0 && window.bracketFilter < kBracketCount;
    const int ticked = filtered ? 1 << window.bracketFilter : (1 << kBracketCount) - 1;
    const int singlePilot = choice.singlePilot;
    choice = defaultHeatPrint(doc, choice.report, ticked);
    choice.singlePilot = singlePilot;
    choice.bracketFilter = window.bracketFilter;
    choice.caption = window.caption;
    const auto options = askChecked(
        choice.options, [&](const auto& f) { return forms.printHeats(f); },
        [&](const auto& f) { return checkPrintHeats(doc.services().ui, f); });
    if (!options) return {};
    choice.options = *options;
    if (!run.confirm(forms, paperOf(choice.report))) return {};
    writeHeatReport(run, choice);
    return run.finish();
}

std::vector<std::string> PrintHeats(KORVARaceDoc& doc, HtmlPrintQueue& queue,
                                    const HeatPrintChoice& choice, bool htmlOnly) {
    return runWithoutDialogs(doc, queue, htmlOnly,
                             [&](ReportRun& run) { writeHeatReport(run, choice); });
}

std::vector<std::string> PrintReFlyCard(KORVARaceDoc& doc, PrintForms& forms, HtmlPrintQueue& queue,
                                        const HeatPlace& place) {
    ReportRun run(doc, queue);
    if (!run.ready()) return {};
    const auto heat = heatAt(doc, place.bracket, place.roundIndex, place.heatIndex);
    if (!heat || !run.confirm(forms, str::kCardStock)) return {};
    writeReFlyCard(run, *heat, defaultPrintDate(doc.services().clock.now()));
    return run.finish();
}

std::vector<std::string> PrintReFlyCard(KORVARaceDoc& doc, HtmlPrintQueue& queue,
                                        const HeatPlace& place, bool htmlOnly) {
    ReportRun run(doc, queue);
    if (!run.ready()) return {};
    const auto heat = heatAt(doc, place.bracket, place.roundIndex, place.heatIndex);
    if (!heat) return {};
    run.printUnless(htmlOnly);
    writeReFlyCard(run, *heat, defaultPrintDate(doc.services().clock.now()));
    return run.finish();
}

}  // namespace korva

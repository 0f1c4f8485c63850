#include "reports/PrintPilots.h"

#include <algorithm>

#include "race/KORVARaceDoc.h"
#include "reports/PilotCards.h"
#include "reports/PilotHeatDetails.h"
#include "reports/PilotListPage.h"
#include "reports/PilotRows.h"
#include "reports/ReportRun.h"
#include "reports/html/ZelHtml.h"
#include "ui/FormChecks.h"
#include "ui/Messages.h"

namespace korva {

namespace {

std::string today(const KORVARaceDoc& doc) {
    return defaultPrintDate(doc.services().clock.now());
}

// The classes the window shows: those the race uses, within its filter.
int windowClasses(const KORVARaceDoc& doc, const PilotListRows& window) {
    int classes = 0;
    for (int b = 0; b < kBracketCount; ++b) {
        if (doc.bracketUsed(b) && (window.filter() == -1 || window.filter() == b)) {
            classes |= 1 << b;
        }
    }
    return classes;
}

// Cards are about heats: without a matrix the director decides whether they are wanted,
// and for how many rounds when no class has one. Nothing: the run ends.
std::optional<int> askCardRounds(KORVARaceDoc& doc, PrintForms& forms, int classes) {
    const int rounds = pilotCardRounds(doc, classes);
    if (bracketsWithoutMatrix(doc, classes) == 0) return rounds;
    Interaction& ui = doc.services().ui;
    const int question = rounds == 0 ? str::kCardsWithoutMatrix : str::kCardsSomeWithoutMatrix;
    if (!askYesNo(ui, question, Icon::Question, Answer::Yes)) return std::nullopt;
    if (rounds > 0) return rounds;
    const auto count = askChecked(
        RoundCountForm{}, [&](const auto& f) { return forms.roundCount(f); },
        [&](const auto& f) {
            return checkRange(ui, f.rounds, 1, f.highest, str::kRoundCountLabel);
        });
    if (!count) return std::nullopt;
    return count->rounds;
}

void writeList(ReportRun& run, const PilotRows& rows, const PilotReportChoice& choice) {
    const auto page = composePilotList(
        run, {rows.list(), rows.of(choice.classes), choice.columns, choice.printDate});
    run.write(*page);
}

}  // namespace

PilotReportChoice defaultPilotReport(const KORVARaceDoc& doc) {
    PilotReportChoice choice;
    choice.printDate = today(doc);
    choice.columns.korva = doc.faiClass == 0;
    return choice;
}

PilotPrintForm pilotPrintPreset(const PilotListRows& window) {
    const std::vector<PilotColumn> shown = window.columns();
    const auto has = [&](PilotColumn c) {
        return std::find(shown.begin(), shown.end(), c) != shown.end();
    };
    PilotPrintForm form;
    form.number = has(PilotColumn::Number);
    form.classColumn = has(PilotColumn::Class);
    form.channel = has(PilotColumn::Chan);
    form.points = has(PilotColumn::Points);
    form.lowTime = has(PilotColumn::LowTime);
    form.korva = has(PilotColumn::Korva);
    return form;
}

std::vector<std::string> PrintPilotCards(KORVARaceDoc& doc, PrintForms& forms,
                                         HtmlPrintQueue& queue, const PilotListRows& window) {
    ReportRun run(doc, queue);
    if (!run.ready()) return {};
    const PilotRows rows(window);
    const int classes = windowClasses(doc, window);
    const std::vector<const KORVAPilot*> pilots = rows.of(classes);
    bool onlyChanged = false;
    // Rotating lanes change FAI cards between prints; other races print them once.
    if (doc.faiClass != 0 && doc.pilotCardsPrintedAt != 0 && pilotCardsChanged(doc, pilots)) {
        const auto changed = forms.printOnlyChanged({});
        if (!changed) return {};
        onlyChanged = changed->onlyChanged;
    }
    const std::optional<int> rounds = askCardRounds(doc, forms, classes);
    if (!rounds || !run.confirm(forms, str::kCardStock)) return {};
    writePilotCards(run, pilots, *rounds, onlyChanged);
    return run.finish();
}

std::vector<std::string> PrintPilotCards(KORVARaceDoc& doc, HtmlPrintQueue& queue,
                                         const PilotReportChoice& choice, bool htmlOnly) {
    return runWithoutDialogs(doc, queue, htmlOnly, [&](ReportRun& run) {
        const PilotRows rows(doc, choice.sortColumn);
        const int matrixRounds = pilotCardRounds(doc, choice.classes);
        writePilotCards(run, rows.of(choice.classes),
                        matrixRounds > 0 ? matrixRounds : choice.rounds, choice.onlyChanged);
    });
}

std::vector<std::string> PrintPilotList(KORVARaceDoc& doc, PrintForms& forms, HtmlPrintQueue& queue,
                                        const PilotListRows& window) {
    ReportRun run(doc, queue);
    if (!run.ready()) return {};
    const auto columns = forms.pilotPrint(pilotPrintPreset(window));
    if (!columns) return {};
    const PilotRows rows(window);
    const auto page =
        composePilotList(run, {window, rows.of(windowClasses(doc, window)), *columns, today(doc)});
    if (!run.confirm(forms, str::kPlainPaper)) return {};
    run.write(*page);
    return run.finish();
}

std::vector<std::string> PrintPilotList(KORVARaceDoc& doc, HtmlPrintQueue& queue,
                                        const PilotReportChoice& choice, bool htmlOnly) {
    return runWithoutDialogs(doc, queue, htmlOnly, [&](ReportRun& run) {
        writeList(run, PilotRows(doc, choice.sortColumn), choice);
    });
}

std::vector<std::string> PrintPilotHeatDetails(KORVARaceDoc& doc, PrintForms& forms,
                                               HtmlPrintQueue& queue, const PilotListRows& window) {
    ReportRun run(doc, queue);
    if (!run.ready() || !run.confirm(forms, str::kPlainPaper)) return {};
    const PilotRows rows(window);
    writePilotHeatDetails(run, {window, rows.of(windowClasses(doc, window)), today(doc)});
    return run.finish();
}

std::vector<std::string> PrintPilotHeatDetails(KORVARaceDoc& doc, HtmlPrintQueue& queue,
                                               const PilotReportChoice& choice, bool htmlOnly) {
    return runWithoutDialogs(doc, queue, htmlOnly, [&](ReportRun& run) {
        const PilotRows rows(doc, choice.sortColumn);
        writePilotHeatDetails(run, {rows.list(), rows.of(choice.classes), choice.printDate});
    });
}

}  // namespace korva

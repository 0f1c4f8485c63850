#include "reports/QuickPrint.h"

#include "race/FileIo.h"
#include "race/KORVARaceDoc.h"
#include "reports/HeatSelection.h"
#include "reports/ReportFiles.h"
#include "ui/Messages.h"

namespace korva {

std::vector<std::string> QuickPrintReports::printHeats(const HeatPrintChoice& choice,
                                                       bool htmlOnly) {
    return PrintHeats(doc_, queue_, choice, htmlOnly);
}

std::vector<std::string> QuickPrintReports::printPilotCards(const PilotReportChoice& choice,
                                                            bool htmlOnly) {
    return PrintPilotCards(doc_, queue_, choice, htmlOnly);
}

std::vector<std::string> QuickPrintReports::printPilotList(const PilotReportChoice& choice,
                                                           bool htmlOnly) {
    return PrintPilotList(doc_, queue_, choice, htmlOnly);
}

std::vector<std::string> QuickPrintReports::printSpectatorPrograms(const SpectatorChoice& choice,
                                                                   bool htmlOnly) {
    return PrintSpectatorPrograms(doc_, queue_, choice, htmlOnly);
}

namespace {

int usedClasses(const KORVARaceDoc& doc) {
    int classes = 0;
    for (int b = 0; b < kBracketCount; ++b) {
        if (doc.bracketUsed(b)) classes |= 1 << b;
    }
    return classes;
}

int tickedClasses(const ClassChoice& choice) {
    int classes = 0;
    for (int b = 0; b < kBracketCount; ++b) {
        if ((choice.enabled & (1 << b)) != 0 && choice.isTicked(b)) classes |= 1 << b;
    }
    return classes;
}

bool anyReport(const QuickPrintForm& f) {
    return f.matrixPoster || f.heatCards || f.newHeatCards || f.heatResults || f.pilotHandouts ||
           f.resultsDuringRace || f.resultsPostRace || f.spectatorProgram;
}

// One quick print: the runs in order, their pages and PDF files collected as they go.
class QuickRuns {
public:
    QuickRuns(KORVARaceDoc& doc, QuickPrintTarget& target, const QuickPrintForm& form,
              std::string folder)
        : doc_(doc), target_(target), form_(form), classes_(tickedClasses(form.classes)) {
        outcome_.pdfFolder = std::move(folder);
    }

    void heats(HeatReport report, int pdfName) {
        HeatPrintChoice choice = defaultHeatPrint(doc_, report, classes_);
        // Nothing changed since the cards were printed: no new cards, and no blank ones.
        if (report == HeatReport::ChangedCards && nothingChanged(choice)) return;
        WaitCursor wait(doc_.services().ui);
        done(target_.printHeats(choice, form_.htmlOnly), pdfName);
    }
    void pilotCards(const PilotWindowView& pilots) {
        WaitCursor wait(doc_.services().ui);
        done(target_.printPilotCards(pilotChoice(pilots), form_.htmlOnly), str::kPilotCardsPdf);
    }
    void pilotList(const PilotWindowView& pilots) {
        WaitCursor wait(doc_.services().ui);
        done(target_.printPilotList(pilotChoice(pilots), form_.htmlOnly), str::kPilotListPdf);
    }
    void spectatorPrograms() {
        SpectatorChoice choice = defaultSpectatorPrograms(doc_);
        choice.classes = classes_;
        WaitCursor wait(doc_.services().ui);
        done(target_.printSpectatorPrograms(choice, form_.htmlOnly), str::kSpectatorProgramsPdf);
    }

    QuickPrintOutcome finish() {
        if (!pdfFailures_.empty()) {
            showUtf8Message(doc_.services().ui, str::kQuickPrintPdfFailed, Icon::Error, Buttons::Ok,
                            Answer::Ok, pdfFailures_);
        }
        return std::move(outcome_);
    }

private:
    bool nothingChanged(const HeatPrintChoice& choice) const {
        const PrintHeatsForm& o = choice.options;
        HeatFilter filter{o.classes, o.beginRound, o.endRound};
        filter.onlyChanged = true;
        return selectHeats(doc_, filter).empty();
    }

    PilotReportChoice pilotChoice(const PilotWindowView& pilots) const {
        PilotReportChoice choice = defaultPilotReport(doc_);
        choice.classes = classes_;
        choice.sortColumn = pilots.sortColumn;
        choice.columns = pilots.columns;
        return choice;
    }

    void done(std::vector<std::string> pages, int pdfName) {
        outcome_.pages.insert(outcome_.pages.end(), pages.begin(), pages.end());
        if (!form_.saveAsPdf || pages.empty()) return;
        const std::string name = cformat(text(pdfName), safeFileNamePart(raceNameOf(doc_)));
        const std::string path = joinPath(outcome_.pdfFolder, name);
        std::string error;
        if (target_.savePdf(pages, path, error)) {
            outcome_.pdfs.push_back(path);
        } else {
            pdfFailures_ += name + ": " + error + "\n";
        }
    }

    KORVARaceDoc& doc_;
    QuickPrintTarget& target_;
    const QuickPrintForm& form_;
    const int classes_;
    QuickPrintOutcome outcome_;
    std::string pdfFailures_;
};

}  // namespace

QuickPrintForm defaultQuickPrint(const KORVARaceDoc& doc) {
    const int used = usedClasses(doc);
    return QuickPrintForm{classChoice(doc, used, used)};
}

bool checkQuickPrint(Interaction& ui, const QuickPrintForm& form) {
    if (!anyReport(form) || tickedClasses(form.classes) != 0) return true;
    showWarning(ui, str::kQuickPrintNoClass);
    return false;
}

QuickPrintOutcome runQuickPrint(KORVARaceDoc& doc, QuickPrintTarget& target,
                                const QuickPrintForm& form, const PilotWindowView& pilots) {
    if (!anyReport(form)) return {};
    // Told once here rather than by every run.
    const auto folder = findHtmlFolder(doc.raceFolder);
    if (!folder) {
        showError(doc.services().ui, str::kNoHtmlFolder);
        return {};
    }
    QuickRuns runs(doc, target, form, *folder);
    if (form.matrixPoster) {
        target.showHeatLayout(HeatListLayout::Sheets);
        runs.heats(HeatReport::Sheets, str::kHeatSheetsPdf);
    }
    if (form.heatCards || form.newHeatCards || form.heatResults) {
        target.showHeatLayout(HeatListLayout::Cards);
        // Every card includes the new ones; results print beside cards, not in their place.
        if (form.heatCards) {
            runs.heats(HeatReport::Cards, str::kHeatCardsPdf);
        } else if (form.newHeatCards) {
            runs.heats(HeatReport::ChangedCards, str::kChangedHeatCardsPdf);
        }
        if (form.heatResults) runs.heats(HeatReport::Results, str::kHeatResultsPdf);
    }
    if (form.pilotHandouts) runs.pilotCards(pilots);
    if (form.resultsDuringRace || form.resultsPostRace) runs.pilotList(pilots);
    if (form.spectatorProgram) {
        target.showHeatLayout(HeatListLayout::Sheets);
        runs.spectatorPrograms();
    }
    return runs.finish();
}

QuickPrintOutcome QuickPrint(KORVARaceDoc& doc, PrintForms& forms, QuickPrintTarget& target,
                             const PilotWindowView& pilots) {
    const auto form = askChecked(
        defaultQuickPrint(doc), [&](const auto& f) { return forms.quickPrint(f); },
        [&](const auto& f) { return checkQuickPrint(doc.services().ui, f); });
    if (!form) return {};
    return runQuickPrint(doc, target, *form, pilots);
}

}  // namespace korva

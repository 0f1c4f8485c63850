#pragma once
// Quick print: the reports ticked in one form run one after the other for the ticked
// classes, without their own dialogs, each run's pages optionally saved as one PDF.

#include <string>
#include <vector>

#include "reports/AudiencePrograms.h"
#include "reports/PrintHeats.h"
#include "reports/PrintPilots.h"
#include "views/HeatListRows.h"

namespace korva {

class HtmlPrintQueue;
class KORVARaceDoc;

// What quick print asks of the program: the heat window's layout, the report runs (each
// returns the pages written) and the PDF of a run's pages.
class QuickPrintTarget {
public:
    virtual ~QuickPrintTarget() = default;
    virtual void showHeatLayout(HeatListLayout layout) = 0;
    virtual std::vector<std::string> printHeats(const HeatPrintChoice& choice, bool htmlOnly) = 0;
    virtual std::vector<std::string> printPilotCards(const PilotReportChoice& choice,
                                                     bool htmlOnly) = 0;
    virtual std::vector<std::string> printPilotList(const PilotReportChoice& choice,
                                                    bool htmlOnly) = 0;
    virtual std::vector<std::string> printSpectatorPrograms(const SpectatorChoice& choice,
                                                            bool htmlOnly) = 0;
    // False with the reason when the file could not be written.
    virtual bool savePdf(const std::vector<std::string>& pages, const std::string& pdfPath,
                         std::string& error) = 0;
};

// The report runs of the race; the window and the PDF are left to the program.
class QuickPrintReports : public QuickPrintTarget {
public:
    QuickPrintReports(KORVARaceDoc& doc, HtmlPrintQueue& queue) : doc_(doc), queue_(queue) {}
    std::vector<std::string> printHeats(const HeatPrintChoice& choice, bool htmlOnly) override;
    std::vector<std::string> printPilotCards(const PilotReportChoice& choice,
                                             bool htmlOnly) override;
    std::vector<std::string> printPilotList(const PilotReportChoice& choice,
                                            bool htmlOnly) override;
    std::vector<std::string> printSpectatorPrograms(const SpectatorChoice& choice,
                                                    bool htmlOnly) override;

private:
    KORVARaceDoc& doc_;
    HtmlPrintQueue& queue_;
};

// The pilot window as the results sheet follows it: its order and its columns.
struct PilotWindowView {
    PilotColumn sortColumn = PilotColumn::Points;
    PilotPrintForm columns;
};

struct QuickPrintOutcome {
    std::vector<std::string> pages;  // written, in run order
    std::vector<std::string> pdfs;   // saved
    std::string pdfFolder;           // where they were saved
};

// Every class of the race ticked, no report.
QuickPrintForm defaultQuickPrint(const KORVARaceDoc& doc);

// A report needs a class to print; false after telling the user.
bool checkQuickPrint(Interaction& ui, const QuickPrintForm& form);

// Runs the ticked reports in their order, each under the wait cursor. PDF files that could
// not be saved are told in one message at the end.
QuickPrintOutcome runQuickPrint(KORVARaceDoc& doc, QuickPrintTarget& target,
                                const QuickPrintForm& form, const PilotWindowView& pilots);

// "Quick Print...": the form until it is accepted, then the runs; Cancel runs nothing.
QuickPrintOutcome QuickPrint(KORVARaceDoc& doc, PrintForms& forms, QuickPrintTarget& target,
                             const PilotWindowView& pilots);

}  // namespace korva

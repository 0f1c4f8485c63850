#include "app/QuickPrintCommand.h"

#include <QStatusBar>

#include "app/KORVARaceApp.h"
#include "app/views/KORVAHeatView.h"
#include "app/views/KORVAPilotView.h"
#include "app/views/PilotListModel.h"
#include "printing/PdfPages.h"
#include "reports/QuickPrint.h"
#include "ui/Format.h"
#include "ui/Strings.h"

namespace korva {

namespace {

constexpr int kStatusMessageMs = 15000;

// The program's side of quick print: the heat window, when it is open, shows the layout of
// the report being run; PDF files come from the page renderer.
class WindowQuickPrint final : public QuickPrintReports {
public:
    WindowQuickPrint(KORVARaceApp& app, HtmlPrintQueue& queue)
        : QuickPrintReports(*app.race(), queue), app_(app) {}

    void showHeatLayout(HeatListLayout layout) override {
        auto* heats = qobject_cast<KORVAHeatView*>(app_.mainFrame()->window(WindowKind::Heats));
        if (heats) heats->setLayout(layout);
    }
    bool savePdf(const std::vector<std::string>& pages, const std::string& pdfPath,
                 std::string& error) override {
        return writePdf(pages, pdfPath, PdfLook{}, error);
    }

private:
    KORVARaceApp& app_;
};

// The results sheet follows the pilot window's order and columns.
PilotWindowView pilotWindow(const KORVARaceApp& app) {
    auto* pilots = qobject_cast<KORVAPilotView*>(app.mainFrame()->window(WindowKind::Pilots));
    if (!pilots) return {};
    const PilotListRows& rows = pilots->model().list();
    return {rows.sortColumn(), pilotPrintPreset(rows)};
}

}  // namespace

void quickPrintCommand(KORVARaceApp& app, PrintForms& forms, HtmlPrintQueue& queue) {
    if (!app.race()) return;
    WindowQuickPrint target(app, queue);
    const QuickPrintOutcome outcome = QuickPrint(*app.race(), forms, target, pilotWindow(app));
    if (outcome.pdfs.empty()) return;
    // Paths are UTF-8 as the system gives them.
    const std::string saved = cformat(text(str::kQuickPrintPdfsSaved),
                                      static_cast<int>(outcome.pdfs.size()), outcome.pdfFolder);
    app.mainFrame()->statusBar()->showMessage(QString::fromStdString(saved), kStatusMessageMs);
}

}  // namespace korva

#include "reports/FlyOffPage.h"

#include "race/KORVAHeatTime.h"
#include "race/KORVARaceDoc.h"
#include "reports/ReportFiles.h"
#include "reports/ReportRun.h"
#include "reports/html/EscapeHtml.h"
#include "reports/html/ZelHtml.h"
#include "reports/html/ZelHtmlString.h"
#include "reports/html/ZelHtmlTable.h"
#include "reports/html/ZelHtmlText.h"
#include "ui/Messages.h"

namespace korva {

namespace {

struct FlyOffBuilder {
    ZelHtml& page;
    const PrintLook& look;
    const FlyOffInfo& info;
    ZelHtmlTable* table = nullptr;
    ZelHtmlItem* spacer = page.make<ZelHtmlString>("&nbsp;");

    ZelHtmlItem* text(const std::string& value, bool bold = false, const std::string& color = {}) {
        return look.text(page, value, "2", bold, color);
    }
    void cell(ZelHtmlItem* item, int row) {
        table->AddColItem(item, row, cell::kWhite, cell::kNoAlign, 0);
    }
    std::string marked(bool conflict) const { return conflict ? look.red() : std::string(); }

    void headings() {
        std::vector<std::string> titles = {info.fai ? "Score" : "Points", "Place", "Pilot",
                                           "Channel", "Lane"};
        if (!info.fai) titles.emplace_back("Time");
        for (const std::string& title : titles) cell(text(title, true), 0);
    }

    void pilotRow(const FlyOffRow& r, int row) {
        const int columns = info.fai ? 5 : 6;
        if (r.gap) {
            for (int c = 0; c < columns; ++c) cell(spacer, row);
            return;
        }
        const std::string total =
            info.fai ? cformat("%d.%02d", r.total / 100, r.total % 100) : cformat("%d", r.total);
        cell(text(total), row);
        cell(text(cformat("%d", r.place)), row);
        cell(text(escapeHtml(r.name), true), row);
        cell(text(cformat("%d", r.channel), false, marked(r.channelConflict)), row);
        cell(r.lane > 0 ? text(cformat("%d", r.lane), false, marked(r.laneConflict)) : spacer, row);
        if (!info.fai) {
            KORVAHeatTime time;
            time.setTotal(r.time);
            cell(text(time.text()), row);
        }
    }

    void build() {
        const std::string title(korva::text(str::kFlyOffPilotInfo));
        table = page.make<ZelHtmlTable>(look.text(page, title, "+1", true));
        table->SetOutlineWidth(0);
        headings();
        int row = 1;
        for (const FlyOffRow& r : info.rows) pilotRow(r, row++);
        page.AddItem(table);
    }
};

void writeFlyOffPage(ReportRun& run, const FlyOffInfo& info) {
    const std::string path =
        run.pagePath(str::kFlyOffInfoFile, run.raceName(), safeFileNamePart(info.className));
    auto page = run.newPage(path, std::string(text(str::kFlyOffPilotInfo)));
    FlyOffBuilder{*page, run.look(), info}.build();
    run.write(*page);
}

}  // namespace

std::vector<std::string> PrintFlyOffInfo(KORVARaceDoc& doc, PrintForms& forms,
                                         HtmlPrintQueue& queue, const FlyOffInfo& info) {
    ReportRun run(doc, queue);
    // The director asked to see the tied pilots: without a page they still get the list.
    if (run.ready()) writeFlyOffPage(run, info);
    showFlyOffInfoMessage(doc.services().ui, info);
    if (run.written().empty()) return {};
    if (askYesNo(doc.services().ui, str::kPrintFlyOffInfo, Icon::Question, Answer::Yes)) {
        run.confirm(forms, str::kPlainPaper);
    }
    return run.finish();
}

std::vector<std::string> PrintFlyOffInfo(KORVARaceDoc& doc, HtmlPrintQueue& queue,
                                         const FlyOffInfo& info, bool htmlOnly) {
    return runWithoutDialogs(doc, queue, htmlOnly,
                             [&](ReportRun& run) { writeFlyOffPage(run, info); });
}

FlyOffInfoHandler flyOffInfoPrinter(KORVARaceDoc& doc, PrintForms& forms, HtmlPrintQueue& queue) {
    return [&doc, &forms, &queue](const FlyOffInfo& info) {
        PrintFlyOffInfo(doc, forms, queue, info);
    };
}

}  // namespace korva

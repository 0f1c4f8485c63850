#include "reports/ReportRun.h"

#include "race/FileIo.h"
#include "race/KORVARaceDoc.h"
#include "reports/ConfirmPrint.h"
#include "reports/HtmlPrintQueue.h"
#include "reports/PrintOptions.h"
#include "reports/ReportFiles.h"
#include "reports/html/ZelHtml.h"
#include "ui/Messages.h"

namespace korva {

namespace {
constexpr std::string_view kPagesFolder = "html/";
}  // namespace

ReportRun::ReportRun(KORVARaceDoc& doc, HtmlPrintQueue& queue)
    : doc_(doc),
      queue_(queue),
      look_(PrintLook::fromSettings(doc.services().settings)),
      raceName_(safeFileNamePart(raceNameOf(doc))) {
    if (auto folder = findHtmlFolder(doc.raceFolder)) {
        folder_ = *folder;
    } else {
        showError(ui(), str::kNoHtmlFolder);
    }
}

ReportRun::~ReportRun() = default;

Interaction& ReportRun::ui() const {
    return doc_.services().ui;
}

bool ReportRun::confirm(PrintForms& forms, int paperId) {
    if (!ConfirmPrint(doc_.printOptions, std::string(text(paperId)), forms)) return false;
    printing_ = (doc_.printOptions & kPrintNow) != 0;
    return true;
}

std::string_view ReportRun::fileFormat(int formatId) {
    std::string_view format = text(formatId);
    if (format.starts_with(kPagesFolder)) format.remove_prefix(kPagesFolder.size());
    return format;
}

std::string ReportRun::inFolder(const std::string& fileName) const {
    return joinPath(folder_, fileName);
}

void ReportRun::deleteStalePages(int formatId) const {
    deleteNumberedPages(folder_, std::string(fileFormat(formatId)), raceName_);
}

std::unique_ptr<ZelHtml> ReportRun::newPage(const std::string& path,
                                            const std::string& title) const {
    auto page = std::make_unique<ZelHtml>();
    page->SetURL(path);
    page->SetTitle(title);
    return page;
}

bool ReportRun::write(ZelHtml& page) {
    // Printing a page that was not written would print an older one of the same name.
    if (!page.Punch(ui())) return false;
    written_.push_back(page.GetURL());
    return true;
}

const std::vector<std::string>& ReportRun::finish() {
    if (printing_ && !finished_) {
        for (const std::string& path : written_) queue_.QueueHtmlPrint(path);
    }
    finished_ = true;
    return written_;
}

std::vector<std::string> runWithoutDialogs(KORVARaceDoc& doc, HtmlPrintQueue& queue, bool htmlOnly,
                                           const std::function<void(ReportRun&)>& write) {
    ReportRun run(doc, queue);
    if (!run.ready()) return {};
    run.printUnless(htmlOnly);
    write(run);
    return run.finish();
}

}  // namespace korva

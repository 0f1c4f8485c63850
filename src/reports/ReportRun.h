#pragma once
// What every report run shares: the html folder check, the confirmation, the pages written
// into the folder and handed to the print queue once all are written.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "reports/PrintLook.h"
#include "ui/Format.h"
#include "ui/Strings.h"

namespace korva {

class HtmlPrintQueue;
class Interaction;
class KORVARaceDoc;
class PrintForms;
class ZelHtml;

class ReportRun {
public:
    // Finds the race's html folder; without one the user is told and the run is not ready,
    // so nothing may be written.
    ReportRun(KORVARaceDoc& doc, HtmlPrintQueue& queue);
    ~ReportRun();
    ReportRun(const ReportRun&) = delete;
    ReportRun& operator=(const ReportRun&) = delete;

    bool ready() const { return !folder_.empty(); }

    // Runs from the menu: ConfirmPrint with the paper's string number over the race's print
    // options. False ends the run before anything is written.
    bool confirm(PrintForms& forms, int paperId);
    // Runs without dialogs (quick print, the command line): print unless only html is wanted.
    void printUnless(bool htmlOnly) { printing_ = !htmlOnly; }
    bool printing() const { return printing_; }

    KORVARaceDoc& doc() const { return doc_; }
    Interaction& ui() const;
    const PrintLook& look() const { return look_; }
    // The race name as page file names carry it.
    const std::string& raceName() const { return raceName_; }
    const std::string& folder() const { return folder_; }

    // The path of a page named by a string-table file format ("html/..."). Text arguments
    // must be made safe for a file name first.
    template <typename... Args>
    std::string pagePath(int formatId, const Args&... args) const {
        return inFolder(cformat(fileFormat(formatId), args...));
    }
    // Removes the pages an earlier run left under a numbered format (race name, page).
    void deleteStalePages(int formatId) const;

    std::unique_ptr<ZelHtml> newPage(const std::string& path, const std::string& title) const;
    // Writes the page; only a page that was written is printed later.
    bool write(ZelHtml& page);

    const std::vector<std::string>& written() const { return written_; }

    // Hands the written pages to the print queue in page order when printing; returns them.
    const std::vector<std::string>& finish();

private:
    static std::string_view fileFormat(int formatId);
    std::string inFolder(const std::string& fileName) const;

    KORVARaceDoc& doc_;
    HtmlPrintQueue& queue_;
    PrintLook look_;
    std::string folder_;
    std::string raceName_;
    bool printing_ = false;
    bool finished_ = false;
    std::vector<std::string> written_;
};

// A run without dialogs (quick print, the command line): the folder check, then `write`
// composes and writes the pages, printed unless only html is wanted. Returns the pages.
std::vector<std::string> runWithoutDialogs(KORVARaceDoc& doc, HtmlPrintQueue& queue, bool htmlOnly,
                                           const std::function<void(ReportRun&)>& write);

}  // namespace korva

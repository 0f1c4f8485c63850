#pragma once
// Prints written pages to the default printer without a dialog, one job (named after the
// page's file) and one sheet per page. Lives on the user-interface thread, where the page
// renderer must run; the print worker only posts pages to it.

#include <QObject>
#include <functional>
#include <string>

#include "reports/print/PagePrinter.h"

namespace korva {

class QtPagePrinter final : public QObject, public PagePrinter {
public:
    explicit QtPagePrinter(QObject* parent = nullptr);

    // From any thread; returns at once. Pages posted after the printer is gone are dropped.
    void printPage(const std::string& absolutePath) override;
    // Prints at once, on this object's thread; false when the page or the printer failed.
    bool printNow(const std::string& absolutePath);

    // "Start Print" while a page is sent, "Print Complete" once the spooler has its job;
    // empty before the first page.
    const std::string& title() const { return title_; }
    int pagesPrinted() const { return printed_; }

    // Told of every change of title, and of a page that could not be printed.
    std::function<void(const std::string& title)> titleChanged;
    std::function<void(const std::string& path, const std::string& why)> pageFailed;

private:
    void setTitle(std::string title);
    bool fail(const std::string& path, const std::string& why);

    std::string title_;
    int printed_ = 0;
};

}  // namespace korva

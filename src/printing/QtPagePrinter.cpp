#include "printing/QtPagePrinter.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include "printing/HtmlPageDocument.h"
#include "printing/PageRendering.h"
#include "ui/Format.h"
#include "ui/Strings.h"

namespace korva {

QtPagePrinter::QtPagePrinter(QObject* parent) : QObject(parent) {}

void QtPagePrinter::printPage(const std::string& absolutePath) {
    // Queued, never blocking: the user-interface thread may itself be waiting for the
    // worker (at shutdown), and the page renderer belongs to that thread.
    QMetaObject::invokeMethod(
        this, [this, path = absolutePath] { printNow(path); }, Qt::QueuedConnection);
}

bool QtPagePrinter::printNow(const std::string& absolutePath) {
    setTitle(std::string(text(str::kStartPrint)));
    const QString path = QString::fromStdString(absolutePath);
    QString why;
    const auto doc = loadHtmlPage(path, why);
    if (!doc) return fail(absolutePath, why.toStdString());
    // The default printer, as the platform's print system names it.
    QPrinter printer(QPrinter::HighResolution);
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.printerName().isEmpty())
        return fail(absolutePath, std::string(text(str::kNoDefaultPrinter)));
    printer.setDocName(QFileInfo(path).fileName());
    printer.setPageLayout(sheetLayout());
    QPainter painter;
    if (!painter.begin(&printer))
        return fail(absolutePath,
                    cformat(text(str::kCannotPrintTo), printer.printerName().toStdString()));
    paintOnSheet(painter, *doc, printer);
    // The job goes to the spooler when the painter ends.
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return fail(absolutePath, std::string(text(str::kPrinterRefused)));
    ++printed_;
    setTitle(std::string(text(str::kPrintComplete)));
    return true;
}

void QtPagePrinter::setTitle(std::string title) {
    title_ = std::move(title);
    if (titleChanged) titleChanged(title_);
}

bool QtPagePrinter::fail(const std::string& path, const std::string& why) {
    if (pageFailed) pageFailed(path, why);
    return false;
}

}  // namespace korva

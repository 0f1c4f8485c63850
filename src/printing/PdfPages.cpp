#include "printing/PdfPages.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <filesystem>
#include <memory>
#include <system_error>

#include "printing/GuiApplicationScope.h"
#include "printing/HtmlPageDocument.h"
#include "printing/PageRendering.h"

namespace korva {

namespace {

// Draws every page into the file the printer writes; false with error set on failure.
bool drawPages(const std::vector<std::string>& pages, QPrinter& printer, std::string& error) {
    QPainter painter;
    for (const std::string& page : pages) {
        QString why;
        auto doc = loadHtmlPage(QString::fromStdString(page), why);
        if (!doc) {
            error = page + ": " + why.toStdString();
            return false;
        }
        if (!painter.isActive()) {
            if (!painter.begin(&printer)) {
                error = "cannot write " + printer.outputFileName().toStdString();
                return false;
            }
        } else if (!printer.newPage()) {
            error = "cannot start a new page";
            return false;
        }
        paintOnSheet(painter, *doc, printer);
    }
    if (!painter.isActive()) {
        error = "no pages";
        return false;
    }
    // Ending the painter finishes and closes the file.
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        error = "cannot write " + printer.outputFileName().toStdString();
        return false;
    }
    return true;
}

}  // namespace

bool writePdf(const std::vector<std::string>& pages, const std::string& pdfPath,
              const PdfLook& look, std::string& error) {
    const GuiApplicationScope gui;
    const QFileInfo target(QString::fromStdString(pdfPath));
    // Written beside the target and renamed over it, so a failed run keeps an older file.
    QTemporaryFile part(target.absoluteDir().filePath(target.fileName() + ".XXXXXX"));
    if (!part.open()) {
        error = pdfPath + ": " + part.errorString().toStdString();
        return false;
    }
    part.close();
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(part.fileName());
        printer.setPageLayout(sheetLayout());
        printer.setCreator("KORVARace");
        printer.setDocName(target.completeBaseName());
        printer.setColorMode(look.greyscale ? QPrinter::GrayScale : QPrinter::Color);
        if (!drawPages(pages, printer, error)) return false;
    }
    namespace fs = std::filesystem;
    const fs::path written = part.fileName().toStdString();
    std::error_code failed;
    // The temporary file is private to its owner; the PDF is a document like the pages.
    const fs::file_status old = fs::status(pdfPath, failed);
    fs::permissions(written,
                    fs::exists(old) ? old.permissions()
                                    : fs::perms::owner_read | fs::perms::owner_write |
                                          fs::perms::group_read | fs::perms::others_read,
                    failed);
    fs::rename(written, pdfPath, failed);
    if (failed) {
        error = pdfPath + ": " + failed.message();
        return false;
    }
    part.setAutoRemove(false);
    return true;
}

}  // namespace korva

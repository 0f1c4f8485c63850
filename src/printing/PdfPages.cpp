#include "printing/PdfPages.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>

#include "printing/GuiApplicationScope.h"
#include "printing/HtmlPageDocument.h"
#include "printing/PageRendering.h"
#include "race/FileIo.h"

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
    // The printer writes a file of its own; the PDF then takes the place of an older one the
    // way every file of the program does, so a failed run keeps the older file.
    QTemporaryFile drawn;
    if (!drawn.open()) {
        error = pdfPath + ": " + drawn.errorString().toStdString();
        return false;
    }
    drawn.close();
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(drawn.fileName());
        printer.setPageLayout(sheetLayout());
        printer.setCreator("KORVARace");
        printer.setDocName(QFileInfo(QString::fromStdString(pdfPath)).completeBaseName());
        printer.setColorMode(look.greyscale ? QPrinter::GrayScale : QPrinter::Color);
        if (!drawPages(pages, printer, error)) return false;
    }
    try {
        writeFileAtomically(pdfPath, readWholeFile(drawn.fileName().toStdString()));
    } catch (const FileError& e) {
        error = e.what();
        return false;
    }
    return true;
}

}  // namespace korva

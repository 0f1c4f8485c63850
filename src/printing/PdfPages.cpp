#include "printing/PdfPages.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "printing/HtmlPageDocument.h"
#include "printing/PageRendering.h"

namespace korva {

namespace {

constexpr double kMarginMm = 10;

}  // namespace

bool writePdf(const std::vector<std::string>& pages, const std::string& pdfPath,
              [[maybe_unused]] const PdfLook& look, std::string& error) {
    QSaveFile file(QString::fromStdString(pdfPath));
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString().toStdString();
        return false;
    }
    QPdfWriter writer(&file);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    writer.setCreator("KORVARace");
    QPainter painter;
    bool first = true;
    for (const std::string& page : pages) {
        QString why;
        auto doc = loadHtmlPage(QString::fromStdString(page), why);
        if (!doc) {
            error = page + ": " + why.toStdString();
            file.cancelWriting();
            return false;
        }
        if (first) {
            if (!painter.begin(&writer)) break;
        } else {
            writer.newPage();
        }
        first = false;
        const QRectF sheet = writer.pageLayout().paintRectPixels(writer.resolution());
        paintFitted(painter, *doc, QRectF(QPointF(0, 0), sheet.size()));
    }
    if (painter.isActive()) painter.end();
    if (first || !file.commit()) {
        error = first ? "no pages" : file.errorString().toStdString();
        return false;
    }
    return true;
}

}  // namespace korva

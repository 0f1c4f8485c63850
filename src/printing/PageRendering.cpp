#include "printing/PageRendering.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>

namespace korva {

namespace {

constexpr double kMarginMm = 10;

}  // namespace

QPageLayout sheetLayout() {
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

void paintFitted(QPainter& painter, QTextDocument& doc, const QRectF& sheet) {
    const QSizeF size = doc.size();
    if (size.width() <= 0 || size.height() <= 0) return;
    const double scale = std::min(sheet.width() / size.width(), sheet.height() / size.height());
    painter.save();
    painter.translate(sheet.topLeft());
    painter.scale(scale, scale);
    doc.drawContents(&painter, QRectF(QPointF(0, 0), size));
    painter.restore();
}

void paintOnSheet(QPainter& painter, QTextDocument& doc, const QPagedPaintDevice& device) {
    // The painter's origin is already the corner of the printable area.
    const QRectF area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    paintFitted(painter, doc, QRectF(QPointF(0, 0), area.size()));
}

}  // namespace korva

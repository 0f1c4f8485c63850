#include "printing/PageRendering.h"

#include <QPainter>
#include <QTextDocument>
#include <algorithm>

namespace korva {

void paintFitted(QPainter& painter, QTextDocument& doc, const QRectF& sheet) {
    const QSizeF size = doc.size();
    if (size.width() <= 0 || size.height() <= 0) return;
    const double scale =
        std::min(sheet.width() / size.width(), sheet.height() / size.height());
    painter.save();
    painter.translate(sheet.topLeft());
    painter.scale(scale, scale);
    doc.drawContents(&painter, QRectF(QPointF(0, 0), size));
    painter.restore();
}

}  // namespace korva

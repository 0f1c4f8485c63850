#pragma once
// Draws a laid-out page on one sheet: scaled to the sheet's width, and further down when it
// is taller than the sheet, so that one written page is one printed page.

#include <QRectF>

class QPainter;
class QTextDocument;

namespace korva {

void paintFitted(QPainter& painter, QTextDocument& doc, const QRectF& sheet);

}  // namespace korva

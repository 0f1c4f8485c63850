#pragma once
// Draws a laid-out page on one sheet: scaled to the sheet's width, and further down when it
// is taller than the sheet, so that one written page is one printed page.

#include <QPageLayout>
#include <QRectF>

class QPagedPaintDevice;
class QPainter;
class QTextDocument;

namespace korva {

// Letter, portrait, with a margin most printers can reach.
QPageLayout sheetLayout();

void paintFitted(QPainter& painter, QTextDocument& doc, const QRectF& sheet);

// The page onto the device's current sheet, within its margins.
void paintOnSheet(QPainter& painter, QTextDocument& doc, const QPagedPaintDevice& device);

}  // namespace korva

#include "printing/FixedTableWidths.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace korva {

namespace {

void widenColumnFor(QTextTable& outer, const QTextTable& inner) {
    const QTextLength width = inner.format().width();
    if (width.type() != QTextLength::FixedLength) return;
    // The position just before the nested table lies in the cell that holds it.
    const QTextTableCell cell = outer.cellAt(inner.firstPosition() - 1);
    if (!cell.isValid() || cell.columnSpan() != 1) return;
    QTextTableFormat format = outer.format();
    QList<QTextLength> columns = format.columnWidthConstraints();
    columns.resize(outer.columns());
    QTextLength& column = columns[cell.column()];
    const double wanted = width.rawValue() + 2 * inner.format().border();
    // A width the page set itself (percent or fixed) stays unless it is narrower.
    if (column.type() == QTextLength::PercentageLength) return;
    if (column.type() == QTextLength::FixedLength && column.rawValue() >= wanted) return;
    column = QTextLength(QTextLength::FixedLength, wanted);
    format.setColumnWidthConstraints(columns);
    outer.setFormat(format);
}

void keepWidthsBelow(QTextFrame& frame) {
    for (QTextFrame* child : frame.childFrames()) {
        keepWidthsBelow(*child);
        auto* outer = qobject_cast<QTextTable*>(&frame);
        auto* inner = qobject_cast<QTextTable*>(child);
        if (outer != nullptr && inner != nullptr) widenColumnFor(*outer, *inner);
    }
}

}  // namespace

void keepFixedTableWidths(QTextDocument& doc) {
    keepWidthsBelow(*doc.rootFrame());
}

}  // namespace korva

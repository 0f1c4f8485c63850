#pragma once
// Keeps the written width of tables nested in tables of no set width.
//
// The rich-text layout sizes a table without a width from its cells' natural widths, and a
// table nested in a cell reports the natural width of its own cells, not the width written
// for it; the nested table is then squeezed into that cell. The heat cards' card tables
// (WIDTH=604 inside two plain tables) came out half as wide as written.

class QTextDocument;

namespace korva {

// After setHtml: gives each cell column that holds a table of written width at least that
// width, innermost tables first so that the widths carry outwards.
void keepFixedTableWidths(QTextDocument& doc);

}  // namespace korva

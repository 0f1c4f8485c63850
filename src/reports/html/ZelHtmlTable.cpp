#include "reports/html/ZelHtmlTable.h"

namespace korva {

namespace {
const char* shadeName(int shade) {
    switch (shade) {
        case 0: return "BLACK";
        case 180: return "LIGHTGREY";
        case 200: return "GRAY";
        default: return "WHITE";
    }
}

void appendVAlign(std::string& out, int code) {
    if (code == 1) out += " VALIGN=top";
    if (code == 2) out += " VALIGN=bottom";
}

// Left and right are written on rows and cells alike; centre only on rows.
bool appendHAlign(std::string& out, int code, bool onRow) {
    switch (code) {
        case 0:
            if (!onRow) return false;
            out += " ALIGN=center";
            return true;
        case 3: out += " ALIGN=left"; return true;
        case 4: out += " ALIGN=right"; return true;
        default: return false;
    }
}
}  // namespace

void ZelHtmlTable::SetStyle(const std::string& value) {
    if (!value.empty()) style = value;
}

void ZelHtmlTable::AddColItem(ZelHtmlItem* item, int row, int shade, int hAlign, int vAlign) {
    if (row < 0) throw HtmlRangeError("AddColItem: negative row " + std::to_string(row));
    const auto r = static_cast<std::size_t>(row);
    if (cellsPerRow.size() <= r) cellsPerRow.resize(r + 1, 0);
    const int col = cellsPerRow[r];
    if (col > largestColumn) largestColumn = col;
    cellItems.SetAt(row, col, item);
    hAligns.SetAt(row, col, hAlign);
    vAligns.SetAt(row, col, vAlign);
    shades.SetAt(row, col, shade);
    ++cellsPerRow[r];
}

void ZelHtmlTable::ToString(std::string& out, int noCenter) {
    openWrapper(out, noCenter);
    out.append("\n<TABLE BORDER=").append(std::to_string(border));
    out.append(" style=border-collapse:collapse BGCOLOR=").append(bgColor);
    out.append(" CELLPADDING=").append(padding).append(" CELLSPACING=0");
    if (!width.empty()) out.append(" WIDTH=").append(width);
    if (!height.empty()) out.append(" HEIGHT=").append(height);
    if (!style.empty()) out.append(" STYLE=").append(style);
    out += '>';
    if (title != nullptr && largestColumn != 0) {
        out.append("\n<TR><TD COLSPAN=").append(std::to_string(largestColumn + 1));
        out += " ALIGN=CENTER>";
        title->ToString(out, noCenter);
        out += "</TD></TR>";
    }
    // Once any ALIGN is written, no later cell of this table wraps itself in CENTER.
    int alignWritten = 0;
    for (std::size_t r = 0; r < cellsPerRow.size(); ++r) {
        if (cellsPerRow[r] > 0) renderRow(out, static_cast<int>(r), alignWritten);
    }
    out += "\n</TABLE>";
    closeWrapper(out, noCenter);
}

void ZelHtmlTable::renderRow(std::string& out, int row, int& alignWritten) {
    out += "\n<TR";
    appendVAlign(out, vAligns.GetAt(row, 0));
    if (appendHAlign(out, hAligns.GetAt(row, 0), true)) alignWritten = 1;
    out += '>';
    const int cells = cellsPerRow[static_cast<std::size_t>(row)];
    for (int col = 0; col < cells; ++col) {
        out += "\n<TD";
        appendVAlign(out, vAligns.GetAt(row, col));
        if (appendHAlign(out, hAligns.GetAt(row, col), false)) alignWritten = 1;
        out.append(" BGCOLOR=").append(shadeName(shades.GetAt(row, col))).append(">");
        // A missing item leaves the cell empty rather than failing the page.
        if (ZelHtmlItem* item = cellItems.GetAt(row, col)) item->ToString(out, alignWritten);
        out += "</TD>";
    }
    out += "\n</TR>";
}

}  // namespace korva

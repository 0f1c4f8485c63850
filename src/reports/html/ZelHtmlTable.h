#pragma once
// A table whose cells are appended row by row; each cell holds an item it does not own.

#include <string>
#include <utility>
#include <vector>

#include "reports/html/Zel2dArray.h"
#include "reports/html/ZelHtmlItem.h"

namespace korva {

class ZelHtmlTable : public ZelHtmlItem {
public:
    ZelHtmlTable() = default;
    explicit ZelHtmlTable(ZelHtmlItem* title) : title(title) {}
    ZelHtmlTable(ZelHtmlItem* title, std::string padding)
        : padding(std::move(padding)), title(title) {}

    void ToString(std::string& out, int noCenter) override;

    void SetOutlineWidth(int width) { border = width; }
    void SetWidth(const std::string& value) { width = value; }
    void SetHeight(const std::string& value) { height = value; }
    void SetPadding(const std::string& value) { padding = value; }
    void SetBgColor(const std::string& value) { bgColor = value; }
    void SetStyle(const std::string& value);
    void SetTitle(ZelHtmlItem* item) { title = item; }

    // Appends a cell at the end of `row` (0-based); a negative row throws HtmlRangeError.
    void AddColItem(ZelHtmlItem* item, int row, int shade, int hAlign, int vAlign);

private:
    void renderRow(std::string& out, int row, int& alignWritten);

    int border = 1;
    std::string width;
    std::string height;
    std::string padding = "4";
    ZelHtmlItem* title = nullptr;  // shown only when some row has two cells or more
    std::string bgColor = "WHITE";
    int largestColumn = 0;  // largest 0-based column ever added to any row
    std::vector<int> cellsPerRow;
    Zel2dItemArray cellItems;
    Zel2dIntArray vAligns;
    Zel2dIntArray hAligns;
    Zel2dIntArray shades;
    std::string style;
};

}  // namespace korva

#pragma once
// Ragged two-dimensional arrays of the page builder: a list of rows, each growing on demand.

#include <string>
#include <vector>

#include "reports/html/HtmlErrors.h"

namespace korva {

class ZelHtmlItem;

template <typename T>
class Zel2dArray {
public:
    virtual ~Zel2dArray() = default;

    // Appends empty rows up to `row`, grows that row to col + 1 entries (new ones T{}).
    void SetAt(int row, int col, T value) {
        if (row < 0 || col < 0) throw HtmlRangeError(where("SetAt", row, col));
        const auto r = static_cast<std::size_t>(row);
        const auto c = static_cast<std::size_t>(col);
        if (rows.size() <= r) rows.resize(r + 1);
        if (rows[r].size() <= c) rows[r].resize(c + 1, T{});
        rows[r][c] = value;
    }

    T GetAt(int row, int col) const {
        if (row < 0 || col < 0 || static_cast<std::size_t>(row) >= rows.size() ||
            static_cast<std::size_t>(col) >= rows[static_cast<std::size_t>(row)].size()) {
            throw HtmlRangeError(where("GetAt", row, col));
        }
        return rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    }

private:
    static std::string where(const char* call, int row, int col) {
        return std::string(call) + ": no cell at row " + std::to_string(row) + ", column " +
               std::to_string(col);
    }

    std::vector<std::vector<T>> rows;
};

// The item array points at items it does not own.
using Zel2dItemArray = Zel2dArray<ZelHtmlItem*>;
using Zel2dIntArray = Zel2dArray<int>;

}  // namespace korva

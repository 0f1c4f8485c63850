#pragma once
// How an import file is cut into lines and a line into items.

#include <cstdint>
#include <string>
#include <vector>

namespace korva {

inline constexpr std::size_t kImportItems = 8;

// The lines of an import file, without their line ends. Files made on Linux are usually
// UTF-8: `utf8` tells whether the lines are UTF-8 (a byte order mark is dropped) or
// already single-byte text.
struct CsvText {
    std::vector<std::string> lines;
    bool utf8 = false;
};

CsvText splitCsvText(const std::vector<std::uint8_t>& bytes);

// The items of one line: five commas go after it and every comma ends an item, so a line
// of fewer than four fields yields fewer than eight. Items are trimmed; quotes are kept.
std::vector<std::string> importItems(const std::string& line);

}  // namespace korva

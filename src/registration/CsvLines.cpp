#include "registration/CsvLines.h"

#include <string_view>

#include "race/TextCodec.h"
#include "ui/FormChecks.h"

namespace korva {

CsvText splitCsvText(const std::vector<std::uint8_t>& bytes) {
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    CsvText out;
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    const bool bom = text.substr(0, kBom.size()) == kBom;
    if (bom) text.remove_prefix(kBom.size());
    out.utf8 = bom || isUtf8(text);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        out.lines.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return out;
}

std::vector<std::string> importItems(const std::string& line) {
    const std::string text = line + ",,,,,";
    std::vector<std::string> items;
    std::size_t start = 0;
    while (items.size() < kImportItems) {
        const std::size_t comma = text.find(',', start);
        if (comma == std::string::npos) break;
        items.push_back(trimmed(text.substr(start, comma - start)));
        start = comma + 1;
    }
    return items;
}

}  // namespace korva

#include "reports/board/BoardText.h"

#include "race/TextCodec.h"
#include "reports/html/EscapeHtml.h"
#include "ui/Format.h"

namespace korva {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool unreserved(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.' || c == '~';
}

// Most race text is plain ASCII with nothing to escape: it needs no conversion.
bool plain(std::string_view text) {
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 || c < 0x20 || c == '&' || c == '<' || c == '>' || c == '"' || c == '\\')
            return false;
    }
    return true;
}

}  // namespace

std::string boardHtml(std::string_view cp1252) {
    if (plain(cp1252)) return std::string(cp1252);
    return escapeHtml(cp1252ToUtf8(cp1252));
}

std::string boardJson(std::string_view cp1252) {
    std::string out;
    appendJson(out, cp1252);
    return out;
}

void appendJson(std::string& out, std::string_view cp1252) {
    out += '"';
    if (plain(cp1252)) {
        out.append(cp1252) += '"';
        return;
    }
    for (const char ch : cp1252ToUtf8(cp1252)) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c == '<' || c == '>' || c == '&') {
                    out += cformat("\\u%04x", static_cast<unsigned>(c));
                } else {
                    out += ch;
                }
        }
    }
    out += '"';
}

std::string percentEncode(std::string_view utf8) {
    std::string out;
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        out += unreserved(c) ? std::string(1, ch) : cformat("%%%02X", static_cast<unsigned>(c));
    }
    return out;
}

std::optional<std::string> percentDecode(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int hi = hexValue(text[i + 1]);
        const int lo = hexValue(text[i + 2]);
        if (hi < 0 || lo < 0 || (hi == 0 && lo == 0)) return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
    }
    return out;
}

}  // namespace korva

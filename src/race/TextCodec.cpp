#include "race/TextCodec.h"

#include <array>
#include <cstdint>

namespace korva {

namespace {
// Code points of bytes 0x80..0x9F; 0 where Windows-1252 leaves the byte undefined.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t fromCp1252(unsigned char b) {
    // An undefined byte stands for the control character of its value, so it comes back.
    if (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] != 0) return kHigh[b - 0x80];
    return b;
}

std::optional<char> toCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        const char32_t mapped = kHigh[i] != 0 ? kHigh[i] : static_cast<char32_t>(0x80 + i);
        if (mapped == c) return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

// One character of UTF-8 at `i`: its code point (U+FFFD when the bytes are broken) and how
// many bytes it takes.
char32_t decodeAt(std::string_view text, std::size_t i, std::size_t& length) {
    const auto b = static_cast<unsigned char>(text[i]);
    length = 1;
    char32_t c = 0;
    std::size_t len = 1;
    if (b < 0x80) return b;
    if ((b & 0xE0) == 0xC0) {
        len = 2;
        c = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        len = 3;
        c = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        len = 4;
        c = b & 0x07;
    } else {
        return kReplacement;
    }
    if (i + len > text.size()) {
        length = text.size() - i;
        return kReplacement;
    }
    for (std::size_t k = 1; k < len; ++k) {
        const auto cont = static_cast<unsigned char>(text[i + k]);
        if ((cont & 0xC0) != 0x80) return kReplacement;
        c = (c << 6) | (cont & 0x3F);
    }
    // Overlong forms and surrogates are not UTF-8.
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kLeast[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kReplacement;
    length = len;
    return c;
}
}  // namespace

std::string cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) appendUtf8(out, fromCp1252(static_cast<unsigned char>(ch)));
    return out;
}

std::string utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        const char32_t c = decodeAt(text, i, length);
        out += c == kReplacement ? '?' : toCp1252(c).value_or('?');
        i += length;
    }
    return out;
}

std::optional<char32_t> firstUnencodable(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t length = 1;
        const char32_t c = decodeAt(utf8, i, length);
        if (c == kReplacement || !toCp1252(c)) return c;
        i += length;
    }
    return std::nullopt;
}

std::string utf8Of(char32_t c) {
    std::string out;
    appendUtf8(out, c);
    return out;
}

bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        const char32_t c = decodeAt(text, i, length);
        // A written-out U+FFFD is well-formed; only broken bytes decode to it otherwise.
        if (c == kReplacement && text.substr(i, 3) != "\xEF\xBF\xBD") return false;
        i += length;
    }
    return true;
}

bool utf8ToCp1252Exact(std::string_view text, std::string& out, char32_t& unmapped) {
    if (const std::optional<char32_t> c = firstUnencodable(text)) {
        unmapped = *c;
        return false;
    }
    out = utf8ToCp1252(text);
    return true;
}

}  // namespace korva

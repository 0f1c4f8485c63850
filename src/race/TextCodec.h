#pragma once
// Race files hold single-byte Windows-1252 text; the desktop and JSON speak UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace korva {

std::string cp1252ToUtf8(std::string_view text);
// Characters with no Windows-1252 form become "?".
std::string utf8ToCp1252(std::string_view text);

// The first character of a UTF-8 text that a race file cannot hold (a broken byte sequence
// counts as U+FFFD); nothing when every character fits.
std::optional<char32_t> firstUnencodable(std::string_view utf8);
// One character in UTF-8.
std::string utf8Of(char32_t c);
// Whether the text is well-formed UTF-8 (plain ASCII is).
bool isUtf8(std::string_view text);

// Converts well-formed UTF-8 exactly: false, with the first character that has no
// Windows-1252 form in `unmapped`, instead of guessing.
bool utf8ToCp1252Exact(std::string_view text, std::string& out, char32_t& unmapped);

}  // namespace korva

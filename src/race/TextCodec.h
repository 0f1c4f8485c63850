#pragma once
// Race files hold single-byte Windows-1252 text; the desktop and JSON speak UTF-8.

#include <string>
#include <string_view>

namespace korva {

std::string cp1252ToUtf8(std::string_view text);
// Characters with no Windows-1252 form become "?".
std::string utf8ToCp1252(std::string_view text);

// Whether the text is well-formed UTF-8 (plain ASCII is).
bool isUtf8(std::string_view text);

// Converts well-formed UTF-8 exactly: false, with the first character that has no
// Windows-1252 form in `unmapped`, instead of guessing.
bool utf8ToCp1252Exact(std::string_view text, std::string& out, char32_t& unmapped);

}  // namespace korva

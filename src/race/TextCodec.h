#pragma once
// Race files hold single-byte Windows-1252 text; the desktop and JSON speak UTF-8.

#include <string>
#include <string_view>

namespace korva {

std::string cp1252ToUtf8(std::string_view text);
// Characters with no Windows-1252 form become "?".
std::string utf8ToCp1252(std::string_view text);

}  // namespace korva

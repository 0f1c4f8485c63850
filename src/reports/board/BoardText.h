#pragma once
// Text helpers of the results board: race text (Windows-1252) made safe for HTML and JSON in
// UTF-8, and class names carried in a URL path.

#include <optional>
#include <string>
#include <string_view>

namespace korva {

// Race text as escaped UTF-8 for a page.
std::string boardHtml(std::string_view cp1252);
// Race text as a quoted JSON string in UTF-8; <, > and & are written as \u escapes so the
// text stays inert wherever a tool pastes it.
std::string boardJson(std::string_view cp1252);
// The same, appended: the heats of a full race are thousands of texts.
void appendJson(std::string& out, std::string_view cp1252);

// Percent-encodes everything but the unreserved characters of a URL.
std::string percentEncode(std::string_view utf8);
// Decodes %XX sequences; nothing for a broken or a NUL escape.
std::optional<std::string> percentDecode(std::string_view text);

}  // namespace korva

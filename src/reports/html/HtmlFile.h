#pragma once
// Writing a page file: through a temporary file beside it, with every "\n" as CR LF.

#include <string>
#include <string_view>

namespace korva {

// False with the system's error text when the file cannot be created or put in place;
// throws HtmlWriteError when its bytes cannot be written. An older page stays as it was.
bool writeHtmlFile(const std::string& path, std::string_view page, std::string& error);

}  // namespace korva

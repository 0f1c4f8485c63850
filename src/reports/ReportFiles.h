#pragma once
// The files of report runs: the race's html folder, the race name in page file names,
// names made safe for a file name, and pages left over from an earlier run.

#include <functional>
#include <optional>
#include <string>

namespace korva {

class KORVARaceDoc;

// The race folder's "html" or "HTML" folder, whichever exists ("html" when both do);
// nothing when neither is a folder.
std::optional<std::string> findHtmlFolder(const std::string& raceFolder);

// The race file's name without folder and extension.
std::string raceNameOf(const KORVARaceDoc& doc);

// Text fit to be part of a file name: no folder separators, no "..", no control characters.
std::string safeFileNamePart(const std::string& text);

// Deletes `format` (a printf format taking the race name and a page number) for the numbers
// from 1 on in `folder`, stopping at the first page that cannot be deleted.
void deleteNumberedPages(const std::string& folder, const std::string& format,
                         const std::string& raceName);
// The same for any numbered name: `nameOf` gives the file name of a page number.
void deleteNumberedPages(const std::string& folder,
                         const std::function<std::string(int page)>& nameOf);

}  // namespace korva

#pragma once
// "Export Pilots/Results": the pilot list, in its current order, as a comma-separated file
// with places, scores and times for a spreadsheet.

#include <optional>
#include <string>

namespace korva {

class KORVARaceDoc;
class PilotListRows;

// The race file's name without folder and extension, then "_export.csv", beside the race
// file (in the working folder while the race has no file yet).
std::string exportFilePath(const KORVARaceDoc& doc);

// The file's text in UTF-8, or nothing when the list is sorted neither by points nor by time.
std::optional<std::string> exportText(const KORVARaceDoc& doc, const PilotListRows& list);

// The command: refuses any other sort, writes the file whole or not at all (a previous file
// stays on failure) and tells the user how it went. True when the file was written.
bool exportPilots(KORVARaceDoc& doc, const PilotListRows& list);

}  // namespace korva

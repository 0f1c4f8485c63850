#pragma once
// The pilot window's "Export Pilots/Results": the list as it stands, sorted by points or time,
// as a CSV file for a spreadsheet.

namespace korva {

class KORVARaceApp;

void connectExportCommand(KORVARaceApp& app);

}  // namespace korva

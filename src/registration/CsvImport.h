#pragma once
// "Import Pilots...": pilots from a comma-separated file into one bracket of the race.

#include <optional>

namespace korva {

class CsvImportForms;
class KORVARaceDoc;

// The class the imported pilots enter: the race's only bracket, or the one the user picks
// in "Select Bracket to Import". Nothing when the user cancels or no class is raced.
std::optional<int> importClass(KORVARaceDoc& doc, CsvImportForms& forms);

// The whole command; true when at least one pilot was imported.
bool importPilots(KORVARaceDoc& doc, CsvImportForms& forms);

}  // namespace korva

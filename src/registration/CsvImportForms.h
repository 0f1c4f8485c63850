#pragma once
// The forms "Import Pilots..." opens: the file choice and the bracket choice.

#include <array>
#include <optional>
#include <string>

#include "race/Classes.h"

namespace korva {

// The file-open form.
struct CsvFileForm {
    std::string title;  // "Open CSV File of Pilots"
    std::string extension = "csv";
    std::string path;  // the chosen file
};

struct ImportBracketChoice {
    std::string label;
    bool offered = false;  // only the brackets the race uses
};

// "Select Bracket to Import": one choice per bracket the race uses.
struct ImportBracketForm {
    std::string title;
    std::array<ImportBracketChoice, kBracketCount> choices;
    int chosen = -1;  // the bracket picked; -1 for none
};

class CsvImportForms {
public:
    virtual ~CsvImportForms() = default;
    // Each returns the form as the user left it, or nullopt for Cancel.
    virtual std::optional<CsvFileForm> openCsvFile(const CsvFileForm& form) = 0;
    virtual std::optional<ImportBracketForm> selectImportBracket(const ImportBracketForm& form) = 0;
};

}  // namespace korva

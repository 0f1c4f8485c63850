#pragma once
// The master list of pilots known from earlier races, kept in KORVA_Pilots.KVP.

#include <string>
#include <vector>

#include "race/KORVAPilot.h"
#include "ui/Clock.h"

namespace korva {

using PilotArray = std::vector<std::unique_ptr<KORVAPilot>>;

class KORVAPilotMaster {
public:
    static constexpr const char* kFileName = "KORVA_Pilots.KVP";
    static constexpr const char* kTempName = "KORVA_Pilots.TMP";
    static constexpr const char* kBackupName = "KORVA.TMP";

    PilotArray pilots;
    bool masterChanged = false;

    // At start-up: loads the file when it exists and is not empty; creates it empty when
    // missing. Throws ArchiveError or NewerVersionError on a bad file, FileError on I/O.
    void loadAtStartup(const std::string& folder, const Clock& clock);
    // When the program ends: writes the list back when it holds pilots and changed.
    // Returns false when the new file could not be written (the old one is kept).
    bool saveAtShutdown(const std::string& folder, const Clock& clock);

    KORVAPilot* findById(const std::string& pilotId);
    void add(const KORVAPilot& pilot);

    static std::vector<std::uint8_t> encode(const PilotArray& pilots, const Clock& clock);
    static PilotArray decode(const std::vector<std::uint8_t>& bytes, const Clock& clock);
};

}  // namespace korva

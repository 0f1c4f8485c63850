#pragma once
// What every command of the tool works with: a console user, the system clock, settings in
// memory, and one clear sentence for a race file that fails to load.

#include <iosfwd>
#include <optional>
#include <string>
#include <utility>

#include "cli/ConsoleInteraction.h"
#include "race/LoadFailure.h"
#include "race/RaceServices.h"
#include "ui/Clock.h"
#include "ui/SettingsStore.h"

namespace korva {

class KORVARaceDoc;

// The system clock, or the time SOURCE_DATE_EPOCH gives (seconds since 1970), so that a script
// building sample races makes the same files on every run.
class CliClock final : public Clock {
public:
    CliClock();
    Timestamp now() const override;

private:
    std::optional<Timestamp> fixed_;
    SystemClock system_;
};

struct CliSession {
    explicit CliSession(std::ostream& err, AnswerMap answers = {})
        : ui(err, std::move(answers)), services(ui, clock, settings) {}
    ConsoleInteraction ui;
    CliClock clock;
    MemorySettingsStore settings;
    RaceServices services;
};

// Call from a catch block: reports the exception in flight; returns the exit status 1.
int reportLoadError(const std::string& path, std::ostream& err, FileKind kind = FileKind::Race);

// Loads a race file for a command and warns of bytes after the race; false, after saying
// why, when it cannot be read.
bool loadRaceFile(KORVARaceDoc& doc, const std::string& path, std::ostream& err);
// Writes DOC to PATH atomically; false, with one sentence on ERR, when it cannot.
bool saveRace(KORVARaceDoc& doc, const std::string& path, std::ostream& err);

}  // namespace korva

#pragma once
// Set FlyOff Points: the "Adjustments" form for one tied pilot's fly-off result.

#include <cstdint>
#include <optional>
#include <string>

namespace korva {

class Interaction;
class KORVARaceDoc;
class RaceStandings;

inline constexpr int kMaxFlyOffPoints = 200;  // accepted when typed; the spin stops at 99
inline constexpr int kFlyOffPointsSpinMax = 99;
inline constexpr int kFlyOffMinutesMax = 3;
inline constexpr int kFlyOffCutsMax = 2;

enum class FlyOffPointsField { None, Points, Minutes, Seconds, Hundredths, Cuts };

struct FlyOffPointsForm {
    std::string pilotName;  // shown in bold, as tall as its field
    int points = 0;
    int minutes = 0;
    int seconds = 0;
    int hundredths = 0;
    int cuts = 0;
    bool timeShown = true;  // time and cuts are hidden in an FAI race
    // Where the cursor goes when the form is shown again after a refusal.
    FlyOffPointsField focus = FlyOffPointsField::None;
};

// One call per showing of the form; nullopt is Cancel.
class FlyOffPointsForms {
public:
    virtual ~FlyOffPointsForms() = default;
    virtual std::optional<FlyOffPointsForm> flyOffPointsForm(const FlyOffPointsForm& form) = 0;
};

// Offered when ties go to fly-offs, the last standings found ties and the pilot is in one.
bool canSetFlyOffPoints(const KORVARaceDoc& doc, std::int32_t pilotNumber);

// The form as first shown: the pilot's name and its current fly-off values.
FlyOffPointsForm flyOffPointsFormFor(const KORVARaceDoc& doc, std::int32_t pilotNumber);

// The field to show again with the range message, or None when the values can be stored.
FlyOffPointsField checkFlyOffPoints(Interaction& ui, const FlyOffPointsForm& form);

// Runs the form until OK passes its check or Cancel; on OK stores the values, refreshes
// the views and counts one change. True when stored.
bool setFlyOffPoints(RaceStandings& standings, FlyOffPointsForms& forms, std::int32_t pilotNumber);

}  // namespace korva

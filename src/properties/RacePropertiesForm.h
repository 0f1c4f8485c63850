#pragma once
// The forms of the race properties: their fields as plain structs, and the interface that
// shows them. The program implements it with dialogs, the tests with scripts.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "ui/FormChecks.h"

namespace korva {

// Where a form that refused its input puts the focus when it shows again.
enum class FormField {
    None,
    FileName,
    Title,
    UserClassName,
    PrintFont,
    PrintTitleFont,
    Classes,
    FlagLanes,
    AwardPlaces,
    SaveReminder,
    LimitChannels,
    ChannelLimits,
    WingFlagSet,
    RotateEvery,
    RoundQuantity,
};

using FormOutcome = FormVerdict<FormField>;

// Called when the user presses OK; may ask questions and adjust the values it is given.
template <typename T>
using FormValidator = std::function<FormOutcome(T&)>;

// The values of the race properties form. Texts are as typed (UTF-8), the file name a path.
struct RaceProperties {
    std::string fileName;  // only when creating
    std::string title;
    bool class424Ama = false;
    bool class424Apra = false;
    bool class426 = false;
    bool classQ40 = false;
    bool faiClass = false;
    bool userClass = false;
    std::string userClassName = "MyClassName";
    int matrixType = 0;  // 0 "Pilots stay in Lanes", 1 "Pilots change Lanes"
    int awardPlaces = 3;
    int heatScoring = 0;    // 0 "AMA", 1 "1 Cut = 1 Point", 2 "Manual"
    int resolveTies = 0;    // 0 "Fast Time", 1 "Fly Off"
    int saveReminder = 10;  // 0: the "Save Reminder" box is off
    bool limitChannels = true;
    std::array<int, 3> channelLimits{3, 3, 3};
    bool staggeredStart = true;
    bool fastRegistration = false;
    bool maxThreeLanes = false;
    bool colorPrinting = true;
    bool heatCardLaneColors = true;
    bool heatCardPageBreak = false;
    std::string printFont = "Verdana";
    std::string printTitleFont = "Verdana";
    int printResolution = 96;
    // Lane 1..4 of low green, low red, high green and high red.
    std::array<int, 4> flagLanes{1, 2, 3, 4};
    bool locked424 = false;
    bool locked426 = false;
    bool lockedThird = false;
    // Set by the FAI forms that open from this one.
    int wingFlagSet = 0;
    int rotateEvery = 0;
    int rotationKind = 0;  // 0 race course lane colours, 1 aircraft wing flags

    bool operator==(const RaceProperties&) const = default;
};

// What the race properties form shows besides its values.
struct RacePropertiesSetup {
    bool creating = true;
    std::string windowTitle;
    std::string titlePlaceholder;  // shown in the empty title field of a new race
    std::string folder;            // where a new race's file goes when named without one
    // Classes the open race already holds; their boxes cannot be cleared.
    bool raced424 = false;
    bool raced426 = false;
    bool racedQ40 = false;
    bool racedSpecial = false;  // FAI or user-named
};

// One row per bracket: the most active pilots on one channel.
struct ChannelLimitForm {
    std::array<int, 3> limits{3, 3, 3};
    std::array<bool, 3> shown{true, true, true};
    std::array<std::string, 3> labels{"424", "426", "Q40"};  // as typed, like the class name
};

// "FAI Wing Flag Colors": the scheme, shown against the lanes of the colours.
struct FaiColorsForm {
    int wingFlagSet = 0;
    std::array<int, 4> flagLanes{1, 2, 3, 4};
};

// "FAI Matrix Change Lanes".
struct FaiRotationForm {
    int rotateEvery = 0;   // 0..16 rounds between rotations, 0 none
    int rotationKind = 0;  // 0 race course lane colours, 1 aircraft wing flags
};

// "Round Quantity".
struct RoundQuantityForm {
    int rounds = 1;  // 1..64
};

class RacePropertiesForms {
public:
    virtual ~RacePropertiesForms() = default;
    virtual std::optional<RaceProperties> raceProperties(const RacePropertiesSetup& setup,
                                                         const RaceProperties& values,
                                                         const FormValidator<RaceProperties>& onOk) = 0;
    virtual std::optional<ChannelLimitForm> channelLimits(
        const ChannelLimitForm& values, const FormValidator<ChannelLimitForm>& onOk) = 0;
    virtual std::optional<FaiColorsForm> faiColors(const FaiColorsForm& values) = 0;
    virtual std::optional<FaiRotationForm> faiRotation(const FaiRotationForm& values,
                                                       const FormValidator<FaiRotationForm>& onOk) = 0;
    virtual std::optional<RoundQuantityForm> roundQuantity(
        const RoundQuantityForm& values, const FormValidator<RoundQuantityForm>& onOk) = 0;
};

}  // namespace korva

#pragma once
// Rules of the FAI wing-flag colour, lane-change rotation and round quantity forms.

#include <array>

#include "properties/RacePropertiesForm.h"
#include "ui/Interaction.h"

namespace korva {

// The flag pictures of the wing-flag scheme form, by their resource numbers.
enum class WingFlagPicture {
    None = 0,
    HighGreen = 240,
    LowRed = 241,
    HighRed = 242,
    HighBlue = 249
};

// The picture each lane 1..4 (index 0..3) shows in scheme 0 or 1, given the lane of each
// colour (low green, low red, high green, high red). The low green lane shows none.
std::array<WingFlagPicture, 4> wingFlagPictures(const std::array<int, 4>& flagLanes, int scheme);

// The rotation kind only matters while the race rotates at all.
inline bool rotationKindEnabled(const FaiRotationForm& form) {
    return form.rotateEvery != 0;
}

// What the rotation form's check needs to know of the race, and what it decided.
struct RotationContext {
    bool changing = false;
    bool anyMatrixed = false;  // some bracket of the open race already has a matrix
    int storedRotateEvery = 0;
    bool regenerate = false;  // set when the user accepted building the matrix again
};

// OK of "FAI Matrix Change Lanes": the user confirms a rotation (messages 397, 396, 374,
// 373), and a changed rotation of a matrixed race (406; No puts the old period back).
FormOutcome checkRotation(Interaction& ui, FaiRotationForm& form, RotationContext& context);

FormOutcome checkChannelLimits(Interaction& ui, ChannelLimitForm& form);
FormOutcome checkRoundQuantity(Interaction& ui, RoundQuantityForm& form);

}  // namespace korva

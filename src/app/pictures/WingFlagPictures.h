#pragma once
// Pictures of the coloured wing flags shown in the race properties and FAI forms.

#include <QPixmap>

#include "properties/FaiForms.h"

namespace korva {

// The flag of a lane colour (0 low green, 1 low red, 2 high green, 3 high red); `blue` shows
// the high blue flag that replaces low red in FAI races.
QPixmap laneColorFlag(int colour, bool blue, int height);

// A picture of the wing-flag scheme form.
QPixmap wingFlagPicture(WingFlagPicture picture, int height);

}  // namespace korva

#pragma once
// Pictures of the coloured wing flags shown in the race properties and FAI forms, and the lane
// colours as the report pictures print them.

#include <QPixmap>
#include <string_view>

#include "properties/FaiForms.h"

class QPainter;
class QPainterPath;

namespace korva {

// The flag of a lane colour (0 low green, 1 low red, 2 high green, 3 high red); `blue` shows
// the high blue flag that replaces low red in FAI races.
QPixmap laneColorFlag(int colour, bool blue, int height);

// A picture of the wing-flag scheme form.
QPixmap wingFlagPicture(WingFlagPicture picture, int height);

// Fills `area` in the colour of a lane colour code ("LG" ...). Without `color`, for a
// monochrome printer, each colour has a pattern of its own: green hatched, red black, blue
// cross-hatched, so that low green and low red still tell apart on grey paper.
void fillLaneColor(QPainter& painter, const QPainterPath& area, std::string_view code, bool color);

// The wing of a lane colour code seen from behind with its flag above (high) or below (low),
// filling `box` (3 : 2).
void paintLaneFlag(QPainter& painter, const QRectF& box, std::string_view code, bool color);

}  // namespace korva

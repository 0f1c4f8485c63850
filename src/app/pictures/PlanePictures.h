#pragma once
// The plane pictures of the program, drawn rather than loaded.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace korva {

struct PlaneLivery {
    QColor body;
    QColor trim;
    QColor canopy;
};

// A pylon racer seen from the side, nose to the right, filling `box`.
void paintPlane(QPainter& painter, const QRectF& box, const PlaneLivery& livery);

// A pylon racer seen from above, nose up, on a 64 x 64 grid: the shape that reads as a plane
// even at list size.
QPainterPath planeFromAbove();

// Picture `which` (0 or 1) of the flying planes, on pure green (the transparent colour).
QImage planePicture(int which, bool facingRight);

inline constexpr QRgb kTransparentGreen = 0xff00ff00;

}  // namespace korva

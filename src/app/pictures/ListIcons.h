#pragma once
// The row icons of the pilot and plane lists: bold shapes in strong colours, each status with
// a shape of its own, so that they tell apart at a glance in sunlight.

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace korva {

// The size the lists show them at.
inline constexpr int kListIconSize = 22;

// Pilot status 0..8 (plain, unpaid, no waiver, DQ, inactive, channel shared in the race,
// channel shared in the class, no primary plane, plane not safety checked).
QPixmap pilotStatusIcon(int status, int size = kListIconSize);
// The same drawing at exactly `size` pixels, on `background`, as pictures for paper.
QImage pilotStatusImage(int status, int size, const QColor& background);
QString pilotStatusTip(int status);

// Plane icon 0..2 (checked primary, checked backup, not safety checked).
QPixmap planeListIcon(int icon, int size = kListIconSize);
QString planeIconTip(int icon);

}  // namespace korva

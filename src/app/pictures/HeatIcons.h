#pragma once
// The row mark of the heat list: a heat whose results are in.

#include <QColor>
#include <QIcon>
#include <QImage>

namespace korva {

QIcon completeHeatIcon();
// The same mark at `size` pixels on `background`, as the picture of a finished heat on paper.
QImage completeHeatImage(int size, const QColor& background);

}  // namespace korva

#pragma once
// The row mark of the heat list: a heat whose results are in.

#include <QIcon>

namespace korva {

QIcon completeHeatIcon();

}  // namespace korva

#pragma once
// The pilot and plane windows of a running program, and what their lists show.

#include <QStringList>

#include "app/views/KORVAPilotView.h"
#include "app/views/KORVAPlaneView.h"
#include "app/KORVARaceApp.h"

namespace korva::test {

KORVAPilotView* pilotView(const KORVARaceApp& app);
// Opens the plane window when it is not open.
KORVAPlaneView* planeView(const KORVARaceApp& app);

// The texts of one column, top to bottom.
QStringList texts(const RaceListView* view, int section);

}  // namespace korva::test

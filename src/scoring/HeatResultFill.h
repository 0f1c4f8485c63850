#pragma once
// The Enter Results form as it opens for a heat: names, planes and the values to start from.

#include "scoring/HeatResultForm.h"

namespace korva {

class KORVARaceDoc;
class KORVARound;

// A complete heat shows its stored results; an open one a likely time for its class.
KORVAHeatUpdateDlg buildHeatResultForm(const KORVARaceDoc& doc, int bracket,
                                       const KORVARound& round, const KORVAHeat& heat);

}  // namespace korva

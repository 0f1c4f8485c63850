#include "matrix/LaneTables.h"

#include "matrix/MatrixTrace.h"
#include "race/KORVAPilot.h"
#include "ui/Format.h"

namespace korva {

void traceLaneTable(MatrixTrace& trace, std::string_view title, const LaneLists& lists, int lanes,
                    int heats, LaneTableKind kind) {
    const std::string_view missing = kind == LaneTableKind::WithByes ? "        " : "         ";
    trace.line(title);
    trace.line("  Heat    L1      L2      L3      L4");
    trace.line("  ----  ------  ------  ------  ------");
    for (int k = 1; k <= heats; ++k) {
        std::string row = cformat("   %02d  ", k);
        for (int l = 0; l < lanes && l < kMaxLanes; ++l) {
            const LaneList& list = lists[static_cast<std::size_t>(l)];
            const auto at = static_cast<std::size_t>(k - 1);
            if (at >= list.size()) {
                row += missing;
            } else if (const KORVAPilot* p = list[at]) {
                row += cformat(" %02d  %02d ", p->pilotNumber, p->channel);
            } else {
                row += "   NULL  ";
            }
        }
        trace.line(row);
    }
}

}  // namespace korva

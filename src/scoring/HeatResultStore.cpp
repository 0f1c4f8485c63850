#include "scoring/HeatResultStore.h"

#include "race/KORVAMatrix.h"
#include "race/KORVARound.h"

namespace korva {

void storeHeatResult(KORVAHeat& heat, const KORVAHeatUpdateDlg& form,
                     const std::array<int, KORVAHeat::kLanes>& points, Timestamp now) {
    for (std::size_t l = 0; l < form.rows.size(); ++l) {
        const HeatResultRow& row = form.rows[l];
        if (!row.hasPilot()) continue;
        heat.laneTime[l] = row.time();
        heat.laneFinish[l] = row.finish;
        heat.laneCuts[l] = row.cuts;
        heat.lanePoints[l] = points[l];
        heat.laneExtra[l] = 0;
        heat.laneStarted[l] = row.state == kDidNotStart ? 0 : 1;
        heat.laneFinished[l] = row.state == kDidNotFinish ? 0 : 1;
        heat.touch(now);
    }
    heat.complete = now;
    heat.touch(now);
    if (heat.round && heat.round->matrix) heat.round->matrix->touch(now);
}

}  // namespace korva

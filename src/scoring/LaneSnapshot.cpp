#include "scoring/LaneSnapshot.h"

namespace korva {

template <typename Visit>
void LaneSnapshot::eachHeat(Visit visit) {
    std::size_t i = 0;
    for (auto& round : matrix_.rounds) {
        for (auto& heat : round->heats) visit(*heat, i++);
    }
}

LaneSnapshot::LaneSnapshot(KORVAMatrix& matrix) : matrix_(matrix) {
    eachHeat([this](KORVAHeat& heat, std::size_t) { lanes_.push_back(heat.lanePilot); });
}

void LaneSnapshot::restore() {
    eachHeat([this](KORVAHeat& heat, std::size_t i) { heat.lanePilot = lanes_[i]; });
}

bool LaneSnapshot::touchChanged(Timestamp now) {
    bool changed = false;
    eachHeat([&](KORVAHeat& heat, std::size_t i) {
        if (heat.lanePilot == lanes_[i]) return;
        heat.touch(now);
        changed = true;
    });
    if (changed) matrix_.touch(now);
    return changed;
}

}  // namespace korva

#pragma once
// The heat window: one row per heat of every matrixed bracket, who flies in which lane.

#include "app/RaceListWindow.h"

namespace korva {

class HeatWindow : public RaceListWindow {
    Q_OBJECT
public:
    HeatWindow(KORVARaceDoc& race, QWidget* parent);
    WindowKind kind() const override { return WindowKind::Heats; }

protected:
    void fill() override;
};

}  // namespace korva

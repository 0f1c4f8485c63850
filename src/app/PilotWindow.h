#pragma once
// The pilot window: one row per pilot of the race.

#include "app/RaceListWindow.h"

namespace korva {

class PilotWindow : public RaceListWindow {
    Q_OBJECT
public:
    PilotWindow(KORVARaceDoc& race, QWidget* parent);
    WindowKind kind() const override { return WindowKind::Pilots; }

protected:
    void fill() override;
};

}  // namespace korva

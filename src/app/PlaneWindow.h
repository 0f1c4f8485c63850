#pragma once
// The plane window: one row per registered plane.

#include "app/RaceListWindow.h"

namespace korva {

class PlaneWindow : public RaceListWindow {
    Q_OBJECT
public:
    PlaneWindow(KORVARaceDoc& race, QWidget* parent);
    WindowKind kind() const override { return WindowKind::Planes; }

protected:
    void fill() override;
};

}  // namespace korva

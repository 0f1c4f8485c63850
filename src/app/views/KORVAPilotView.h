#pragma once
// The pilot list window: one row per pilot with its status icon, sorted by any column,
// filtered by class, and the place pilots are registered and changed from.

#include "app/views/RaceListView.h"
#include "race/StandingsSource.h"

namespace korva {

class PilotListModel;

class KORVAPilotView : public RaceListView {
    Q_OBJECT
public:
    // Without standings the points and times are those of a race without results.
    KORVAPilotView(KORVARaceDoc& race, CommandTable& commands, QWidget* parent,
                   const StandingsSource* standings = nullptr);

    WindowKind kind() const override { return WindowKind::Pilots; }
    const PilotListModel& model() const { return *model_; }

protected:
    std::int32_t selectedNumber() const override;
    void rememberSelection(std::int32_t number) override;
    std::string windowTitleText() const override;
    void addMenuCommands(QMenu& menu) override;

private:
    ZeroStandings noResults_;
    PilotListModel* model_;
};

}  // namespace korva

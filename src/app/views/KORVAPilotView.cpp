#include "app/views/KORVAPilotView.h"

#include <QMenu>

#include "app/views/PilotListModel.h"
#include "race/KORVARaceDoc.h"

namespace korva {

KORVAPilotView::KORVAPilotView(KORVARaceDoc& race, CommandTable& commands, QWidget* parent,
                               const StandingsSource* standings)
    : RaceListView(race, commands, parent),
      model_(new PilotListModel(race, standings ? *standings : noResults_, this)) {
    setObjectName(QStringLiteral("pilotView"));
    setModel(model_);
}

std::int32_t KORVAPilotView::selectedNumber() const {
    return race().currentSelection;
}

void KORVAPilotView::rememberSelection(std::int32_t number) {
    race().currentSelection = number;
}

std::string KORVAPilotView::windowTitleText() const {
    return model_->list().title();
}

void KORVAPilotView::addMenuCommands(QMenu& menu) {
    addCommands(menu, {Cmd::AddNew, Cmd::Change, Cmd::AddPlane, Cmd::FlyOffPoints});
    menu.addSeparator();
    addCommands(menu, {Cmd::Print, Cmd::QuickPrint, Cmd::PrintHeatDetails});
}

}  // namespace korva

#include "app/views/KORVAPlaneView.h"

#include <QMenu>

#include "app/views/PlaneListModel.h"

namespace korva {

KORVAPlaneView::KORVAPlaneView(KORVARaceDoc& race, CommandTable& commands, QWidget* parent)
    : RaceListView(race, commands, parent), doc_(race), model_(new PlaneListModel(race, this)) {
    setObjectName(QStringLiteral("planeView"));
    setModel(model_);
    // Planes are checked at the desk in batches: several rows take one command.
    allowSeveralRows();
}

void KORVAPlaneView::setUncheckedOnly(bool only) {
    reloadModel([this, only] { model_->setUncheckedOnly(only); });
}

bool KORVAPlaneView::uncheckedOnly() const {
    return model_->list().uncheckedOnly();
}

void KORVAPlaneView::rememberSelection(std::int32_t number) {
    doc_.selectedPlane = number > 0 ? number : 0;
}

std::string KORVAPlaneView::windowTitleText() const {
    return model_->list().title();
}

void KORVAPlaneView::addMenuCommands(QMenu& menu) {
    addCommands(menu, {Cmd::AddNew, Cmd::Change, Cmd::SafetyChecked, Cmd::UncheckedPlanesOnly});
    menu.addSeparator();
    // The plane list has nothing to print, whatever the other windows print.
    QAction* print = menu.addAction(commands().action(Cmd::Print)->icon(),
                                    commands().action(Cmd::Print)->text());
    print->setEnabled(false);
}

}  // namespace korva

#include "app/views/KORVAPlaneView.h"

#include <QMenu>

#include "app/views/PlaneListModel.h"

namespace korva {

KORVAPlaneView::KORVAPlaneView(KORVARaceDoc& race, CommandTable& commands, QWidget* parent)
    : RaceListView(race, commands, parent), doc_(race), model_(new PlaneListModel(race, this)) {
    setObjectName(QStringLiteral("planeView"));
    setModel(model_);
}

void KORVAPlaneView::rememberSelection(std::int32_t number) {
    doc_.selectedPlane = number > 0 ? number : 0;
}

std::string KORVAPlaneView::windowTitleText() const {
    return model_->list().title();
}

void KORVAPlaneView::addMenuCommands(QMenu& menu) {
    addCommands(menu, {Cmd::AddNew, Cmd::Change});
    menu.addSeparator();
    // The plane list has nothing to print, whatever the other windows print.
    QAction* print = menu.addAction(commands().action(Cmd::Print)->icon(),
                                    commands().action(Cmd::Print)->text());
    print->setEnabled(false);
}

}  // namespace korva

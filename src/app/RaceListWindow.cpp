#include "app/RaceListWindow.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "race/KORVARaceDoc.h"

namespace korva {

RaceListWindow::RaceListWindow(KORVARaceDoc& race, const QStringList& columns, const QString& title,
                               QWidget* parent)
    : RaceWindow(race, parent), list_(new QTreeWidget(this)), title_(title) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    list_->setHeaderLabels(columns);
    list_->setRootIsDecorated(false);
    list_->setAlternatingRowColors(true);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->header()->setStretchLastSection(false);
    setWindowTitle(title_ + QStringLiteral("   "));
    filter_ = race.bracketFilter;
}

QTreeWidgetItem* RaceListWindow::addRow(const QStringList& cells) {
    return new QTreeWidgetItem(list_, cells);
}

void RaceListWindow::refresh(bool refill) {
    if (refill) {
        list_->setUpdatesEnabled(false);
        list_->clear();
        fill();
        list_->header()->resizeSections(QHeaderView::ResizeToContents);
        list_->setUpdatesEnabled(true);
    } else {
        list_->viewport()->update();
    }
    updateTitle();
}

void RaceListWindow::setBracketFilter(int bracket) {
    filter_ = bracket;
    refresh(true);
}

void RaceListWindow::updateTitle() {
    setWindowTitle(title_ + QStringLiteral(" - ") + toQt(race().raceTitle));
}

}  // namespace korva

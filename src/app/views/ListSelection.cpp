#include "app/views/ListSelection.h"

#include <QKeyEvent>
#include <QTreeView>

namespace korva {

void selectListRow(QTreeView* list, int row) {
    const QAbstractItemModel* model = list->model();
    if (!model || row < 0 || row >= model->rowCount()) {
        list->selectionModel()->clear();
        return;
    }
    const QModelIndex index = model->index(row, 0);
    list->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(index);
}

bool isEnterPress(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace korva

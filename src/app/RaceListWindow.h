#pragma once
// A race window holding one plain list: the common part of the pilot, plane and heat windows.

#include <QStringList>
#include <QTreeWidget>

#include "app/RaceWindow.h"

namespace korva {

class RaceListWindow : public RaceWindow {
    Q_OBJECT
public:
    RaceListWindow(KORVARaceDoc& race, const QStringList& columns, const QString& title,
                   QWidget* parent);

    void refresh(bool refill) override;
    void setBracketFilter(int bracket) override;
    int bracketFilter() const override { return filter_; }
    int rowCount() const override { return list_->topLevelItemCount(); }
    QTreeWidget* list() const { return list_; }

protected:
    // Adds the rows of the race for the current filter.
    virtual void fill() = 0;
    QTreeWidgetItem* addRow(const QStringList& cells);

private:
    void updateTitle();

    QTreeWidget* list_;
    QString title_;
    int filter_ = -1;
};

}  // namespace korva

#pragma once
// The rows of the heat window as a Qt model: texts of either layout, the
// complete-heat mark, a band of colour per round so that rounds stand apart, and lanes in
// channel conflict in red with the conflict in their tooltip.

#include <QAbstractTableModel>
#include <QIcon>
#include <vector>

#include "views/HeatListRows.h"

namespace korva {

class HeatSheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit HeatSheetModel(QObject* parent);

    void setColumns(std::vector<HeatListColumn> columns);
    void setRows(std::vector<HeatListRow> rows);
    const std::vector<HeatListColumn>& columns() const { return columns_; }
    const HeatListRow* row(int index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString text(const HeatListRow& row, int column) const;

    std::vector<HeatListColumn> columns_;
    std::vector<HeatListRow> rows_;
    QIcon complete_;
};

}  // namespace korva

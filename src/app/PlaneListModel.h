#pragma once
// The plane list as a table model: the rows, texts, icons and order of PlaneListRows.

#include <array>

#include "app/RaceListModel.h"
#include "views/PlaneListRows.h"

namespace korva {

class PlaneListModel final : public RaceListModel {
public:
    PlaneListModel(const KORVARaceDoc& race, QObject* parent);

    const PlaneListRows& list() const { return rows_; }
    const KORVAPlane* planeAt(int row) const;

    int sortSection() const override;
    int filter() const override { return rows_.filter(); }
    ColumnWidthKey widthKey(int section) const override;
    int storedWidth(const SettingsStore& settings, int section) const override;
    std::int32_t numberAt(int row) const override;

protected:
    void refillRows() override { rows_.refill(); }
    void sortRows() override { rows_.sort(); }
    void setSortSection(int section) override;
    void filterRows(int bracket) override { rows_.setFilter(bracket); }
    int rows() const override { return static_cast<int>(rows_.rows().size()); }
    int sections() const override { return PlaneListRows::kColumnCount; }
    std::string cell(int row, int section) const override;
    std::string title(int section) const override;
    bool numeric(int section) const override;
    QPixmap icon(int row) const override;
    QString iconTip(int row) const override;

private:
    PlaneListRows rows_;
    std::array<QPixmap, kPlaneIconCount> icons_;
};

}  // namespace korva

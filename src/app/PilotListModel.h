#pragma once
// The pilot list as a table model: the rows, texts, icons and order of PilotListRows.

#include <array>

#include "app/RaceListModel.h"
#include "views/PilotListRows.h"

namespace korva {

class PilotListModel final : public RaceListModel {
public:
    PilotListModel(KORVARaceDoc& race, const StandingsSource& standings, QObject* parent);

    const PilotListRows& list() const { return rows_; }
    // The column shown in a section.
    PilotColumn column(int section) const { return columns_[static_cast<std::size_t>(section)]; }
    const KORVAPilot* pilotAt(int row) const;

    int sortSection() const override;
    int filter() const override { return rows_.filter(); }
    ColumnWidthKey widthKey(int section) const override;
    int storedWidth(const SettingsStore& settings, int section) const override;
    std::int32_t numberAt(int row) const override;

protected:
    void refillRows() override;
    void sortRows() override { rows_.sort(); }
    void setSortSection(int section) override;
    void filterRows(int bracket) override;
    int rows() const override { return static_cast<int>(rows_.rows().size()); }
    int sections() const override { return static_cast<int>(columns_.size()); }
    std::string cell(int row, int section) const override;
    std::string title(int section) const override;
    bool numeric(int section) const override;
    QPixmap icon(int row) const override;
    QString iconTip(int row) const override;

private:
    PilotListRows rows_;
    std::vector<PilotColumn> columns_;  // taken at every refill: FAI races show fewer
    std::array<QPixmap, kPilotIconCount> icons_;
};

}  // namespace korva

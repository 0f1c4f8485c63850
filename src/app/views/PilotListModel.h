#pragma once
// The pilot list as a table model: the rows, texts, icons and order of PilotListRows.

#include <array>

#include "app/views/RaceListModel.h"
#include "race/KORVAPilot.h"
#include "views/PilotListRows.h"

namespace korva {

class PilotListModel final : public ListRowsModel<PilotListRows, &KORVAPilot::pilotNumber> {
public:
    PilotListModel(KORVARaceDoc& race, const StandingsSource& standings, QObject* parent);

    // The column shown in a section.
    PilotColumn column(int section) const { return columns_[static_cast<std::size_t>(section)]; }

    int sortSection() const override;
    ColumnWidthKey widthKey(int section) const override;
    int storedWidth(const SettingsStore& settings, int section) const override;

protected:
    void refillRows() override;
    void setSortSection(int section) override;
    int sections() const override { return static_cast<int>(columns_.size()); }
    std::string cell(int row, int section) const override;
    std::string title(int section) const override;
    bool numeric(int section) const override;
    QPixmap icon(int row) const override;
    QString iconTip(int row) const override;

private:
    std::vector<PilotColumn> columns_;  // taken at every refill: FAI races show fewer
    std::array<QPixmap, kPilotIconCount> icons_;
};

}  // namespace korva

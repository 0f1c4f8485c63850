#pragma once
// The plane list as a table model: the rows, texts, icons and order of PlaneListRows.

#include <array>

#include "app/views/RaceListModel.h"
#include "race/KORVAPlane.h"
#include "views/PlaneListRows.h"

namespace korva {

class PlaneListModel final : public ListRowsModel<PlaneListRows, &KORVAPlane::planeNumber> {
public:
    PlaneListModel(const KORVARaceDoc& race, QObject* parent);

    // Lists only the planes not yet safety checked, or all again.
    void setUncheckedOnly(bool only);

    int sortSection() const override;
    ColumnWidthKey widthKey(int section) const override;
    int storedWidth(const SettingsStore& settings, int section) const override;

protected:
    void setSortSection(int section) override;
    int sections() const override { return PlaneListRows::kColumnCount; }
    std::string cell(int row, int section) const override;
    std::string title(int section) const override;
    bool numeric(int section) const override;
    QPixmap icon(int row) const override;
    QString iconTip(int row) const override;

private:
    std::array<QPixmap, kPlaneIconCount> icons_;
};

}  // namespace korva

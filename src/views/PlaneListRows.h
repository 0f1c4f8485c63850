#pragma once
// The plane list without its window: which planes show, in which order, with which texts,
// icons, columns and widths.

#include <optional>
#include <string>
#include <vector>

#include "session/ColumnWidths.h"

namespace korva {

class KORVAPilot;
class KORVAPlane;
class KORVARaceDoc;
class SettingsStore;

enum class PlaneColumn { Name, Number, Class, Color, Description, Engine };

enum PlaneIcon : int {
    kIconCheckedPrimary = 0,
    kIconCheckedBackup = 1,
    kIconNotChecked = 2,
    kPlaneIconCount = 3,
};

class PlaneListRows {
public:
    static constexpr int kColumnCount = 6;

    explicit PlaneListRows(const KORVARaceDoc& doc);

    void refill();
    void sort();
    void setSortColumn(PlaneColumn column);
    // Until a column title is clicked the planes keep the race's order.
    std::optional<PlaneColumn> sortColumn() const { return sortColumn_; }
    // -1 for every bracket; with a bracket set, backup planes are left out. Refills.
    void setFilter(int bracket);
    int filter() const { return filter_; }
    // Only the planes still waiting for their safety check, the desk's to-do list. Refills.
    void setUncheckedOnly(bool only);
    bool uncheckedOnly() const { return uncheckedOnly_; }

    const std::vector<const KORVAPlane*>& rows() const { return rows_; }
    // The pilot who owns the plane; none for a plane whose pilot is gone.
    const KORVAPilot* owner(const KORVAPlane& plane) const;

    static std::string columnTitle(PlaneColumn column);
    static ColumnWidthKey widthKey(PlaneColumn column);
    static int columnWidth(const SettingsStore& settings, PlaneColumn column);

    std::string cellText(const KORVAPlane& plane, PlaneColumn column) const;
    static int icon(const KORVAPlane& plane);
    // "Planes - " and the race title.
    std::string title() const;

private:
    bool shows(const KORVAPlane& plane) const;

    const KORVARaceDoc& doc_;
    std::vector<const KORVAPlane*> rows_;
    std::optional<PlaneColumn> sortColumn_;
    int filter_ = -1;
    bool uncheckedOnly_ = false;
};

}  // namespace korva

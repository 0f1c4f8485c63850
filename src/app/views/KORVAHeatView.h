#pragma once
// The heat window: one row per heat of every matrixed bracket, in matrix order, in the
// heat-sheet layout (who flies in which lane). Column widths come from and go back to
// the "Views" settings.

#include <vector>

#include "app/views/RaceWindow.h"
#include "views/HeatListRows.h"

class QTreeView;

namespace korva {

class CommandTable;
class HeatSheetModel;
class KORVAHeat;

class KORVAHeatView : public RaceWindow {
    Q_OBJECT
public:
    KORVAHeatView(KORVARaceDoc& race, CommandTable& commands, QWidget* parent);
    ~KORVAHeatView() override;

    WindowKind kind() const override { return WindowKind::Heats; }
    void refresh(bool refill) override;
    void setBracketFilter(int bracket) override;
    int bracketFilter() const override { return filter_; }
    int rowCount() const override;

    HeatListLayout layout() const { return layout_; }
    // Lane columns shown: the most lanes of any listed bracket's matrix.
    int laneColumns() const { return lanes_; }
    // The heat of the selected row; null when no row is selected.
    const KORVAHeat* selectedHeat() const;
    QTreeView* list() const { return list_; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void fill();
    int lanesToShow() const;
    // Builds the columns again when the layout or the lanes shown changed.
    void buildColumns(int lanes);
    void storeWidths();
    // Columns without a stored width take the width of their contents, once there are rows.
    void fitUnsizedColumns();

    CommandTable& commands_;
    HeatSheetModel* model_;
    QTreeView* list_;
    HeatListLayout layout_ = HeatListLayout::Sheets;
    HeatListLayout builtLayout_ = HeatListLayout::Sheets;
    int filter_ = -1;
    int lanes_ = 0;  // no columns built yet
    std::vector<bool> unsized_;
};

}  // namespace korva

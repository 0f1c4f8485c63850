#pragma once
// The heat window: one row per heat of every matrixed bracket, in matrix order, as heat
// sheets (who flies in which lane) or heat cards (the entered results). Each layout has its
// own column widths, from and back to the "Views" settings. The selected heat stays
// selected across refills; Enter and a double click ask for its results.

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
    // Switches the layout and refills.
    void setLayout(HeatListLayout layout);
    // Lane columns shown: the most lanes of any listed bracket's matrix.
    int laneColumns() const { return lanes_; }
    // The heat of the selected row; null when no row is selected.
    const KORVAHeat* selectedHeat() const;
    // The selected row; null when none.
    const HeatListRow* selectedRow() const;
    void selectRow(int row);
    // Moves the selection to the first heat after it without results, from the top again
    // when none follows; stays where it is when every heat is complete.
    void selectNextOpenHeat();
    QTreeView* list() const { return list_; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Which heat a row shows, to find it again after a refill.
    struct HeatKey {
        int bracket = -1;
        int roundIndex = 0;
        int heatIndex = 0;
    };

    void fill();
    void enterResults();
    int rowOf(const HeatKey& key) const;
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
    HeatKey selected_;
    bool reselecting_ = false;
    bool filled_ = false;
};

}  // namespace korva

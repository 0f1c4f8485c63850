#pragma once
// A race window showing one list model: stored column widths (the name column fitted to the
// names until the user sizes it), sorting by a click on a column title, the selection kept
// across refills, the context menu, double click and Enter, and Delete.

#include <QTreeView>
#include <functional>
#include <string>
#include <vector>

#include "app/AppCommands.h"
#include "app/views/RaceWindow.h"
#include "session/ColumnWidths.h"

class QMenu;

namespace korva {

class RaceListModel;
class SettingsStore;

class RaceListView : public RaceWindow {
    Q_OBJECT
public:
    RaceListView(KORVARaceDoc& race, CommandTable& commands, QWidget* parent);
    // The widths are stored back when the window goes.
    ~RaceListView() override;

    void refresh(bool refill) override;
    void setBracketFilter(int bracket) override;
    int bracketFilter() const override;
    int rowCount() const override;

    QTreeView* list() const { return list_; }
    // Sorts as a click on the title of the section does.
    void sortBySection(int section);
    // The row of the selection (the first one of several), -1 for none.
    int selectedRow() const;
    // The numbers of every selected row, top to bottom.
    std::vector<std::int32_t> selectedNumbers() const;
    void selectRow(int row);
    // Adds a row to the selection of a list that takes several.
    void addRowToSelection(int row);
    // Selects the row of the pilot or plane with this number, if it is listed.
    void selectNumber(std::int32_t number);

protected:
    // Derived views set their model once, in their constructor.
    void setModel(RaceListModel* model);
    // Lets the user select several rows (shift and control clicks).
    void allowSeveralRows();
    // Runs a change of the model's rows, keeping widths, scroll position and selection.
    void reloadModel(const std::function<void()>& reload) { reloadKeepingView(reload); }
    CommandTable& commands() const { return commands_; }
    // The number (pilot or plane) the race remembers as selected, and storing a new one.
    virtual std::int32_t selectedNumber() const = 0;
    virtual void rememberSelection(std::int32_t number) = 0;
    virtual std::string windowTitleText() const = 0;
    // The commands after the class filters in the context menu.
    virtual void addMenuCommands(QMenu& menu) = 0;
    void addCommands(QMenu& menu, std::initializer_list<Cmd> list);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs a reload of the model and keeps the column widths, the scroll position and the
    // selection as they were. `newRows`: the rows may be others, so the names are measured.
    void reloadKeepingView(const std::function<void()>& reload, bool newRows = true);
    void storeWidths();
    void reselect(const std::vector<std::int32_t>& selected);
    // The name column takes the width of its longest name while no width is stored for it.
    void fitNameColumn();
    void showMenu(const QPoint& at);
    void change();
    void runIfEnabled(Cmd cmd);

    CommandTable& commands_;
    SettingsStore& settings_;
    QTreeView* list_;
    RaceListModel* model_ = nullptr;
    std::vector<ColumnWidthKey> applied_;  // the sections the stored widths were applied to
    bool reselecting_ = false;
    bool fitName_ = false;  // no width stored for the name column, and the user never set one
    bool sizing_ = false;   // the program, not the user, is sizing columns
};

}  // namespace korva

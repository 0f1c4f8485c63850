#include "app/views/KORVAHeatView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/AppCommands.h"
#include "app/views/HeatSheetModel.h"
#include "app/views/ListSelection.h"
#include "app/MainMenus.h"
#include "app/QtText.h"
#include "race/KORVARaceDoc.h"

namespace korva {

namespace {
constexpr int kFirstLaneColumn = 2;
constexpr int kColumnPadding = 8;  // air between a fitted column's text and the next
}  // namespace

KORVAHeatView::KORVAHeatView(KORVARaceDoc& race, CommandTable& commands, QWidget* parent)
    : RaceWindow(race, parent),
      commands_(commands),
      model_(new HeatSheetModel(this)),
      list_(new QTreeView(this)),
      filter_(race.bracketFilter) {
    setObjectName(QStringLiteral("heatView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    list_->setObjectName(QStringLiteral("heatList"));
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setIconSize(QSize(18, 18));
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionsMovable(false);
    list_->installEventFilter(this);
    connect(list_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) enterResults();
    });
    connect(list_, &QTreeView::clicked, this, [this] { commands_.update(); });
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (reselecting_) return;
        const HeatListRow* row = selectedRow();
        selected_ = row ? HeatKey{row->bracket, row->roundIndex, row->heatIndex} : HeatKey{};
    });
    setWindowTitle(tr("Heats"));
}

KORVAHeatView::~KORVAHeatView() {
    storeWidths();
}

int KORVAHeatView::rowCount() const {
    return model_->rowCount();
}

int KORVAHeatView::lanesToShow() const {
    int lanes = 0;
    for (int b = 0; b < kBracketCount; ++b) {
        if (filter_ != -1 && filter_ != b) continue;
        const KORVAMatrix& m = race().raceMatrix.matrix(b);
        if (m.hasRounds()) lanes = std::max(lanes, static_cast<int>(m.LaneQuan));
    }
    // A list without heats still shows every lane column.
    return lanes >= 1 && lanes <= KORVAHeat::kLanes ? lanes : KORVAHeat::kLanes;
}

void KORVAHeatView::buildColumns(int lanes) {
    if (lanes == lanes_ && layout_ == builtLayout_) return;
    storeWidths();
    lanes_ = lanes;
    builtLayout_ = layout_;
    model_->setColumns(heatListColumns(layout_));
    const SettingsStore& settings = race().services().settings;
    QHeaderView* header = list_->header();
    const auto& columns = model_->columns();
    unsized_.assign(columns.size(), false);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int section = static_cast<int>(i);
        const std::optional<int> stored = storedColumnWidth(settings, columns[i].width);
        unsized_[i] = !stored;
        header->setSectionResizeMode(section, QHeaderView::Interactive);
        header->resizeSection(section, stored.value_or(columns[i].width.width));
        list_->setColumnHidden(section, section >= kFirstLaneColumn + lanes_);
    }
}

void KORVAHeatView::fitUnsizedColumns() {
    if (model_->rowCount() == 0) return;
    const auto& columns = model_->columns();
    for (std::size_t i = 0; i < unsized_.size() && i < columns.size(); ++i) {
        const int section = static_cast<int>(i);
        if (!unsized_[i] || list_->isColumnHidden(section)) continue;
        unsized_[i] = false;
        list_->resizeColumnToContents(section);
        const int fitted = list_->header()->sectionSize(section) + kColumnPadding;
        list_->header()->resizeSection(section, std::max(fitted, columns[i].width.width));
    }
}

void KORVAHeatView::storeWidths() {
    if (lanes_ == 0) return;
    SettingsStore& settings = race().services().settings;
    const auto& columns = model_->columns();
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        if (list_->isColumnHidden(i)) continue;
        storeColumnWidth(settings, columns[static_cast<std::size_t>(i)].width,
                         list_->header()->sectionSize(i));
    }
}

void KORVAHeatView::fill() {
    // New rows lose the selection and the scroll position; both are put back.
    const int scrolled = list_->verticalScrollBar()->value();
    reselecting_ = true;
    buildColumns(lanesToShow());
    model_->setRows(heatListRows(race(), filter_, layout_));
    fitUnsizedColumns();
    list_->verticalScrollBar()->setValue(scrolled);
    const int row = rowOf(selected_);
    if (row < 0) selected_ = {};
    selectRow(row);
    reselecting_ = false;
    // A window just opened starts at the next heat to fly, ready for its results: a row
    // that only looked current would leave Enter Results and the reset commands disabled.
    if (!filled_ && row < 0) selectNextOpenHeat();
    filled_ = true;
}

void KORVAHeatView::setLayout(HeatListLayout layout) {
    if (layout == layout_) return;
    layout_ = layout;
    fill();
}

int KORVAHeatView::rowOf(const HeatKey& key) const {
    if (key.bracket < 0) return -1;
    for (int i = 0; i < model_->rowCount(); ++i) {
        const HeatListRow* r = model_->row(i);
        if (r->bracket == key.bracket && r->roundIndex == key.roundIndex &&
            r->heatIndex == key.heatIndex) {
            return i;
        }
    }
    return -1;
}

void KORVAHeatView::selectRow(int row) {
    selectListRow(list_, row);
}

void KORVAHeatView::selectNextOpenHeat() {
    const int rows = model_->rowCount();
    const QModelIndexList selected = list_->selectionModel()->selectedRows();
    const int from = selected.isEmpty() ? -1 : selected.first().row();
    for (int step = 1; step <= rows; ++step) {
        const int row = (from + step) % rows;
        if (!model_->row(row)->complete) {
            selectRow(row);
            return;
        }
    }
}

void KORVAHeatView::refresh(bool refill) {
    if (refill || lanes_ == 0) {
        fill();
    } else {
        list_->viewport()->update();
    }
    setWindowTitle(tr("Heats") + QStringLiteral(" - ") + toQt(race().raceTitle));
}

void KORVAHeatView::setBracketFilter(int bracket) {
    if (bracket == filter_) return;
    filter_ = bracket;
    refresh(true);
}

const HeatListRow* KORVAHeatView::selectedRow() const {
    const QModelIndexList selected = list_->selectionModel()->selectedRows();
    return selected.isEmpty() ? nullptr : model_->row(selected.first().row());
}

const KORVAHeat* KORVAHeatView::selectedHeat() const {
    const HeatListRow* row = selectedRow();
    if (!row) return nullptr;
    const KORVARound* round = race().raceMatrix.matrix(row->bracket).roundAt(row->roundIndex);
    return round ? round->heatAt(row->heatIndex) : nullptr;
}

void KORVAHeatView::enterResults() {
    commands_.update();
    QAction* enter = commands_.action(Cmd::EnterResults);
    if (enter->isEnabled()) enter->trigger();
}

bool KORVAHeatView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && isEnterPress(event) && selectedRow()) {
        enterResults();
        return true;
    }
    return RaceWindow::eventFilter(watched, event);
}

void KORVAHeatView::contextMenuEvent(QContextMenuEvent* event) {
    // A right click selects the heat it lands on, as a left click would.
    const QModelIndex under = list_->indexAt(list_->viewport()->mapFromGlobal(event->globalPos()));
    if (under.isValid()) list_->setCurrentIndex(under);
    commands_.update();
    QMenu menu(this);
    fillHeatContextMenu(&menu, commands_);
    menu.exec(event->globalPos());
}

}  // namespace korva

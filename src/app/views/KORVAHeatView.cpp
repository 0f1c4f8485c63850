#include "app/views/KORVAHeatView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/AppCommands.h"
#include "app/views/HeatSheetModel.h"
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
    // A double click asks for the heat's results, once result entry is there.
    connect(list_, &QTreeView::doubleClicked, this, [this] {
        QAction* enter = commands_.action(Cmd::EnterResults);
        if (enter->isEnabled()) enter->trigger();
    });
    connect(list_, &QTreeView::clicked, this, [this] { commands_.update(); });
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
    buildColumns(lanesToShow());
    model_->setRows(heatSheetRows(race(), filter_));
    fitUnsizedColumns();
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

const KORVAHeat* KORVAHeatView::selectedHeat() const {
    const QModelIndex current = list_->selectionModel()->currentIndex();
    const HeatListRow* row = current.isValid() ? model_->row(current.row()) : nullptr;
    if (!row || !list_->selectionModel()->isRowSelected(current.row())) return nullptr;
    const KORVARound* round = race().raceMatrix.matrix(row->bracket).roundAt(row->roundIndex);
    return round ? round->heatAt(row->heatIndex) : nullptr;
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

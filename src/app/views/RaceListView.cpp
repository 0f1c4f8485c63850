#include "app/views/RaceListView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "app/pictures/ListIcons.h"
#include "app/QtText.h"
#include "app/views/ListSelection.h"
#include "app/views/RaceListModel.h"
#include "race/KORVARaceDoc.h"

namespace korva {

namespace {
const Cmd kClassFilters[] = {Cmd::ViewAllClasses, Cmd::ViewBracket0, Cmd::ViewBracket1,
                             Cmd::ViewBracket2};
constexpr int kNameSection = 0;      // both lists show the name first
constexpr int kNamePadding = 16;     // the cell's margins around icon and text
constexpr int kMaxFittedName = 320;  // longer names end in the tooltip, not in a wider column

bool sameKeys(const std::vector<ColumnWidthKey>& a, const std::vector<ColumnWidthKey>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::strcmp(a[i].key, b[i].key) != 0) return false;
    }
    return true;
}
}  // namespace

RaceListView::RaceListView(KORVARaceDoc& race, CommandTable& commands, QWidget* parent)
    : RaceWindow(race, parent),
      commands_(commands),
      settings_(race.services().settings),
      list_(new QTreeView(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    list_->setObjectName(QStringLiteral("list"));
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setIconSize(QSize(kListIconSize, kListIconSize));
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    QHeaderView* header = list_->header();
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    header->setHighlightSections(false);
    list_->installEventFilter(this);
    connect(header, &QHeaderView::sectionClicked, this, &RaceListView::sortBySection);
    // Once the user sizes the name column, that width is the one kept.
    connect(header, &QHeaderView::sectionResized, this, [this](int section) {
        if (!sizing_ && section == kNameSection) fitName_ = false;
    });
    connect(list_, &QWidget::customContextMenuRequested, this, &RaceListView::showMenu);
    connect(list_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) change();
    });
}

RaceListView::~RaceListView() {
    storeWidths();
}

void RaceListView::setModel(RaceListModel* model) {
    model_ = model;
    list_->setModel(model);
    // The highlighted row is the selection; the current index alone may sit on a row the
    // user never chose (the list sets one when it gets the focus).
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (reselecting_) return;
        const int row = selectedRow();
        rememberSelection(row >= 0 ? model_->numberAt(row) : -1);
        commands_.update();  // what the selection allows, at once and not a tick later
    });
}

int RaceListView::bracketFilter() const {
    return model_->filter();
}

int RaceListView::rowCount() const {
    return model_->rowCount();
}

void RaceListView::allowSeveralRows() {
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

int RaceListView::selectedRow() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    int first = -1;
    for (const QModelIndex& index : rows) {
        if (first < 0 || index.row() < first) first = index.row();
    }
    return first;
}

std::vector<std::int32_t> RaceListView::selectedNumbers() const {
    std::vector<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    std::vector<std::int32_t> numbers;
    for (int row : rows) numbers.push_back(model_->numberAt(row));
    return numbers;
}

void RaceListView::addRowToSelection(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    list_->selectionModel()->select(model_->index(row, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void RaceListView::selectRow(int row) {
    selectListRow(list_, row);
}

void RaceListView::selectNumber(std::int32_t number) {
    const int row = model_->rowOf(number);
    if (row >= 0) selectRow(row);
}

void RaceListView::refresh(bool refill) {
    reloadKeepingView([this, refill] { model_->reload(refill); }, refill);
    setWindowTitle(toQt(windowTitleText()));
}

void RaceListView::setBracketFilter(int bracket) {
    reloadKeepingView([this, bracket] { model_->setFilter(bracket); });
}

void RaceListView::sortBySection(int section) {
    reloadKeepingView([this, section] { model_->sortBySection(section); }, false);
}

void RaceListView::reloadKeepingView(const std::function<void()>& reload, bool newRows) {
    // A model reset puts the columns back to their default sizes and the list to its top.
    QHeaderView* header = list_->header();
    std::vector<int> sizes;
    for (int i = 0; i < header->count(); ++i) sizes.push_back(header->sectionSize(i));
    const int scrolled = list_->verticalScrollBar()->value();
    const std::vector<ColumnWidthKey> before = applied_;
    const std::vector<std::int32_t> selected = selectedNumbers();
    sizing_ = true;

    reload();

    std::vector<ColumnWidthKey> now;
    for (int i = 0; i < model_->columnCount(); ++i) now.push_back(model_->widthKey(i));
    if (sameKeys(before, now)) {
        for (int i = 0; i < header->count() && i < static_cast<int>(sizes.size()); ++i) {
            header->resizeSection(i, sizes[static_cast<std::size_t>(i)]);
        }
    } else {
        // Another set of columns (the race became an FAI race): keep the old widths, show
        // the stored ones of the new set.
        for (std::size_t i = 0; i < before.size() && i < sizes.size(); ++i) {
            storeColumnWidth(settings_, before[i], sizes[i]);
        }
        // Never narrower than the title: the stored widths come from smaller fonts.
        header->setSortIndicatorShown(true);
        for (int i = 0; i < header->count(); ++i) {
            header->resizeSection(
                i, std::max(model_->storedWidth(settings_, i), header->sectionSizeHint(i)));
        }
        applied_ = now;
        fitName_ = !now.empty() && !storedColumnWidth(settings_, now[kNameSection]);
    }
    if (newRows) fitNameColumn();
    sizing_ = false;
    const int sorted = model_->sortSection();
    header->setSortIndicatorShown(sorted >= 0);
    if (sorted >= 0) header->setSortIndicator(sorted, Qt::AscendingOrder);
    list_->verticalScrollBar()->setValue(scrolled);
    reselect(selected);
}

void RaceListView::reselect(const std::vector<std::int32_t>& selected) {
    const int row = model_->rowOf(selectedNumber());
    // A pilot or plane no longer listed is no longer selected.
    if (row < 0) rememberSelection(-1);
    reselecting_ = true;
    selectRow(row);
    if (list_->selectionMode() == QAbstractItemView::ExtendedSelection) {
        for (std::int32_t number : selected) addRowToSelection(model_->rowOf(number));
        if (row < 0 && selectedRow() >= 0) rememberSelection(model_->numberAt(selectedRow()));
    }
    reselecting_ = false;
}

void RaceListView::fitNameColumn() {
    if (!fitName_ || model_->columnCount() <= kNameSection) return;
    const QFontMetrics metrics = list_->fontMetrics();
    int widest = 0;
    for (int row = 0; row < model_->rowCount(); ++row) {
        const QString name = model_->index(row, kNameSection).data().toString();
        widest = std::max(widest, metrics.horizontalAdvance(name));
    }
    widest += list_->iconSize().width() + kNamePadding;
    const int least = std::max(model_->widthKey(kNameSection).width,
                               list_->header()->sectionSizeHint(kNameSection));
    list_->header()->resizeSection(kNameSection, std::clamp(widest, least, kMaxFittedName));
}

void RaceListView::storeWidths() {
    QHeaderView* header = list_->header();
    for (std::size_t i = 0; i < applied_.size() && static_cast<int>(i) < header->count(); ++i) {
        // A fitted name column follows the names; storing it would freeze it.
        if (fitName_ && static_cast<int>(i) == kNameSection) continue;
        storeColumnWidth(settings_, applied_[i], header->sectionSize(static_cast<int>(i)));
    }
}

void RaceListView::addCommands(QMenu& menu, std::initializer_list<Cmd> list) {
    for (Cmd c : list) menu.addAction(commands_.action(c));
}

void RaceListView::showMenu(const QPoint& at) {
    const QModelIndex index = list_->indexAt(at);
    if (index.isValid()) selectRow(index.row());
    commands_.update();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("listMenu"));
    for (Cmd c : kClassFilters) {
        if (commands_.action(c)->isVisible()) menu.addAction(commands_.action(c));
    }
    menu.addSeparator();
    addMenuCommands(menu);
    menu.exec(list_->viewport()->mapToGlobal(at));
}

void RaceListView::change() {
    runIfEnabled(Cmd::Change);
}

void RaceListView::runIfEnabled(Cmd cmd) {
    commands_.update();
    QAction* a = commands_.action(cmd);
    if (a->isEnabled()) a->trigger();
}

bool RaceListView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && isEnterPress(event) && selectedRow() >= 0) {
        change();
        return true;
    }
    // Delete asks, as the menu's command does; only the pilot window enables it.
    if (watched == list_ && event->type() == QEvent::KeyPress && selectedRow() >= 0 &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        runIfEnabled(Cmd::DeletePilot);
        return true;
    }
    return RaceWindow::eventFilter(watched, event);
}

}  // namespace korva

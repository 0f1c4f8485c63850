#include "app/views/RaceListView.h"

#include <QHeaderView>
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
    });
}

int RaceListView::bracketFilter() const {
    return model_->filter();
}

int RaceListView::rowCount() const {
    return model_->rowCount();
}

int RaceListView::selectedRow() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void RaceListView::selectRow(int row) {
    selectListRow(list_, row);
}

void RaceListView::selectNumber(std::int32_t number) {
    const int row = model_->rowOf(number);
    if (row >= 0) selectRow(row);
}

void RaceListView::refresh(bool refill) {
    reloadKeepingView([this, refill] { model_->reload(refill); });
    setWindowTitle(toQt(windowTitleText()));
}

void RaceListView::setBracketFilter(int bracket) {
    reloadKeepingView([this, bracket] { model_->setFilter(bracket); });
}

void RaceListView::sortBySection(int section) {
    reloadKeepingView([this, section] { model_->sortBySection(section); });
}

void RaceListView::reloadKeepingView(const std::function<void()>& reload) {
    // A model reset puts the columns back to their default sizes and the list to its top.
    QHeaderView* header = list_->header();
    std::vector<int> sizes;
    for (int i = 0; i < header->count(); ++i) sizes.push_back(header->sectionSize(i));
    const int scrolled = list_->verticalScrollBar()->value();
    const std::vector<ColumnWidthKey> before = applied_;

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
    }
    const int sorted = model_->sortSection();
    header->setSortIndicatorShown(sorted >= 0);
    if (sorted >= 0) header->setSortIndicator(sorted, Qt::AscendingOrder);
    list_->verticalScrollBar()->setValue(scrolled);
    reselect();
}

void RaceListView::reselect() {
    const int row = model_->rowOf(selectedNumber());
    // A pilot or plane no longer listed is no longer selected.
    if (row < 0) rememberSelection(-1);
    reselecting_ = true;
    selectRow(row);
    reselecting_ = false;
}

void RaceListView::storeWidths() {
    QHeaderView* header = list_->header();
    for (std::size_t i = 0; i < applied_.size() && static_cast<int>(i) < header->count(); ++i) {
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
    commands_.update();
    QAction* a = commands_.action(Cmd::Change);
    if (a->isEnabled()) a->trigger();
}

bool RaceListView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && isEnterPress(event) && selectedRow() >= 0) {
        change();
        return true;
    }
    return RaceWindow::eventFilter(watched, event);
}

}  // namespace korva

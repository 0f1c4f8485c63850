#include "app/CMainFrame.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "app/views/KORVAHeatView.h"
#include "app/MainMenus.h"
#include "app/views/KORVAPilotView.h"
#include "app/views/KORVAPlaneView.h"
#include "app/pictures/ToolIcons.h"
#include "app/pictures/ZelMDIClientPaint.h"
#include "race/KORVARaceDoc.h"

namespace korva {

namespace {
constexpr int kStatusEveryMs = 3000;
constexpr int kIdleUpdateMs = 250;
constexpr int kToolIconSize = 32;

RaceWindow* raceWindowOf(QMdiSubWindow* sub) {
    return sub ? qobject_cast<RaceWindow*>(sub->widget()) : nullptr;
}

ListWindow listWindowOf(WindowKind kind) {
    switch (kind) {
        case WindowKind::Planes: return ListWindow::Planes;
        case WindowKind::Heats: return ListWindow::Heats;
        default: return ListWindow::Pilots;
    }
}

QString droppedRace(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (path.endsWith(QStringLiteral(".kvr"), Qt::CaseInsensitive)) return path;
    }
    return {};
}
}  // namespace

CMainFrame::CMainFrame(FrameHost& host, SettingsStore& settings, const ClientWindowTexts& texts)
    : host_(host),
      settings_(settings),
      commands_(new CommandTable(this)),
      client_(new ZelMDIClientPaint(texts, this)),
      mainBar_(new QToolBar(tr("Main"), this)),
      windowBar_(new QToolBar(tr("Race"), this)),
      printStatus_(new QLabel(this)) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(programIcon());
    setCentralWidget(client_);
    setAcceptDrops(true);
    for (QToolBar* bar : {mainBar_, windowBar_}) {
        bar->setIconSize(QSize(kToolIconSize, kToolIconSize));
        bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        bar->setMovable(false);
        addToolBar(Qt::TopToolBarArea, bar);
    }
    mainBar_->setObjectName(QStringLiteral("mainToolBar"));
    windowBar_->setObjectName(QStringLiteral("windowToolBar"));
    statusBar()->addPermanentWidget(printStatus_);
    statusBar()->showMessage(tr("Ready"));

    connect(client_, &QMdiArea::subWindowActivated, this, &CMainFrame::windowActivated);
    statusTimer_.setInterval(kStatusEveryMs);
    connect(&statusTimer_, &QTimer::timeout, this, [this] {
        if (statusText_) printStatus_->setText(statusText_());
    });
    idleTimer_.setInterval(kIdleUpdateMs);
    connect(&idleTimer_, &QTimer::timeout, this, [this] {
        commands_->update();
        updateTitle();
    });
    idleTimer_.start();
}

CMainFrame::~CMainFrame() {
    // The windows go before this frame does; their going must not reach it half destroyed.
    disconnect(client_, nullptr, this, nullptr);
    deleteRaceWindows();
}

RaceWindow* CMainFrame::createWindow(WindowKind kind) {
    KORVARaceDoc* race = host_.race();
    if (!race) return nullptr;
    RaceWindow* w = nullptr;
    switch (kind) {
        case WindowKind::Pilots:
            w = new KORVAPilotView(*race, *commands_, nullptr, host_.pilotStandings());
            break;
        case WindowKind::Planes: w = new KORVAPlaneView(*race, *commands_, nullptr); break;
        case WindowKind::Heats: w = new KORVAHeatView(*race, *commands_, nullptr); break;
        case WindowKind::None: return nullptr;
    }
    QMdiSubWindow* sub = client_->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->installEventFilter(this);
    // Before the first show the area has its size only once the frame's layout has run.
    if (!client_->isVisible()) layout()->activate();
    const QSize area =
        client_->isVisible() ? client_->viewport()->size() : client_->contentsRect().size();
    const ScreenRect place =
        listWindowPlacement(settings_, listWindowOf(kind), area.width(), area.height());
    sub->setGeometry(place.left, place.top, place.width(), place.height());
    w->refresh(true);
    sub->show();
    return w;
}

RaceWindow* CMainFrame::window(WindowKind kind) const {
    for (QMdiSubWindow* sub : client_->subWindowList()) {
        RaceWindow* w = raceWindowOf(sub);
        if (w && w->kind() == kind) return w;
    }
    return nullptr;
}

RaceWindow* CMainFrame::showWindow(WindowKind kind) {
    RaceWindow* w = window(kind);
    if (!w) w = createWindow(kind);
    if (!w) return nullptr;
    client_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(w->parentWidget()));
    current_ = kind;
    rebuildMenus();
    return w;
}

void CMainFrame::raceOpened() {
    showWindow(WindowKind::Pilots);
    updateTitle();
}

void CMainFrame::rememberPlace(QMdiSubWindow* sub) {
    const RaceWindow* w = raceWindowOf(sub);
    // A maximised or minimised window has no place of its own to come back to.
    if (!w || sub->isMaximized() || sub->isMinimized()) return;
    const QRect g = sub->geometry();
    storeListWindowPlace(settings_, listWindowOf(w->kind()),
                         {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()});
}

void CMainFrame::deleteRaceWindows() {
    closingWindows_ = true;
    for (QMdiSubWindow* sub : client_->subWindowList()) {
        sub->removeEventFilter(this);
        rememberPlace(sub);
        delete sub;
    }
    closingWindows_ = false;
}

void CMainFrame::closeRaceWindows() {
    deleteRaceWindows();
    current_ = WindowKind::None;
    rebuildMenus();
    updateTitle();
}

int CMainFrame::heatWindowsOpen() const {
    int n = 0;
    for (QMdiSubWindow* sub : client_->subWindowList()) {
        const RaceWindow* w = raceWindowOf(sub);
        n += w && w->kind() == WindowKind::Heats ? 1 : 0;
    }
    return n;
}

void CMainFrame::refreshViews(bool refill) {
    for (QMdiSubWindow* sub : client_->subWindowList()) {
        if (RaceWindow* w = raceWindowOf(sub)) w->refresh(refill);
    }
    commands_->update();
    updateTitle();
}

void CMainFrame::setBracketFilter(int bracket) {
    for (QMdiSubWindow* sub : client_->subWindowList()) {
        if (RaceWindow* w = raceWindowOf(sub)) w->setBracketFilter(bracket);
    }
    commands_->update();
}

void CMainFrame::windowActivated(QMdiSubWindow* sub) {
    // Activation goes away while a dialog has the focus; the current window stays.
    const RaceWindow* w = raceWindowOf(sub);
    if (!w && !client_->subWindowList().isEmpty()) return;
    const WindowKind kind = w ? w->kind() : WindowKind::None;
    if (kind == current_) return;
    current_ = kind;
    rebuildMenus();
}

void CMainFrame::rebuildMenus() {
    MenuContext c{*commands_,
                  current_,
                  host_.race(),
                  host_.recentFiles(),
                  [this](const QString& path) { host_.openRaceFile(path, false); },
                  [this](QMenu* menu) { fillWindowMenu(menu); }};
    if (c.race && c.window == WindowKind::None) c.window = WindowKind::Pilots;
    buildMenuBar(menuBar(), c);
    fillMainToolBar(mainBar_, *commands_);
    fillWindowToolBar(windowBar_, c);
    mainBar_->setVisible(toolbarVisible_ && !c.race);
    windowBar_->setVisible(toolbarVisible_ && c.race);
    commands_->update();
}

void CMainFrame::toggleToolbar() {
    toolbarVisible_ = !toolbarVisible_;
    rebuildMenus();
}

void CMainFrame::fillWindowMenu(QMenu* menu) {
    int n = 0;
    for (QMdiSubWindow* sub : client_->subWindowList()) {
        QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(++n).arg(sub->windowTitle()));
        a->setCheckable(true);
        a->setChecked(sub == client_->currentSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] { client_->setActiveSubWindow(sub); });
    }
}

void CMainFrame::updateTitle() {
    const KORVARaceDoc* race = host_.race();
    if (!race) {
        setWindowTitle(QStringLiteral("KORVARace"));
        setWindowModified(false);
        return;
    }
    const QString file = QFileInfo(QString::fromStdString(race->pathName())).fileName();
    setWindowTitle(QStringLiteral("KORVARace - %1[*]").arg(file));
    setWindowModified(race->isModified());
}

void CMainFrame::startStatusTimer(std::function<QString()> text) {
    statusText_ = std::move(text);
    statusTimer_.start();
}

void CMainFrame::stopStatusTimer() {
    statusTimer_.stop();
    printStatus_->clear();
}

void CMainFrame::placeOnScreen() {
    std::vector<ScreenRect> monitors;
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect g = s->geometry();
        monitors.push_back({g.left(), g.top(), g.left() + g.width(), g.top() + g.height()});
    }
    if (const auto placed = mainWindowPlacement(settings_, monitors)) {
        setGeometry(placed->left, placed->top, placed->width(), placed->height());
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    const QSize size(std::min(1200, avail.width() * 9 / 10),
                     std::min(800, avail.height() * 9 / 10));
    setGeometry(QRect(avail.center() - QPoint(size.width() / 2, size.height() / 2), size));
}

ScreenRect CMainFrame::storedRect() const {
    const QRect g = normalGeometry().isValid() ? normalGeometry() : geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!host_.canClose()) {
        event->ignore();
        return;
    }
    storeMainWindowClosed(settings_, storedRect());
    idleTimer_.stop();
    event->accept();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // Closing the pilot window closes the race, which may ask to save first.
    if (event->type() == QEvent::Close && !closingWindows_) {
        auto* sub = qobject_cast<QMdiSubWindow*>(watched);
        const RaceWindow* w = raceWindowOf(sub);
        if (w && w->kind() == WindowKind::Pilots) {
            event->ignore();
            QTimer::singleShot(0, this, [this] { host_.closeRace(); });
            return true;
        }
        if (w) rememberPlace(sub);
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::contextMenuEvent(QContextMenuEvent* event) {
    if (!host_.race()) return;
    QMenu menu(this);
    fillRaceFileMenu(&menu, *commands_);
    menu.exec(event->globalPos());
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedRace(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString path = droppedRace(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // Opening may ask questions: not from inside the drop.
    QTimer::singleShot(0, this, [this, path] { host_.openRaceFile(path, true); });
}

}  // namespace korva

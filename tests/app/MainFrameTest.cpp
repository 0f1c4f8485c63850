// The main window: background, flight, menus that follow the window and the classes.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QTest>

#include "AppFixture.h"
#include "AppTestSupport.h"
#include "app/CMainFrame.h"
#include "app/pictures/ZelMDIClientPaint.h"

namespace korva::test {
namespace {

QStringList menuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* a : bar->actions()) titles << a->text();
    return titles;
}

QStringList visibleTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions()) {
        if (a->isVisible() && !a->isSeparator()) texts << a->text();
    }
    return texts;
}

QMenu* menuNamed(QMenuBar* bar, const QString& title) {
    for (QAction* a : bar->actions()) {
        if (a->text() == title) return a->menu();
    }
    return nullptr;
}

class MainFrame : public AppFixture {};

TEST_F(MainFrame, EmptyWindowPaintsItsBackgroundAndOffersTheFileCommands) {
    settings.setString("ClientWindow", "ClientMsg2Text", "Fly Low");
    ASSERT_TRUE(start());
    CMainFrame* frame = app->mainFrame();
    frame->resize(900, 600);
    QImage painted(frame->client()->viewport()->size(), QImage::Format_RGB32);
    QPainter p(&painted);
    frame->client()->paintBackground(p, painted.rect());
    p.end();
    // Square (0,0) of the flag is black, (1,0) white; the word sits over the middle.
    EXPECT_EQ(painted.pixelColor(5, 5), QColor(Qt::black));
    EXPECT_EQ(painted.pixelColor(painted.width() / 5 + 5, 5), QColor(Qt::white));
    screenshot(frame, "main-window");

    EXPECT_EQ(menuTitles(frame->menuBar()), (QStringList{"&File", "&View", "&Help"}));
    EXPECT_TRUE(frame->commands().action(Cmd::NewRace)->isEnabled());
    EXPECT_FALSE(frame->commands().action(Cmd::SaveRace)->isEnabled());
    EXPECT_FALSE(frame->commands().action(Cmd::BuildMatrix)->isEnabled());
}

TEST_F(MainFrame, PlaneFliesAcrossUnlessAHeatWindowIsOpen) {
    ASSERT_TRUE(start({QString::fromStdString(sampleRace("Spring.kvr"))}));
    ZelMDIClientPaint* client = app->mainFrame()->client();
    app->mainFrame()->window(WindowKind::Pilots)->parentWidget()->showMinimized();
    ASSERT_TRUE(client->startFlight());
    EXPECT_TRUE(client->flying());
    QTest::qWait(150);
    screenshot(app->mainFrame(), "plane-flight");
    QTRY_VERIFY_WITH_TIMEOUT(!client->flying(), 3000);

    ASSERT_NE(app->mainFrame()->showWindow(WindowKind::Heats), nullptr);
    EXPECT_FALSE(client->startFlight());
    // A race dropped on the window while heats are open is refused.
    const std::string other = sampleRace("Other.kvr", 6);
    KORVARaceDoc* open = app->race();
    app->openRaceFile(QString::fromStdString(other), true);
    EXPECT_EQ(app->race(), open);
}

TEST_F(MainFrame, MenusFollowTheCurrentWindowAndTheClasses) {
    ASSERT_TRUE(start({QString::fromStdString(sampleRace("Spring.kvr"))}));
    CMainFrame* frame = app->mainFrame();
    frame->resize(1000, 700);
    EXPECT_TRUE(menuTitles(frame->menuBar()).contains("&Pilot"));
    QMenu* select = menuNamed(frame->menuBar(), "&Select");
    ASSERT_NE(select, nullptr);
    EXPECT_EQ(visibleTexts(select),
              (QStringList{"View all classes", "View 424", "View 426", "View Q40"}));
    // The filter shown is checked, not greyed out.
    EXPECT_TRUE(frame->commands().action(Cmd::ViewAllClasses)->isEnabled());
    EXPECT_TRUE(frame->commands().action(Cmd::ViewAllClasses)->isChecked());
    screenshot(frame, "main-window-race");

    frame->showWindow(WindowKind::Planes);
    EXPECT_EQ(frame->currentKind(), WindowKind::Planes);
    EXPECT_TRUE(menuTitles(frame->menuBar()).contains("Pl&ane"));
    EXPECT_FALSE(frame->commands().action(Cmd::ViewPlanes)->isEnabled());

    frame->commands().action(Cmd::ViewBracket1)->trigger();
    EXPECT_EQ(app->race()->bracketFilter, 1);
    EXPECT_EQ(frame->window(WindowKind::Pilots)->rowCount(), 3);
    EXPECT_EQ(frame->window(WindowKind::Planes)->rowCount(), 3);

    frame->showWindow(WindowKind::Heats);
    EXPECT_TRUE(menuTitles(frame->menuBar()).contains("H&eat"));
    // Menus swapped again and again do not pile up.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const auto menus = frame->menuBar()->findChildren<QMenu*>().size();
    frame->rebuildMenus();
    frame->rebuildMenus();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frame->menuBar()->findChildren<QMenu*>().size(), menus);
    EXPECT_GT(frame->window(WindowKind::Heats)->rowCount(), 0);

    // Display Inactive refills the lists without the inactive pilot.
    app->race()->pilots[1]->active = 0;
    frame->commands().action(Cmd::DisplayInactive)->trigger();
    EXPECT_EQ(app->race()->showInactive, 0);
    EXPECT_FALSE(frame->commands().action(Cmd::DisplayInactive)->isChecked());
    EXPECT_EQ(frame->window(WindowKind::Pilots)->rowCount(), 2);
}

TEST_F(MainFrame, ClosingThePilotWindowClosesTheRace) {
    ASSERT_TRUE(start({QString::fromStdString(sampleRace("Spring.kvr"))}));
    CMainFrame* frame = app->mainFrame();
    frame->window(WindowKind::Pilots)->parentWidget()->close();
    QTRY_VERIFY_WITH_TIMEOUT(app->race() == nullptr, 2000);
    EXPECT_EQ(menuTitles(frame->menuBar()), (QStringList{"&File", "&View", "&Help"}));
}

}  // namespace
}  // namespace korva::test

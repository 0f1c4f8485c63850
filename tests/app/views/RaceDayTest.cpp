// The registration desk on race morning: safety checks in bulk in the plane window, channel
// conflicts marked in the heat window, the list windows tiled and then where they were left.

#include <QColor>
#include <QTest>

#include "AppFixture.h"
#include "AppTestSupport.h"
#include "ListViewSupport.h"
#include "app/views/HeatSheetModel.h"
#include "app/views/KORVAHeatView.h"
#include "session/WindowPlacement.h"

namespace korva::test {
namespace {

class RaceDay : public AppFixture {
protected:
    QAction* action(Cmd cmd) const { return app->commands().action(cmd); }
    void clickRow(RaceListView* view, int row, Qt::KeyboardModifiers keys = {}) {
        const QRect r = view->list()->visualRect(view->list()->model()->index(row, 1));
        QTest::mouseClick(view->list()->viewport(), Qt::LeftButton, keys, r.center());
    }
};

TEST_F(RaceDay, SeveralSelectedPlanesAreSafetyCheckedAsOneChange) {
    ASSERT_TRUE(start({QString::fromStdString(sampleRace("Desk.kvr", 6, [](KORVARaceDoc& race) {
        for (auto& plane : race.planes) plane->safetyChecked = 0;
    }))}));
    app->mainFrame()->resize(1000, 700);
    KORVAPlaneView* planes = planeView(*app);
    planes->parentWidget()->showMaximized();
    planes->sortBySection(1);
    clickRow(planes, 0);
    clickRow(planes, 2, Qt::ControlModifier);
    clickRow(planes, 4, Qt::ShiftModifier);
    EXPECT_EQ(planes->selectedNumbers(), (std::vector<std::int32_t>{1, 3, 4, 5}));
    QTest::qWait(20);
    screenshot(app->mainFrame(), "plane-list-multi");

    const int changes = app->race()->changeCount;
    ASSERT_TRUE(action(Cmd::SafetyChecked)->isEnabled());
    action(Cmd::SafetyChecked)->trigger();
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(app->race()->planeByNumber(n)->safetyChecked, n == 2 || n == 6 ? 0 : 1) << n;
    }
    EXPECT_EQ(app->race()->changeCount, changes + 1);
    EXPECT_EQ(planes->selectedNumbers().size(), 4u);        // the refill keeps the selection
    EXPECT_FALSE(action(Cmd::SafetyChecked)->isEnabled());  // nothing left to do

    action(Cmd::UncheckedPlanesOnly)->trigger();
    EXPECT_TRUE(action(Cmd::UncheckedPlanesOnly)->isChecked());
    EXPECT_EQ(texts(planes, 1), (QStringList{"2", "6"}));
}

TEST_F(RaceDay, AChannelConflictIsMarkedInRedWithItsReason) {
    samples::SampleSize size;
    size.complete = false;
    ASSERT_TRUE(start({QString::fromStdString(sampleRace("Open.kvr", size))}));
    app->mainFrame()->resize(1100, 700);
    auto* heats = qobject_cast<KORVAHeatView*>(app->mainFrame()->showWindow(WindowKind::Heats));
    ASSERT_NE(heats, nullptr);
    heats->parentWidget()->showMaximized();
    const auto* model = qobject_cast<const HeatSheetModel*>(heats->list()->model());
    const KORVAHeat& heat = *model->row(0)->heat;
    KORVAPilot* first = app->race()->pilotByNumber(heat.lanePilot[0]);
    KORVAPilot* second = app->race()->pilotByNumber(heat.lanePilot[1]);
    ASSERT_TRUE(first && second && heat.lanePilot[2] != 0);
    second->channel = first->channel;
    app->mainFrame()->refreshViews(true);

    const auto colour = [&](int lane) {
        return model->index(0, lane + 2).data(Qt::ForegroundRole);
    };
    EXPECT_EQ(colour(0).value<QColor>(), QColor(190, 0, 0));
    EXPECT_EQ(colour(1).value<QColor>(), QColor(190, 0, 0));
    EXPECT_FALSE(colour(2).isValid());
    EXPECT_TRUE(
        model->index(0, 2)
            .data(Qt::ToolTipRole)
            .toString()
            .contains(QString::fromStdString(" with " + second->shortName() + " in this heat")));
    QTest::qWait(20);
    screenshot(app->mainFrame(), "heat-conflict");
}

TEST_F(RaceDay, ListWindowsAreTiledFirstAndThenOpenWhereTheyWereLeft) {
    const QString path = QString::fromStdString(sampleRace("Tiles.kvr"));
    storeMainWindowClosed(settings, {0, 0, 1200, 800});
    ASSERT_TRUE(start({path}));
    CMainFrame* frame = app->mainFrame();
    QList<QRect> places;
    for (WindowKind kind : {WindowKind::Pilots, WindowKind::Planes, WindowKind::Heats}) {
        places << frame->showWindow(kind)->parentWidget()->geometry();
    }
    EXPECT_FALSE(places[0].intersects(places[1]) || places[1].intersects(places[2]) ||
                 places[0].intersects(places[2]));
    QTest::qWait(20);
    screenshot(frame, "windows-tiled");

    const QRect moved(40, 30, 520, 360);
    frame->window(WindowKind::Planes)->parentWidget()->setGeometry(moved);
    app->closeRace();
    app->openRaceFile(path, false);
    EXPECT_EQ(frame->showWindow(WindowKind::Planes)->parentWidget()->geometry(), moved);
    EXPECT_EQ(frame->window(WindowKind::Pilots)->parentWidget()->geometry(), places[0]);
}

}  // namespace
}  // namespace korva::test

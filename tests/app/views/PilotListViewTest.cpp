// The pilot and plane list windows: sorting by the column titles, the shared class filter,
// stored column widths, the context menu and the status icons.

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "AppFixture.h"
#include "AppTestSupport.h"
#include "ListViewSupport.h"
#include "app/pictures/ListIcons.h"
#include "views/PilotListRows.h"
#include "views/PlaneListRows.h"

namespace korva::test {
namespace {

class PilotList : public AppFixture {};

void clickTitle(RaceListView* view, int section) {
    QHeaderView* header = view->list()->header();
    const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

QStringList sortedNumerically(QStringList list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    return list;
}

TEST_F(PilotList, ColumnTitlesSortAndTheClassFilterIsSharedWithTheOtherWindows) {
    ASSERT_TRUE(start({QString::fromStdString(sampleRace("Spring.kvr", 12))}));
    KORVAPilotView* pilots = pilotView(*app);
    EXPECT_EQ(pilots->list()->header()->sortIndicatorSection(), 3);  // points first

    clickTitle(pilots, 1);
    EXPECT_EQ(texts(pilots, 1).first(), "1");
    EXPECT_EQ(texts(pilots, 1), sortedNumerically(texts(pilots, 1)));
    pilots->selectRow(4);  // pilot 5
    clickTitle(pilots, 0);
    EXPECT_EQ(texts(pilots, 0).mid(0, 4),
              (QStringList{"First1 Last1", "First10 Last10", "First11 Last11", "First12 Last12"}));
    EXPECT_EQ(pilots->list()->header()->sortIndicatorSection(), 0);
    clickTitle(pilots, 5);
    EXPECT_EQ(texts(pilots, 5), sortedNumerically(texts(pilots, 5)));
    // The selected pilot stays selected wherever the sort puts it.
    EXPECT_EQ(texts(pilots, 1).at(pilots->selectedRow()), "5");
    EXPECT_EQ(app->race()->currentSelection, 5);

    KORVAPlaneView* planes = planeView(*app);
    planes->race().planes[0]->backup = 1;
    app->commands().action(Cmd::ViewBracket2)->trigger();
    EXPECT_EQ(app->race()->bracketFilter, 2);
    EXPECT_EQ(texts(pilots, 2), QStringList(4, "Q40"));
    EXPECT_EQ(texts(planes, 2), QStringList(4, "Q40"));
    // The selected pilot is not listed any more, so nothing is selected.
    EXPECT_EQ(app->race()->currentSelection, -1);
    app->commands().action(Cmd::ViewAllClasses)->trigger();
    EXPECT_EQ(pilots->rowCount(), 12);
    EXPECT_EQ(planes->rowCount(), 12);  // the backup plane shows again
    app->commands().action(Cmd::ViewBracket0)->trigger();
    EXPECT_EQ(planes->rowCount(), 3);  // and goes without a filter

    app->commands().action(Cmd::ViewAllClasses)->trigger();
    app->race()->pilotByNumber(3)->active = 0;
    app->commands().action(Cmd::DisplayInactive)->trigger();
    EXPECT_EQ(pilots->rowCount(), 11);
    EXPECT_FALSE(texts(pilots, 1).contains("3"));
}

TEST_F(PilotList, ColumnWidthsComeFromTheSettingsAndGoBackWhenTheWindowCloses) {
    settings.setInt("Views", "PilotsNameWidth", 150);
    settings.setInt("Views", "PilotsClassWidth", 500);  // out of range: the default
    settings.setInt("Views", "PilotsChanWidth", 3);     // narrower than its title
    settings.setInt("Views", "PlanesEngineWidth", 300);
    ASSERT_TRUE(start({QString::fromStdString(sampleRace("Spring.kvr", 6))}));
    QHeaderView* header = pilotView(*app)->list()->header();
    EXPECT_EQ(header->sectionSize(0), 150);
    EXPECT_EQ(header->sectionSize(2), std::max(60, header->sectionSizeHint(2)));
    EXPECT_EQ(header->sectionSize(5), header->sectionSizeHint(5));
    EXPECT_GT(header->sectionSize(5), 3);
    EXPECT_EQ(planeView(*app)->list()->header()->sectionSize(5), 300);

    header->resizeSection(0, 170);
    app->race()->raceTitle = "Renamed";
    pilotView(*app)->refresh(true);
    EXPECT_EQ(header->sectionSize(0), 170);  // a refill keeps what the user set
    const int classWidth = header->sectionSize(2);
    app->closeRace();
    EXPECT_EQ(settings.getInt("Views", "PilotsNameWidth", 0), 170);
    EXPECT_EQ(settings.getInt("Views", "PilotsClassWidth", 0), classWidth);
}

TEST_F(PilotList, FaiRaceShowsScoresWithoutLaneAndAssociationColumns) {
    samples::SampleSize size;
    size.pilots = 6;
    const std::string path = sampleRace("Fai.kvr", size, [](KORVARaceDoc& race) {
        race.faiClass = 1;
        race.rotateEvery = 2;
    });
    ASSERT_TRUE(start({QString::fromStdString(path)}));
    const QAbstractItemModel* model = pilotView(*app)->list()->model();
    ASSERT_EQ(model->columnCount(), 6);
    EXPECT_EQ(model->headerData(3, Qt::Horizontal).toString(), "Score");
    EXPECT_EQ(model->headerData(4, Qt::Horizontal).toString(), "Low Score");
    // The sample's lane values read as scores in hundredths, the lowest first.
    EXPECT_EQ(texts(pilotView(*app), 3).first(), "0.09");
}

TEST_F(PilotList, ContextMenuOffersTheClassFiltersAndThePilotCommands) {
    ASSERT_TRUE(start({QString::fromStdString(sampleRace("Spring.kvr", 6))}));
    KORVAPilotView* pilots = pilotView(*app);
    pilots->sortBySection(1);
    QStringList shown;
    QStringList enabled;
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            shown << a->text();
            if (a->isEnabled()) enabled << a->text();
        }
        screenshot(menu, "pilot-menu");
        menu->close();
    });
    // A right click on the third row makes its pilot the selected one.
    const QRect third = pilots->list()->visualRect(pilots->list()->model()->index(2, 0));
    emit pilots->list()->customContextMenuRequested(third.center());
    EXPECT_EQ(app->race()->currentSelection, 3);
    EXPECT_EQ(shown, (QStringList{"View all classes", "View 424", "View 426", "View Q40",
                                  "&Add New...", "&Change...", "Add &Plane...", "&FlyOff Points...",
                                  "&Print...", "Quick Print...", "Print Heat &Details"}));
    // Fly-off points wait for a tie; deleting is not offered. The filter shown stays enabled, so
    // that it looks pressed rather than unavailable.
    EXPECT_EQ(enabled, (QStringList{"View all classes", "View 424", "View 426", "View Q40",
                                    "&Add New...", "&Change...", "Add &Plane...", "&Print...",
                                    "Quick Print...", "Print Heat &Details"}));
    EXPECT_TRUE(app->commands().action(Cmd::ViewAllClasses)->isChecked());
}

TEST_F(PilotList, StatusIconsShowEachPilotsStateFirstMatchWins) {
    samples::SampleSize size;
    size.pilots = 20;
    size.rounds = 2;
    size.complete = false;
    const std::string path = sampleRace("Field.kvr", size, [](KORVARaceDoc& race) {
        race.raceTitle = "Spring Cup";
        auto pilot = [&race](int n) { return race.pilotByNumber(n); };
        pilot(2)->paid = 0;
        pilot(3)->signedWaiver = 0;
        pilot(4)->dqFlag = 1;
        pilot(5)->active = 0;
        pilot(6)->planeCount = 0;
        pilot(6)->planeNumbers[0] = 0;
        race.planes[6]->safetyChecked = 0;
        pilot(11)->channel = pilot(8)->channel;  // both fly 426
        pilot(10)->channel = pilot(9)->channel;  // 424 and Q40
        pilot(12)->paid = 0;
        pilot(12)->signedWaiver = 0;  // the waiver comes first
        pilot(13)->classIndex = 0;
        pilot(14)->dqFlag = 1;
        pilot(14)->active = 0;  // disqualified comes before inactive
    });
    ASSERT_TRUE(start({QString::fromStdString(path)}));
    KORVAPilotView* pilots = pilotView(*app);
    pilots->sortBySection(1);
    const int expected[] = {0, 1, 2, 3, 4, 7, 8, 6, 5, 5, 6, 2, 0, 3, 0, 0, 0, 0, 0, 0};
    const QAbstractItemModel* model = pilots->list()->model();
    for (int row = 0; row < 20; ++row) {
        const auto icon = model->index(row, 0).data(Qt::DecorationRole).value<QPixmap>();
        EXPECT_EQ(icon.toImage(), pilotStatusIcon(expected[row]).toImage()) << "pilot " << row + 1;
        EXPECT_EQ(model->index(row, 0).data(Qt::ToolTipRole).toString(),
                  model->index(row, 0).data().toString() + '\n' + pilotStatusTip(expected[row]));
    }
    EXPECT_EQ(texts(pilots, 0).at(12), "First13 Last13 (9)");
    // Without a stored width the name column fits the longest name, and is not stored.
    EXPECT_GE(
        pilots->list()->header()->sectionSize(0),
        pilots->list()->fontMetrics().horizontalAdvance(texts(pilots, 0).at(12)) + kListIconSize);

    // Nine different pictures, shown enlarged for a look at them.
    QList<QImage> pictures;
    QWidget sheet;
    auto* grid = new QGridLayout(&sheet);
    for (int i = 0; i < kPilotIconCount; ++i) {
        const QImage image = pilotStatusIcon(i).toImage();
        EXPECT_FALSE(pictures.contains(image)) << i;
        pictures << image;
        auto* big = new QLabel(&sheet);
        big->setPixmap(QPixmap::fromImage(image.scaled(image.size() * 4)));
        grid->addWidget(big, i % 5, (i / 5) * 3);
        grid->addWidget(new QLabel(&sheet), i % 5, (i / 5) * 3 + 1);
        static_cast<QLabel*>(grid->itemAtPosition(i % 5, (i / 5) * 3 + 1)->widget())
            ->setPixmap(pilotStatusIcon(i));
        grid->addWidget(new QLabel(pilotStatusTip(i), &sheet), i % 5, (i / 5) * 3 + 2);
    }
    for (int i = 0; i < kPlaneIconCount; ++i) {
        auto* big = new QLabel(&sheet);
        big->setPixmap(planeListIcon(i).scaled(planeListIcon(i).size() * 4));
        grid->addWidget(big, i, 6);
        grid->addWidget(new QLabel(planeIconTip(i), &sheet), i, 7);
    }
    screenshot(&sheet, "status-icons");

    app->mainFrame()->resize(900, 720);
    pilots->sortBySection(0);
    pilots->selectRow(6);
    pilots->parentWidget()->showMaximized();
    QTest::qWait(20);  // the tool bar is laid out by the event loop
    screenshot(app->mainFrame(), "pilot-list");
    KORVAPlaneView* planes = planeView(*app);
    planes->parentWidget()->showMaximized();
    QTest::qWait(20);
    screenshot(app->mainFrame(), "plane-list");
    app->closeRace();
    EXPECT_FALSE(settings.contains("Views", "PilotsNameWidth"));
}

}  // namespace
}  // namespace korva::test

// "Export Pilots/Results" from the pilot window, in the window's current sort.

#include <QHeaderView>
#include <filesystem>

#include "AppFixture.h"
#include "ListViewSupport.h"
#include "support/TempFolder.h"

namespace korva::test {
namespace {

class PilotExport : public AppFixture {};

TEST_F(PilotExport, FollowsTheWindowsSortAndRefusesTheOthers) {
    ASSERT_TRUE(start({QString::fromStdString(sampleRace("Spring.kvr", 9))}));
    KORVAPilotView* pilots = pilotView(*app);
    ASSERT_NE(pilots, nullptr);
    QAction* exportAction = app->commands().action(Cmd::ExportResults);
    app->commands().update();
    ASSERT_TRUE(exportAction->isEnabled());

    const std::string path = work.file("Spring_export.csv");
    emit pilots->list()->header()->sectionClicked(1);  // by number
    ui.expect(70580);
    exportAction->trigger();
    EXPECT_FALSE(std::filesystem::exists(path));

    emit pilots->list()->header()->sectionClicked(3);  // by points
    ui.expect(70582);
    app->commands().action(Cmd::ExportPilots)->trigger();
    const std::string text = fileText(path);
    EXPECT_EQ(text.rfind("424\nAMA, Last Name, ", 0), 0u) << text;
    ui.verifyDone();
}

}  // namespace
}  // namespace korva::test

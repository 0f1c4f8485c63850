// Start-up, shutdown and the race file commands of the program.

#include <QFileInfo>
#include <QMenuBar>
#include <filesystem>

#include "AppFixture.h"
#include "race/FileIo.h"

namespace korva::test {
namespace {

class AppStart : public AppFixture {};

std::uintmax_t sizeOf(const std::string& path) {
    return std::filesystem::file_size(path);
}

TEST_F(AppStart, FreshStoreAsksForTheShortcutAndMakesIt) {
    MemorySettingsStore fresh;
    settings = fresh;
    ui.expect(70304, Answer::Yes);
    ASSERT_TRUE(start());
    EXPECT_EQ(settings.getInt("Switches", "First Time", 0), 3);
    EXPECT_EQ(settings.getInt("Defaults", "LimitChannelsQ40", 0), 3);
    const std::string launcher = desk.file("Desktop/KORVARace.desktop");
    ASSERT_TRUE(fileExists(launcher));
    const auto perms = std::filesystem::status(launcher).permissions();
    EXPECT_NE(perms & std::filesystem::perms::owner_exec, std::filesystem::perms::none);
    // The master file is created empty.
    ASSERT_TRUE(fileExists(masterPath()));
    EXPECT_EQ(sizeOf(masterPath()), 0u);
}

TEST_F(AppStart, UnwritableDesktopLeavesTheQuestionForNextTimeAndStartsAnyway) {
    MemorySettingsStore fresh;
    settings = fresh;
    writeFileAtomically(desk.file("Desktop"), {'x'});
    ui.expect(70304, Answer::Yes);
    ASSERT_TRUE(start());
    EXPECT_EQ(settings.getInt("Switches", "First Time", 0), 2);
    EXPECT_TRUE(app->mainFrame()->isVisible());
}

TEST_F(AppStart, OpensTheRaceOfTheCommandLineAndWritesTheMasterOnlyWhenChanged) {
    sampleRace("Spring.kvr");
    // Named relative to the folder the program starts in, as a shell passes it: the race
    // is known by its full path (its report folder, the recent files).
    const auto startedIn = std::filesystem::current_path();
    std::filesystem::current_path(work.path());
    const bool started = start({"-nologo", "Spring.kvr"});
    std::filesystem::current_path(startedIn);
    ASSERT_TRUE(started);
    ASSERT_NE(app->race(), nullptr);
    EXPECT_EQ(app->race()->raceFolder, std::filesystem::canonical(work.path()).string());
    EXPECT_EQ(app->recentFiles(), QStringList{QString::fromStdString(work.file("Spring.kvr"))});
    EXPECT_EQ(app->race()->raceTitle, "Sample Race");
    auto* pilots = app->mainFrame()->window(WindowKind::Pilots);
    ASSERT_NE(pilots, nullptr);
    EXPECT_EQ(pilots->rowCount(), 9);
    EXPECT_EQ(pilots->windowTitle(), "Pilots - Sample Race");

    writeFileAtomically(masterPath(), {});
    const auto before = std::filesystem::last_write_time(masterPath());
    EXPECT_TRUE(app->mainFrame()->close());
    app->shutdown();
    EXPECT_EQ(sizeOf(masterPath()), 0u);
    EXPECT_EQ(std::filesystem::last_write_time(masterPath()), before);
    EXPECT_NE(settings.getInt("Windows", "Main Right", -1), -1);

    ASSERT_TRUE(start());
    app->services().master.add(app->services().master.pilots.empty()
                                   ? KORVAPilot(1)
                                   : *app->services().master.pilots.front());
    app->services().master.masterChanged = true;
    EXPECT_TRUE(app->mainFrame()->close());
    app->shutdown();
    EXPECT_GT(sizeOf(masterPath()), 0u);
}

TEST_F(AppStart, RaceOfTheCommandLineThatFailsToOpenStopsStartUp) {
    writeFileAtomically(work.file("Broken.kvr"), {1, 2, 3});
    ui.expect(70001);
    EXPECT_FALSE(start({QString::fromStdString(work.file("Broken.kvr"))}));
    EXPECT_EQ(app->race(), nullptr);
}

TEST_F(AppStart, DamagedMasterFileIsToldAndNeverWrittenOver) {
    const std::vector<std::uint8_t> damaged{9, 9, 9, 9, 9};
    writeFileAtomically(masterPath(), damaged);
    ui.expect(70305);
    ASSERT_TRUE(start());
    app->services().master.add(KORVAPilot(1));
    app->services().master.masterChanged = true;
    app->mainFrame()->close();
    app->shutdown();
    EXPECT_EQ(readWholeFile(masterPath()), damaged);
}

TEST_F(AppStart, AFailedOpenLeavesTheOpenRaceAsItWas) {
    ASSERT_TRUE(start({QString::fromStdString(sampleRace("Spring.kvr"))}));
    KORVARaceDoc* open = app->race();
    const auto before = open->encode();
    writeFileAtomically(work.file("Broken.kvr"), {1, 2, 3});
    ui.expect(70001);
    app->openRaceFile(QString::fromStdString(work.file("Broken.kvr")), false);
    EXPECT_EQ(app->race(), open);
    EXPECT_EQ(open->encode(), before);
    EXPECT_EQ(app->services().raceFileName, "Spring.kvr");
    EXPECT_NE(app->mainFrame()->window(WindowKind::Pilots), nullptr);
}

TEST_F(AppStart, ChangedRaceAsksBeforeItCloses) {
    const std::string path = sampleRace("Spring.kvr");
    ASSERT_TRUE(start({QString::fromStdString(path)}));
    app->race()->raceTitle = "Changed";
    app->race()->setModified(true);

    ui.expect(70302, Answer::Cancel);
    EXPECT_FALSE(app->mainFrame()->close());
    EXPECT_NE(app->race(), nullptr);

    ui.expect(70302, Answer::No);
    app->closeRace();
    EXPECT_EQ(app->race(), nullptr);
    EXPECT_EQ(app->mainFrame()->window(WindowKind::Pilots), nullptr);

    app->openRaceFile(QString::fromStdString(path), false);
    ASSERT_NE(app->race(), nullptr);
    EXPECT_EQ(app->race()->raceTitle, "Sample Race");
    app->race()->raceTitle = "Saved";
    app->race()->setModified(true);
    ui.expect(70302, Answer::Yes);
    EXPECT_TRUE(app->mainFrame()->close());
    KORVARaceDoc reread(app->services());
    reread.loadFile(path);
    EXPECT_EQ(reread.raceTitle, "Saved");
}

TEST_F(AppStart, StoredRectangleIsRestoredAndRecentFilesKept) {
    storeMainWindowClosed(settings, {40, 30, 940, 730});
    const std::string path = sampleRace("Spring.kvr");
    ASSERT_TRUE(start({QString::fromStdString(path)}));
    EXPECT_EQ(app->mainFrame()->geometry(), QRect(40, 30, 900, 700));
    EXPECT_EQ(app->recentFiles(), QStringList{QString::fromStdString(path)});
    EXPECT_EQ(settings.getString("Recent File List", "File1", ""), path);
}

}  // namespace
}  // namespace korva::test

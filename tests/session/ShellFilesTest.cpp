// Recent files, the desktop launcher, the command line and a failed open.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "session/DesktopLauncher.h"
#include "race/FileIo.h"
#include "session/KORVACmdParms.h"
#include "race/KORVARaceDoc.h"
#include "session/RecentFiles.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"

namespace korva::test {
namespace {

TEST(RecentFiles, KeepsFourNewestFirstWithoutRepeats) {
    MemorySettingsStore s;
    RecentFiles list;
    for (const char* f : {"a.kvr", "b.kvr", "c.kvr", "d.kvr", "e.kvr", "c.kvr"}) list.add(f);
    EXPECT_EQ(list.files(), (std::vector<std::string>{"c.kvr", "e.kvr", "d.kvr", "b.kvr"}));
    list.remove("e.kvr");
    list.save(s);

    RecentFiles again;
    again.load(s);
    EXPECT_EQ(again.files(), (std::vector<std::string>{"c.kvr", "d.kvr", "b.kvr"}));
    EXPECT_EQ(s.getString("Recent File List", "File4", "x"), "");
}

TEST(DesktopLauncher, IsWrittenExecutableIntoAFolderItCreates) {
    TempFolder home;
    const std::string desktop = home.file("Desktop");
    std::string error;
    const DesktopLauncher launcher{"/opt/korva race/korvarace", "/opt/korva race", ""};
    ASSERT_TRUE(createDesktopLauncher(desktop, launcher, error)) << error;

    const std::string path = desktop + "/KORVARace.desktop";
    const auto bytes = readWholeFile(path);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("Exec=\"/opt/korva race/korvarace\" %f\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Path=/opt/korva race\n"), std::string::npos);
    EXPECT_NE(text.find("Name=KORVARace\n"), std::string::npos);
    const auto perms = std::filesystem::status(path).permissions();
    EXPECT_NE(perms & std::filesystem::perms::owner_exec, std::filesystem::perms::none);
}

TEST(DesktopLauncher, ReservedCharactersInTheProgramPathAreEscaped) {
    const std::string text = desktopEntry({"/x/100%$\"a\"/k", "/x", "/x/icon.png"});
    EXPECT_NE(text.find("Exec=\"/x/100%%\\\\$\\\\\"a\\\\\"/k\" %f\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Icon=/x/icon.png\n"), std::string::npos);
}

TEST(DesktopLauncher, FailureIsReportedNotThrown) {
    TempFolder home;
    writeFileAtomically(home.file("Desktop"), {'x'});  // a file where the folder should be
    std::string error;
    EXPECT_FALSE(createDesktopLauncher(home.file("Desktop"), {"/p", "/", ""}, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(createDesktopLauncher("", {"/p", "/", ""}, error));
}

TEST(CommandLine, FirstNonSwitchIsTheRaceFile) {
    KORVACmdParms p;
    p.parse({"-geometry", "/p", "/dde", "/home/me/Spring.kvr", "Other.kvr", "-x"});
    EXPECT_EQ(p.fileName, "/home/me/Spring.kvr");
    KORVACmdParms q;
    q.parse({"/nologo", "race.kvr"});
    EXPECT_EQ(q.fileName, "race.kvr");
    KORVACmdParms none;
    none.parse({"-a", "/b"});
    EXPECT_EQ(none.fileName, "");
}

TEST(OpenDocument, AFailedOpenKeepsTheRaceFileNameOfTheOpenRace) {
    TempFolder folder;
    ScriptedInteraction ui;
    FixedClock clock;
    MemorySettingsStore settings;
    RaceServices services(ui, clock, settings);
    services.raceFileName = "Cut.kvr";
    KORVARaceDoc good(services);
    const auto bytes = good.encode();
    // Cut just after the stored file name: the name was read, the rest is missing.
    const std::string name = "Cut.kvr";
    const auto at = std::search(bytes.begin(), bytes.end(), name.begin(), name.end());
    ASSERT_NE(at, bytes.end());
    const std::vector<std::uint8_t> cut(bytes.begin(), at + static_cast<long>(name.size()) + 2);
    writeFileAtomically(folder.file("Cut.kvr"), cut);
    services.raceFileName = "Open.kvr";

    ui.expect(70001);
    KORVARaceDoc other(services);
    EXPECT_FALSE(other.openDocument(folder.file("Cut.kvr")));
    EXPECT_EQ(services.raceFileName, "Open.kvr");
}

}  // namespace
}  // namespace korva::test

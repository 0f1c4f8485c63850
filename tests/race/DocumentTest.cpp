// Opening, saving and the change counter of the race document; the pilot master file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "race/Archive.h"
#include "race/FileIo.h"
#include "samples/SampleRace.h"
#include "support/TestServices.h"
#include "support/TempFolder.h"
#include "ui/Strings.h"

namespace korva {
namespace {

namespace fs = std::filesystem;

struct Document : ::testing::Test, test::TestServices {
    test::TempFolder folder;
    int endCalls = 0;

    Document() { services.endProgram = [this] { ++endCalls; }; }

    std::unique_ptr<KORVARaceDoc> sample(int pilots = 6) {
        samples::SampleSize size;
        size.pilots = pilots;
        return samples::makeRace(services, size);
    }
};

TEST_F(Document, OpenSetsFolderAndNameAndSaveRecordsTheNewName) {
    auto doc = sample();
    const std::string path = folder.file("Spring.kvr");
    ASSERT_TRUE(doc->saveDocument(path));
    EXPECT_EQ(services.raceFileName, "Spring.kvr");
    EXPECT_EQ(doc->raceFolder, folder.path());
    EXPECT_FALSE(doc->isModified());

    services.raceFileName.clear();
    KORVARaceDoc opened(services);
    ASSERT_TRUE(opened.openDocument(path));
    EXPECT_EQ(services.raceFileName, "Spring.kvr");
    EXPECT_EQ(opened.raceFolder, folder.path());
    EXPECT_EQ(opened.pathName(), path);
    EXPECT_EQ(opened.pilots.size(), 6u);

    // Save As writes the new name into the file itself.
    const std::string other = folder.file("Autumn.kvr");
    ASSERT_TRUE(opened.saveDocument(other));
    KORVARaceDoc reread(services);
    reread.loadBytes(readWholeFile(other));
    EXPECT_EQ(services.raceFileName, "Autumn.kvr");
}

TEST_F(Document, FailedOpenTellsTheUserAndUsesNothing) {
    const std::string path = folder.file("broken.kvr");
    {
        auto bytes = sample()->encode();
        bytes.resize(bytes.size() / 2);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    }
    KORVARaceDoc doc(services);
    ui.expect(str::kOpenFailed);
    EXPECT_FALSE(doc.openDocument(path));
    EXPECT_NE(ui.asked.back().text.find("at byte"), std::string::npos);
    ui.expect(str::kOpenFailed);
    EXPECT_FALSE(doc.openDocument(folder.file("missing.kvr")));
    EXPECT_EQ(endCalls, 0);
}

TEST_F(Document, NewerFileShowsMessage264AndEndsTheProgram) {
    auto doc = sample();
    doc->formatMarker = 101;
    const std::string path = folder.file("newer.kvr");
    doc->writeFile(path);
    KORVARaceDoc opened(services);
    ui.expect(264);
    EXPECT_FALSE(opened.openDocument(path));
    EXPECT_EQ(endCalls, 1);
    EXPECT_EQ(ui.asked.back().text.substr(0, 43), "The Race File you are opening was created b");
    EXPECT_NE(ui.asked.back().text.find("to use this Race File."), std::string::npos);
    EXPECT_EQ(ui.asked.back().icon, Icon::Error);
}

TEST_F(Document, SaveIsAtomicAndReportsFailure) {
    auto doc = sample();
    const std::string path = folder.file("race.kvr");
    ASSERT_TRUE(doc->saveDocument(path));
    const auto before = readWholeFile(path);

    // A folder that does not exist: the save fails, says so, and nothing is left behind.
    ui.expect(str::kSaveFailed);
    EXPECT_FALSE(doc->saveDocument(folder.file("nowhere/race.kvr")));
    EXPECT_EQ(ui.asked.back().icon, Icon::Error);

    // A target that cannot be replaced: the old file (here a folder) stays as it was.
    const std::string blocked = folder.file("blocked.kvr");
    fs::create_directory(blocked);
    std::ofstream(blocked + "/keep").put('k');
    ui.expect(str::kSaveFailed);
    EXPECT_FALSE(doc->saveDocument(blocked));
    EXPECT_TRUE(fs::exists(blocked + "/keep"));

    EXPECT_EQ(readWholeFile(path), before);
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 2);  // race.kvr and the blocked folder: no temporary files remain
}

TEST_F(Document, SaveReminderEveryTenChanges) {
    auto doc = sample();
    const std::string path = folder.file("race.kvr");
    doc->setPathName(path);
    for (int i = 1; i <= 9; ++i) doc->noteChange();
    EXPECT_TRUE(doc->isModified());
    EXPECT_FALSE(fs::exists(path));
    ui.expect(297, Answer::No);
    doc->noteChange();
    EXPECT_EQ(ui.asked.back().text,
              "You have made 10 changes to the race file.\n\nWould you like to save your "
              "changes now ?");
    EXPECT_EQ(ui.asked.back().buttons, Buttons::YesNo);
    EXPECT_FALSE(fs::exists(path));
    for (int i = 11; i <= 19; ++i) doc->noteChange();
    ui.expect(297, Answer::Yes);
    doc->noteChange();
    EXPECT_EQ(doc->changeCount, 0);
    EXPECT_TRUE(fs::exists(path));
    EXPECT_FALSE(doc->isModified());
    for (int i = 1; i <= 9; ++i) doc->noteChange();
    ui.expect(297, Answer::No);
    doc->noteChange();  // counting starts again after a save

    // A reminder after every change, answered No, still leaves the change unsaved.
    doc->saveReminder = 1;
    ASSERT_TRUE(doc->saveDocument(path));
    ui.expect(297, Answer::No);
    doc->noteChange();
    EXPECT_TRUE(doc->isModified());

    doc->saveReminder = 0;
    for (int i = 0; i < 50; ++i) doc->noteChange();
    EXPECT_TRUE(doc->isModified());
}

TEST_F(Document, EverySuccessfulSaveRestartsTheReminderCount) {
    auto doc = sample();
    const std::string path = folder.file("race.kvr");
    for (int i = 1; i <= 7; ++i) doc->noteChange();
    ASSERT_TRUE(doc->saveDocument(path));  // as the Save command does
    EXPECT_EQ(doc->changeCount, 0);
    for (int i = 1; i <= 9; ++i) doc->noteChange();
    // A save that fails leaves the changes counted: they are still not on disk.
    ui.expect(str::kSaveFailed);
    EXPECT_FALSE(doc->saveDocument(folder.file("nowhere/race.kvr")));
    ui.expect(297, Answer::No);
    doc->noteChange();  // the tenth since the save
}

TEST_F(Document, MasterFileIsCreatedAndOnlyWrittenWhenChanged) {
    KORVAPilotMaster master;
    master.loadAtStartup(folder.path(), clock);
    const std::string file = folder.file("KORVA_Pilots.KVP");
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(fs::file_size(file), 0u);
    EXPECT_TRUE(master.pilots.empty());

    // An empty list is never written, changed or not.
    master.masterChanged = true;
    EXPECT_TRUE(master.saveAtShutdown(folder.path(), clock));
    EXPECT_EQ(fs::file_size(file), 0u);

    master.add(samples::makePilot(1, 1, 20));
    master.add(samples::makePilot(2, 3, 21));
    EXPECT_TRUE(master.saveAtShutdown(folder.path(), clock));
    EXPECT_FALSE(fs::exists(folder.file("KORVA_Pilots.TMP")));
    EXPECT_FALSE(fs::exists(folder.file("KORVA.TMP")));

    KORVAPilotMaster again;
    again.loadAtStartup(folder.path(), clock);
    ASSERT_EQ(again.pilots.size(), 2u);
    EXPECT_EQ(again.findById("ID2")->lastName, "Last2");
    EXPECT_EQ(again.findById("nobody"), nullptr);

    // Unchanged: the file is left exactly as it was.
    const auto bytes = readWholeFile(file);
    std::ofstream(file, std::ios::app).put('\0');  // mark it
    EXPECT_TRUE(again.saveAtShutdown(folder.path(), clock));
    EXPECT_EQ(readWholeFile(file).size(), bytes.size() + 1);
}

TEST_F(Document, MasterFileSurvivesAFailedReplacement) {
    KORVAPilotMaster master;
    master.add(samples::makePilot(1, 1, 20));
    ASSERT_TRUE(master.saveAtShutdown(folder.path(), clock));
    const auto old = readWholeFile(folder.file("KORVA_Pilots.KVP"));

    // A folder in the way of the backup name makes the first move fail: the old file stays.
    fs::create_directory(folder.file("KORVA.TMP"));
    std::ofstream(folder.file("KORVA.TMP/x")).put('x');
    master.add(samples::makePilot(2, 1, 21));
    EXPECT_FALSE(master.saveAtShutdown(folder.path(), clock));
    EXPECT_EQ(readWholeFile(folder.file("KORVA_Pilots.KVP")), old);
}

TEST_F(Document, LookupsByNumberFindTheCarrier) {
    auto doc = sample(5);
    doc->pilots.erase(doc->pilots.begin() + 1);  // pilot 2 is gone; 3..5 keep their numbers
    EXPECT_EQ(doc->pilotByNumber(2), nullptr);
    ASSERT_NE(doc->pilotByNumber(3), nullptr);
    EXPECT_EQ(doc->pilotByNumber(3)->pilotNumber, 3);
    EXPECT_EQ(doc->pilotByNumber(5)->pilotNumber, 5);
    EXPECT_EQ(doc->pilotByNumber(0), nullptr);
    EXPECT_EQ(doc->pilotByNumber(6), nullptr);
}

TEST_F(Document, NamesAndCounts) {
    auto doc = sample(6);
    EXPECT_EQ(doc->thirdBracketName(), "Q40");
    doc->faiClass = 1;
    EXPECT_EQ(doc->thirdBracketName(), "FAI");
    doc->userClass = 1;
    doc->userClassName = "Sport";
    EXPECT_EQ(doc->bracketName(2), "Sport");
    EXPECT_EQ(doc->classNameOf(4), "Sport");
    EXPECT_EQ(doc->classNameOf(0), "APRA");
    EXPECT_EQ(doc->pilotsInBracket(1), 2);
    EXPECT_EQ(doc->highestPilotNumber(1), 5);
    EXPECT_EQ(doc->highestPilotNumber(7), 0);
}

}  // namespace
}  // namespace korva

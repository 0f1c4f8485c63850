// Saving and reading at the edges: things that are not files, killed saves, long names,
// links and read-only files.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "race/FileIo.h"
#include "samples/SampleRace.h"
#include "support/TempFolder.h"
#include "support/TestServices.h"
#include "ui/Strings.h"

namespace korva {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> bytesOf(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A save in a child process that dies by SIGKILL at `step`, as a crash would.
void killedSave(const std::string& path, const std::vector<std::uint8_t>& bytes, SaveStep step,
                bool unnamed) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AtomicWriteOptions options;
        options.unnamedTemporary = unnamed;
        options.onStep = [step](SaveStep now) {
            if (now == step) ::raise(SIGKILL);
        };
        try {
            writeFileAtomically(path, bytes, options);
        } catch (...) {
        }
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save was not stopped";
}

struct FileEdges : ::testing::Test, test::TestServices {
    test::TempFolder folder;
};

TEST_F(FileEdges, PipesFoldersAndDevicesAreRefusedBeforeAnythingIsRead) {
    const std::string pipe = folder.file("pipe.kvr");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string dir = folder.file("dir.kvr");
    fs::create_directory(dir);
    // Opening the pipe for reading would wait for a writer for ever; /dev/zero never ends.
    for (const auto& [path, why] : {std::pair<std::string, std::string>{pipe, "a pipe"},
                                    {dir, "a folder"},
                                    {"/dev/zero", "a device"}}) {
        EXPECT_THROW(readWholeFile(path), FileError) << path;
        KORVARaceDoc doc(services);
        ui.expect(str::kOpenFailed);
        EXPECT_FALSE(doc.openDocument(path));
        EXPECT_NE(ui.asked.back().text.find("it is " + why + ", not a file"), std::string::npos)
            << ui.asked.back().text;
    }
    // Nor is one written over: a pipe stays a pipe.
    EXPECT_THROW(writeFileAtomically(pipe, bytesOf("race")), FileError);
    EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST_F(FileEdges, KilledSavesLeaveOneLeftoverThatTheNextSaveRemoves) {
    const std::string path = folder.file("race.kvr");
    writeFileAtomically(path, bytesOf("first"));
    const std::vector<std::uint8_t> big(3 << 20, 'x');  // written in several pieces
    killedSave(path, big, SaveStep::Writing, false);
    killedSave(path, big, SaveStep::Writing, true);
    killedSave(path, big, SaveStep::Linked, true);
    killedSave(path, big, SaveStep::Writing, false);
    EXPECT_EQ(readWholeFile(path), bytesOf("first"));
    const auto names = namesIn(folder.path());
    EXPECT_EQ(names, (std::vector<std::string>{kSaveTempName, "race.kvr"}));

    writeFileAtomically(path, bytesOf("second"));
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"race.kvr"});
    EXPECT_EQ(readWholeFile(path), bytesOf("second"));
    // The named road, taken where a file system has no unnamed files, cleans up as well.
    killedSave(path, big, SaveStep::Writing, false);
    writeFileAtomically(path, bytesOf("third"), AtomicWriteOptions{false, {}});
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"race.kvr"});
    EXPECT_EQ(readWholeFile(path), bytesOf("third"));
}

TEST_F(FileEdges, ARaceWithTheLongestFileNameSaves) {
    auto doc = samples::makeRace(services, samples::SampleSize{});
    for (std::size_t length : {250u, 255u}) {
        const std::string name = std::string(length - 4, 'r') + ".kvr";
        const std::string path = folder.file(name);
        ASSERT_TRUE(doc->saveDocument(path)) << length;
        ASSERT_TRUE(doc->saveDocument(path)) << length;  // over the first
        KORVARaceDoc again(services);
        EXPECT_TRUE(again.openDocument(path));
        EXPECT_EQ(again.pilots.size(), doc->pilots.size());
    }
}

TEST_F(FileEdges, ASaveThroughALinkUpdatesTheFileAndKeepsTheLink) {
    fs::create_directory(folder.file("real"));
    const std::string target = folder.file("real/race.kvr");
    writeFileAtomically(target, bytesOf("old"));
    ::chmod(target.c_str(), 0640);
    // An absolute link, and a relative link to that link.
    const std::string link = folder.file("link.kvr");
    fs::create_symlink(target, link);
    const std::string chained = folder.file("chained.kvr");
    fs::create_symlink("link.kvr", chained);

    writeFileAtomically(chained, bytesOf("new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(chained));
    EXPECT_EQ(readWholeFile(target), bytesOf("new"));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // Nothing was left beside the link, nor beside the file.
    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{"chained.kvr", "link.kvr", "real"}));
    EXPECT_EQ(namesIn(folder.file("real")), std::vector<std::string>{"race.kvr"});
}

TEST_F(FileEdges, AReadOnlyRaceIsRefusedAndKept) {
    auto doc = samples::makeRace(services, samples::SampleSize{});
    const std::string path = folder.file("locked.kvr");
    ASSERT_TRUE(doc->saveDocument(path));
    const auto before = readWholeFile(path);
    ::chmod(path.c_str(), 0444);
    doc->raceTitle = "Changed";
    ui.expect(str::kSaveFailed);
    EXPECT_FALSE(doc->saveDocument(path));
    EXPECT_NE(ui.asked.back().text.find("the file is read-only"), std::string::npos)
        << ui.asked.back().text;
    EXPECT_EQ(readWholeFile(path), before);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

}  // namespace
}  // namespace korva

// Reading and saving at the edges: things that are not files, killed saves, long names,
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
using Bytes = std::vector<std::uint8_t>;

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// A save in a child process that dies at `step` as a crash would.
void killedSave(const std::string& path, SaveStep step, bool unnamed) {
    const pid_t child = ::fork();
    if (child == 0) {
        const Bytes big(3 << 20, 'x');  // written in several pieces
        writeFileAtomically(path, big, {unnamed, [step](SaveStep now) {
                                            if (now == step) ::raise(SIGKILL);
                                        }});
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
}

struct FileEdges : ::testing::Test, test::TestServices {
    test::TempFolder folder;
};

TEST_F(FileEdges, PipesAndFoldersAreRefusedBeforeAnythingIsRead) {
    const std::string pipe = folder.file("pipe.kvr");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(folder.file("dir.kvr"));
    // Opening the pipe would wait for a writer for ever.
    for (const auto& [name, what] : {std::pair{"pipe.kvr", "a pipe"}, {"dir.kvr", "a folder"}}) {
        KORVARaceDoc doc(services);
        ui.expect(str::kOpenFailed);
        EXPECT_FALSE(doc.openDocument(folder.file(name)));
        EXPECT_NE(ui.asked.back().text.find(std::string("it is ") + what + ", not a file"),
                  std::string::npos);
    }
    EXPECT_THROW(writeFileAtomically(pipe, {'x'}), FileError);
    EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST_F(FileEdges, KilledSavesLeaveOneLeftoverThatTheNextSaveRemoves) {
    const std::string path = folder.file("race.kvr");
    writeFileAtomically(path, {'1'});
    killedSave(path, SaveStep::Writing, true);
    killedSave(path, SaveStep::Linked, true);
    killedSave(path, SaveStep::Writing, false);  // where files cannot be unnamed
    EXPECT_EQ(readWholeFile(path), Bytes{'1'});
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{kSaveTempName, "race.kvr"}));
    writeFileAtomically(path, {'2'});
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"race.kvr"});
    EXPECT_EQ(readWholeFile(path), Bytes{'2'});
}

TEST_F(FileEdges, LongNamesLinksAndReadOnlyFiles) {
    auto doc = samples::makeRace(services, samples::SampleSize{});
    const std::string longest = folder.file(std::string(246, 'r') + ".kvr");  // 250 bytes
    ASSERT_TRUE(doc->saveDocument(longest));
    ASSERT_TRUE(doc->saveDocument(longest));

    // Saved through a relative link to an absolute link: the file changes, the links stay.
    fs::create_directory(folder.file("real"));
    const std::string real = folder.file("real/race.kvr");
    writeFileAtomically(real, {'o'});
    fs::create_symlink(real, folder.file("link.kvr"));
    fs::create_symlink("link.kvr", folder.file("chained.kvr"));
    ASSERT_TRUE(doc->saveDocument(folder.file("chained.kvr")));
    EXPECT_TRUE(fs::is_symlink(folder.file("link.kvr")));
    EXPECT_TRUE(fs::is_symlink(folder.file("chained.kvr")));
    EXPECT_EQ(readWholeFile(real), doc->encode());

    ::chmod(real.c_str(), 0444);
    const auto before = readWholeFile(real);
    ui.expect(str::kSaveFailed);
    EXPECT_FALSE(doc->saveDocument(real));
    EXPECT_NE(ui.asked.back().text.find("the file is read-only"), std::string::npos);
    EXPECT_EQ(readWholeFile(real), before);
}

}  // namespace
}  // namespace korva

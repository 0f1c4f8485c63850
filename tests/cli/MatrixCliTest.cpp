#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "cli/KorvaRun.h"
#include "race/FileIo.h"
#include "race/KORVARaceDoc.h"
#include "samples/SampleRace.h"
#include "support/ScriptedInteraction.h"

namespace korva::test {
namespace {

// Runs in a folder of its own, which also receives the trace log.
class MatrixCli : public ::testing::Test {
protected:
    MatrixCli() : services(user, clock, settings) {
        folder = std::filesystem::temp_directory_path() /
                 ("korva-cli-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
        previous = std::filesystem::current_path();
        std::filesystem::current_path(folder);
        samples::SampleSize size;
        size.pilots = 24;
        size.rounds = 0;
        samples::makeRace(services, size)->writeFile("race.kvr");
    }
    ~MatrixCli() override {
        std::filesystem::current_path(previous);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        args.insert(args.begin(), "matrix");
        return runKorva(args, out, err);
    }
    std::unique_ptr<KORVARaceDoc> load(const std::string& path) {
        auto doc = std::make_unique<KORVARaceDoc>(services);
        doc->loadFile(path);
        return doc;
    }
    std::vector<std::int32_t> pilotsOf(const KORVAMatrix& m) {
        std::vector<std::int32_t> all;
        for (const auto& r : m.rounds) {
            for (const auto& h : r->heats)
                all.insert(all.end(), h->lanePilot.begin(), h->lanePilot.end());
        }
        return all;
    }

    ScriptedInteraction user;
    FixedClock clock;
    MemorySettingsStore settings;
    RaceServices services;
    std::filesystem::path folder, previous;
    std::ostringstream out, err;
};

TEST_F(MatrixCli, BuildsEveryOfferedBracketAndSaves) {
    ASSERT_EQ(run({"race.kvr", "--seed", "7", "--end-round", "4"}), 0) << err.str();
    EXPECT_NE(err.str().find(
                  "[Matrix] 424 from round 1; 426 from round 1; Q40 from round 1; End Round 4\n"),
              std::string::npos);
    EXPECT_NE(out.str().find("426: 4 rounds, 2 heats per round, 4 lanes\n"), std::string::npos);
    const auto doc = load("race.kvr");
    for (int b = 0; b < 3; ++b) {
        EXPECT_EQ(doc->raceMatrix.matrix(b).rounds.size(), 4u);
        EXPECT_EQ(doc->raceMatrix.Matrixed[static_cast<std::size_t>(b)], 1);
    }
    EXPECT_TRUE(fileExists("KORVARaceMatrixDebug.log"));
}

TEST_F(MatrixCli, TheSameSeedGivesTheSameMatrix) {
    ASSERT_EQ(run({"race.kvr", "--seed=99", "--brackets", "426", "--output", "a.kvr"}), 0);
    ASSERT_EQ(run({"race.kvr", "--seed=99", "--brackets=1", "--output=b.kvr"}), 0);
    const auto a = load("a.kvr");
    const auto b = load("b.kvr");
    EXPECT_EQ(pilotsOf(a->raceMatrix.matrix(1)), pilotsOf(b->raceMatrix.matrix(1)));
    EXPECT_EQ(a->raceMatrix.matrix(1).rounds.size(), 7u);
    EXPECT_TRUE(a->raceMatrix.matrix(0).rounds.empty());
}

TEST_F(MatrixCli, AnswersAndRefusalsEndWithoutSaving) {
    ASSERT_EQ(run({"race.kvr", "--seed", "1", "--end-round", "3"}), 0);
    const auto before = readWholeFile("race.kvr");
    EXPECT_EQ(run({"race.kvr", "--answer", "415=cancel"}), 1);
    EXPECT_NE(err.str().find("[415] 424 class is already matrixed"), std::string::npos);
    EXPECT_NE(err.str().find(" -> Cancel\n"), std::string::npos);
    EXPECT_NE(err.str().find("korva: the matrix was not built\n"), std::string::npos);
    EXPECT_EQ(run({"race.kvr", "--end-round", "40"}), 1);
    EXPECT_NE(err.str().find("[70207] End Round must be between 1 and 32.\n"), std::string::npos);
    EXPECT_EQ(run({"race.kvr", "--brackets", "FAI"}), 1);
    EXPECT_EQ(readWholeFile("race.kvr"), before);
}

TEST_F(MatrixCli, BadArgumentsAreUsageErrors) {
    EXPECT_EQ(run({"race.kvr", "--answer", "431=maybe"}), 2);
    EXPECT_EQ(run({"race.kvr", "--seed"}), 2);
    EXPECT_EQ(run({"--end-round", "3"}), 2);
    EXPECT_EQ(run({"race.kvr", "--colour", "red"}), 2);
    EXPECT_NE(err.str().find("unknown option --colour"), std::string::npos);
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out.str().find("--answer ID=ANSWER"), std::string::npos);
    EXPECT_EQ(run({"missing.kvr"}), 1);
}

TEST_F(MatrixCli, NothingToBuildIsAFailureAndSavesNothing) {
    {
        auto doc = load("race.kvr");
        doc->locked424 = doc->locked426 = 1;
        doc->writeFile("race.kvr");
        samples::SampleSize one;  // one pilot a bracket
        one.pilots = 3;
        samples::makeRace(services, one)->writeFile("few.kvr");
    }
    const auto before = readWholeFile("race.kvr");
    EXPECT_EQ(run({"race.kvr", "--brackets", "424,426"}), 1);
    EXPECT_NE(err.str().find("korva: nothing was built: every chosen bracket is locked"),
              std::string::npos);
    EXPECT_EQ(readWholeFile("race.kvr"), before);
    EXPECT_EQ(run({"few.kvr"}), 1);
    EXPECT_NE(err.str().find("korva: nothing to build: no bracket has two pilots"),
              std::string::npos);
    // Built beside a locked bracket: only what was built is listed, never "Unknown".
    ASSERT_EQ(run({"race.kvr", "--seed", "3"}), 0);
    EXPECT_EQ(out.str(), "Q40: 7 rounds, 2 heats per round, 4 lanes\n");
}

}  // namespace
}  // namespace korva::test

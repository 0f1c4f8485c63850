// The korva command line: the program's own wiring, the options commands share, and the
// one-sentence usage errors with status 2.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli/CliOptions.h"
#include "cli/CliTool.h"
#include "cli/KorvaRun.h"
#include "race/FileIo.h"
#include "samples/SampleRace.h"
#include "support/TempFolder.h"
#include "support/TestServices.h"

namespace korva::test {
namespace {

std::string slurp(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// The built program itself, so that a command missing from main.cpp shows.
TEST(KorvaProgram, ListsEveryCommandAndSaysHowItWasCalledWrongly) {
    TempFolder folder;
    const auto run = [&](const std::string& args, std::string& out, std::string& err) {
        const std::string command = std::string(KORVA_PROGRAM) + " " + args + " >" +
                                    folder.file("out") + " 2>" + folder.file("err");
        const int status = std::system(command.c_str());
        out = slurp(folder.file("out"));
        err = slurp(folder.file("err"));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    std::string out, err;
    ASSERT_EQ(run("--help", out, err), 0) << err;
    for (const char* command : {"dump", "resave", "matrix", "results", "standings", "finish",
                                "timing", "import", "export", "report", "serve"}) {
        EXPECT_NE(out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
    }
    EXPECT_EQ(run("", out, err), 2);
    EXPECT_TRUE(out.empty());
    EXPECT_NE(err.find("korva COMMAND --help"), std::string::npos) << err;
    EXPECT_EQ(run("matrix --help", out, err), 0);
    EXPECT_NE(out.find("Usage: korva matrix [OPTIONS] FILE"), std::string::npos) << out;
    EXPECT_NE(out.find("--answer ID=ANSWER"), std::string::npos) << out;
    EXPECT_EQ(run("results --help", out, err), 0);
    for (const char* id : {"70125", "70129", "70130", "70131"}) {
        EXPECT_NE(out.find(std::string("\n  ") + id + "  "), std::string::npos) << id;
    }
    EXPECT_EQ(run("matrix " + folder.file("none.kvr") + " --seed x", out, err), 2);
    EXPECT_EQ(err,
              "korva matrix: --seed: needs a whole number from 0 to 4294967295, not 'x'\n"
              "Run 'korva matrix --help' for its options.\n");
}

TEST(KorvaUsage, EveryMisunderstoodCommandLineIsOneSentenceAndStatusTwo) {
    TestServices t;
    TempFolder folder;
    const std::string race = folder.file("race.kvr");
    samples::makeRace(t.services, samples::SampleSize{})->writeFile(race);
    const auto before = readWholeFile(race);
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"frobnicate"}, "korva: unknown command 'frobnicate'\n"},
        {{"--colour"}, "korva: unknown option --colour\n"},
        {{"dump"}, "korva dump: FILE is required\n"},
        {{"dump", race, "more.kvr"}, "korva dump: unexpected argument 'more.kvr'\n"},
        {{"resave", race}, "korva resave: OUT is required\n"},
        {{"matrix", race, "--colour", "red"}, "korva matrix: unknown option --colour\n"},
        {{"matrix", race, "--end-round", "4x"}, "--end-round: needs a whole number, not '4x'"},
        {{"matrix", race, "--seed", "-1"}, "from 0 to 4294967295, not '-1'"},
        {{"matrix", race, "--begin-round", "426=one"}, "needs N or BRACKET=N, not '426=one'"},
        {{"matrix", race, "--brackets", ","}, "--brackets: needs a list"},
        {{"matrix", race, "--answer", "431=maybe"}, "needs ID=yes|no|cancel|ok, not '431=maybe'"},
        {{"matrix", race, "--answer"}, "korva matrix: --answer needs a value\n"},
        {{"matrix", race, "--no-inform=1"}, "korva matrix: --no-inform takes no value\n"},
        {{"results", race, "--round", "1", "--heat", "1"}, "korva results: --bracket is required"},
        {{"results", race, "--bracket=0", "--round=1", "--heat=1", "--lane", "5=DNS"},
         "with L from 1 to 4, not '5=DNS'"},
        {{"results", race, "--bracket=0", "--round=1", "--heat=1", "--lane", "1=1,1:05.5,0"},
         "not '1=1,1:05.5,0'"},
        {{"standings", race, "--final=1"}, "korva standings: --final takes no value\n"},
    };
    for (const auto& [args, expected] : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(runKorva(args, out, err), 2) << expected;
        EXPECT_NE(err.str().find(expected), std::string::npos) << err.str();
        EXPECT_TRUE(out.str().empty()) << out.str();
    }
    EXPECT_EQ(readWholeFile(race), before);
}

// A command of its own, as the next commands will use the shared options.
struct SharedOptions : ::testing::Test {
    std::ostringstream out, err;
    CliTool tool{out, err};
    AnswerMap answers;
    std::optional<int> round;
    std::string file;

    SharedOptions() {
        CLI::App* command = tool.app().add_subcommand("try", "");
        command->add_option("FILE", file)->required();
        addAnswerOption(*command, answers);
        addNumberOption(*command, "--round", round, "");
    }
};

TEST_F(SharedOptions, AnswersCollectByIdAndReachTheConsoleUser) {
    ASSERT_EQ(tool.run({"try", "--answer", "431=no", "--round", "3", "--answer=7=Cancel",
                        "--round=08", "--answer", "431=YES", "race.kvr"}),
              0)
        << err.str();
    EXPECT_EQ(file, "race.kvr");  // an answer takes one value, never the file after it
    EXPECT_EQ(round, 8);          // decimal as typed, the last one counting
    EXPECT_EQ(answers, (AnswerMap{{7, Answer::Cancel}, {431, Answer::Yes}}));

    answers[431] = Answer::No;
    std::ostringstream log;
    ConsoleInteraction user(log, answers);
    EXPECT_EQ(user.ask({431, "Resolve ties?", Icon::Question, Buttons::YesNo}), Answer::No);
    EXPECT_EQ(user.ask({500, "Save changes?", Icon::Question, Buttons::YesNoCancel}), Answer::Yes);
    EXPECT_EQ(user.ask({12, "Saved.", Icon::Information, Buttons::Ok}), Answer::Ok);
    EXPECT_EQ(log.str(), "[431] Resolve ties? -> No\n[500] Save changes? -> Yes\n[12] Saved.\n");
}

TEST_F(SharedOptions, OptionsNotGivenStayEmpty) {
    ASSERT_EQ(tool.run({"try", "race.kvr"}), 0) << err.str();
    EXPECT_FALSE(round.has_value());
    EXPECT_TRUE(answers.empty());
    EXPECT_FALSE(answerFor("=yes") || answerFor("12") || answerFor("12=") || answerFor("x=no"));
}

}  // namespace
}  // namespace korva::test

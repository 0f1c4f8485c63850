// korva report on a small race: bracket 0 holds pilots 1, 4, 7 and 10 in the one heat of each
// of its two rounds, with an html folder beside the race file unless a test removes it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/CliSession.h"
#include "cli/KorvaRun.h"
#include "race/KORVARaceDoc.h"
#include "samples/SampleRace.h"
#include "support/TempFolder.h"
#include "support/TestServices.h"

namespace korva::test {
namespace {

using Args = std::vector<std::string>;

class ReportCli : public ::testing::Test, public TestServices {
protected:
    void SetUp() override {
        auto doc = samples::makeRace(services, {12, 2, 1, 4, true});
        doc->pilotByNumber(4)->firstName = "../Al";
        doc->writeFile(race);
        std::filesystem::create_directory(folder.file("html"));
    }
    int run(const std::string& kind, Args more = {}) {
        out.str("");
        err.str("");
        Args args{"report", race, kind, "--print-date", "05/16/26"};
        args.insert(args.end(), more.begin(), more.end());
        return runKorva(args, out, err);
    }
    std::vector<std::string> printed() const {
        std::vector<std::string> lines;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    // The pages printed, each of which must exist in the html folder.
    std::string pages() const {
        std::string text;
        for (const std::string& path : printed()) {
            EXPECT_EQ(path.rfind(folder.file("html/"), 0), 0U) << path;
            EXPECT_TRUE(std::filesystem::exists(path)) << path;
            text += fileText(path);
        }
        return text;
    }
    std::int32_t locked() {
        KORVARaceDoc doc(services);
        doc.loadFile(race);
        return doc.locked424;
    }

    TempFolder folder;
    std::string race = folder.file("race.kvr");
    std::ostringstream out, err;
};

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(ReportCli, WritesTheChosenPagesAndPrintsTheirPaths) {
    ASSERT_EQ(run("heat-sheets"), 0) << err.str();
    ASSERT_EQ(printed().size(), 1U);
    EXPECT_TRUE(has(pages(), "R2H1"));

    // Round 2 of bracket 0 only; the race file stays as it was unless --save is given.
    ASSERT_EQ(run("heat-cards", {"--classes", "0", "--begin-round", "2", "--end-round", "2"}), 0)
        << err.str();
    std::string cards = pages();
    EXPECT_TRUE(has(cards, "R2H1") && has(cards, "05/16/26"));
    EXPECT_FALSE(has(cards, "R1H1"));
    EXPECT_EQ(locked(), 0);
    ASSERT_EQ(run("heat-cards", {"--classes", "0", "--save"}), 0) << err.str();
    EXPECT_EQ(locked(), 1);

    ASSERT_EQ(run("blank-heat-cards"), 0) << err.str();
    EXPECT_EQ(printed().size(), 1U);
    EXPECT_FALSE(has(pages(), "R1H1"));

    // One pilot's results go into a file named after the pilot, kept inside the html folder.
    ASSERT_EQ(run("heat-results", {"--pilot", "4"}), 0) << err.str();
    ASSERT_EQ(printed().size(), 1U);
    EXPECT_FALSE(has(printed()[0].substr(folder.file("html/").size()), "/"));
    EXPECT_FALSE(has(printed()[0], ".."));

    for (const char* kind : {"pilot-list", "pilot-cards", "heat-details", "spectator-programs"}) {
        EXPECT_EQ(run(kind, {"--font-size", "large", "--no-icons"}), 0) << kind << err.str();
        EXPECT_FALSE(pages().empty()) << kind;
    }
}

TEST_F(ReportCli, WritesAFlyOffPageForEachClassWithATie) {
    {
        KORVARaceDoc doc(services);
        doc.loadFile(race);
        doc.resolveTiesByFlyOff = 1;
        doc.writeFile(race);
    }
    // Pilot 1 won round 1 ahead of pilot 4; pilot 4 wins round 2 ahead of pilot 1.
    Args lanes{"results",       race,     "--bracket=0",   "--round=2", "--heat=1",      "--lane",
               "1=2,1:30.00,0", "--lane", "2=1,1:29.00,0", "--lane",    "3=3,1:31.00,0", "--lane",
               "4=4,1:32.00,0"};
    ASSERT_EQ(runKorva(lanes, out, err), 0) << err.str();
    ASSERT_EQ(run("fly-off", {"--classes", "0"}), 0) << err.str();
    ASSERT_EQ(printed().size(), 1U);
    const std::string page = pages();
    EXPECT_TRUE(has(page, "First1") && has(page, "Last4")) << page;
    EXPECT_FALSE(has(page, "First7"));
    EXPECT_EQ(run("fly-off", {"--classes", "1"}), 1) << "no tie in bracket 1";
}

TEST_F(ReportCli, NothingWrittenEndsWithStatusOne) {
    // Nobody is tied: there is no fly-off page.
    EXPECT_EQ(run("fly-off"), 1);
    EXPECT_TRUE(out.str().empty());
    EXPECT_TRUE(has(err.str(), "nothing was written"));

    std::filesystem::remove(folder.file("html"));
    EXPECT_EQ(run("heat-sheets"), 1);
    EXPECT_TRUE(out.str().empty());
    EXPECT_TRUE(has(err.str(), "HTML")) << err.str();

    EXPECT_EQ(run("pilot-list"), 1);
    EXPECT_EQ(runKorva({"report", folder.file("none.kvr"), "pilot-list"}, out, err), 1);
}

TEST_F(ReportCli, RefusesWhatItCannotUnderstandWithStatusTwo) {
    EXPECT_EQ(run("heat-shets"), 2);
    EXPECT_EQ(run("heat-sheets", {"--classes", "Q99"}), 2);
    EXPECT_TRUE(has(err.str(), "Q99"));
    EXPECT_EQ(run("heat-sheets", {"--print-date", "05/16/2026"}), 2);
    EXPECT_EQ(run("heat-cards", {"--begin-round", "3", "--end-round", "2"}), 2);
    EXPECT_EQ(run("heat-results", {"--pilot", "0"}), 2);
    EXPECT_EQ(run("heat-sheets", {"--wing-flags", "sideways"}), 2);
    EXPECT_EQ(run("spectator-programs", {"--font-size", "huge"}), 2);
    EXPECT_TRUE(std::filesystem::is_empty(folder.file("html")));
}

// Sample races made by script are the same on every run when SOURCE_DATE_EPOCH is set.
TEST(CliClockTest, SourceDateEpochStopsTheClock) {
    ::setenv("SOURCE_DATE_EPOCH", "1778889600", 1);
    EXPECT_EQ(CliClock().now(), 1778889600);
    ::setenv("SOURCE_DATE_EPOCH", "soon", 1);
    const Timestamp before = SystemClock().now();
    EXPECT_GE(CliClock().now(), before) << "a value that is no time is ignored";
    ::unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_GE(CliClock().now(), before);
}

}  // namespace
}  // namespace korva::test

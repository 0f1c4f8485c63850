// korva timing, import and export on a small race of three brackets, four pilots each, two
// complete rounds of one heat.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/KorvaRun.h"
#include "race/KORVAPlane.h"
#include "race/KORVARaceDoc.h"
#include "samples/SampleRace.h"
#include "support/TempFolder.h"
#include "support/TestServices.h"

namespace korva::test {
namespace {

using Args = std::vector<std::string>;

class CsvCli : public ::testing::Test, public TestServices {
protected:
    CsvCli() { samples::makeRace(services, {12, 2, 1, 4, true})->writeFile(race); }

    int run(Args args) {
        out.str("");
        err.str("");
        args.insert(args.begin() + 1, race);
        return runKorva(args, out, err);
    }
    std::unique_ptr<KORVARaceDoc> load() {
        auto doc = std::make_unique<KORVARaceDoc>(services);
        doc->loadFile(race);
        return doc;
    }
    bool said(const std::string& text) const { return err.str().find(text) != std::string::npos; }
    void block(const std::string& name) { std::filesystem::create_directory(folder.file(name)); }

    TempFolder folder;
    std::string race = folder.file("race.kvr");
    std::ostringstream out, err;
};

TEST_F(CsvCli, TimingWritesEveryMatrixedBracketAndSaysWhichOneFailed) {
    ASSERT_EQ(run({"timing"}), 0) << err.str();
    for (const char* name : {"race_424.INI", "race_426.INI", "race_Q40.INI"}) {
        EXPECT_NE(out.str().find(folder.file(name)), std::string::npos) << name;
        EXPECT_NE(fileText(folder.file(name)).find("[Matrix]\r\n"), std::string::npos) << name;
    }
    EXPECT_EQ(load()->timingFileWanted, 1);  // kept for the rewrites after builds and swaps

    std::filesystem::remove(folder.file("race_426.INI"));
    block("race_426.INI");
    EXPECT_EQ(run({"timing"}), 1);
    EXPECT_TRUE(said("[70512] Cannot create timing system file " + folder.file("race_426.INI")));
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.file("race_Q40.INI")));
}

TEST_F(CsvCli, ImportNeedsABracketInARaceOfSeveralAndSavesWhatItTook) {
    const std::string csv = folder.file("pilots.csv");
    std::ofstream(csv) << "AMA,Last,First,Team,Category\n"
                          "900,Smith,Ann,22,Sport\n"
                          "901,Doe,,23\n";
    EXPECT_EQ(run({"import", csv}), 2);
    EXPECT_TRUE(said("--bracket"));

    EXPECT_EQ(run({"import", csv, "--bracket", "1", "--answer", "70526=no"}), 0) << err.str();
    EXPECT_TRUE(said("[70526] Input line 3 has invalid Pilot First Name"));
    auto doc = load();
    ASSERT_EQ(doc->pilots.size(), 13u);
    EXPECT_EQ(doc->pilots.back()->classIndex, 3);
    EXPECT_EQ(doc->planes.back()->type, "Unknown");

    // The same file again: every line refused, nothing saved.
    const std::string once = fileText(race);
    EXPECT_EQ(run({"import", csv, "--bracket", "1"}), 1);
    EXPECT_TRUE(said("[70528] Input line 2 has duplicate Pilot ID: 900"));
    EXPECT_EQ(fileText(race), once);
}

TEST_F(CsvCli, ExportWritesTheListBesideTheRaceAndKeepsTheRaceAsItWas) {
    const std::string path = folder.file("race_export.csv");
    const std::string before = fileText(race);
    ASSERT_EQ(run({"export", "--sort", "time"}), 0) << err.str();
    EXPECT_EQ(out.str(), path + "\n");
    EXPECT_TRUE(said("[70582] Export -> File " + path + " created OK"));
    EXPECT_EQ(fileText(path).rfind("424\nAMA, Last Name, ", 0), 0u);
    EXPECT_EQ(fileText(race), before);

    EXPECT_EQ(run({"export", "--sort", "number"}), 2);
    std::filesystem::remove(path);
    block("race_export.csv");
    EXPECT_EQ(run({"export"}), 1);
    EXPECT_TRUE(said("[70581] File " + path + " could not be written"));
}

}  // namespace
}  // namespace korva::test

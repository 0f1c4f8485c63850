#include <gtest/gtest.h>

#include <filesystem>

#include "samples/SampleRace.h"
#include "support/TempFolder.h"
#include "support/TestServices.h"
#include "ui/FormChecks.h"
#include "views/HandStandings.h"
#include "views/PilotListRows.h"
#include "views/ResultsExport.h"

namespace korva::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// A reader as spreadsheets have it: a quote opens a quoted field only as its first character,
// a doubled quote inside stands for one, and blanks around unquoted fields are dropped.
Rows readCsv(const std::string& text) {
    Rows rows(1);
    std::string field;
    bool inQuotes = false, quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inQuotes) {
            if (c != '"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else
                inQuotes = false;
        } else if (c == '"' && field.empty()) {
            inQuotes = quoted = true;
        } else if (c == ',' || c == '\n') {
            rows.back().push_back(quoted ? field : trimmed(field));
            field.clear();
            quoted = false;
            if (c == '\n') rows.emplace_back();
        } else {
            field += c;
        }
    }
    rows.pop_back();  // after the last line break
    return rows;
}

// Nine pilots: bracket 0 holds 1, 4, 7; bracket 1 holds 2, 5, 8; bracket 2 holds 3, 6, 9.
class ResultsExport : public ::testing::Test, public TestServices {
protected:
    ResultsExport() {
        doc->raceFolder = folder.path();
        services.raceFileName = "Spring.kvr";
        for (int n : {3, 7, 8}) pilot(n).active = 0;  // inactive without points: left out
        pilot(6).active = 0;                          // inactive with points: kept
        pilot(9).dqFlag = 1;
        hand.totals = {{1, 10}, {4, 12}, {2, 7}, {5, 7}, {6, 4}, {9, 20}};
        hand.best = {{1, {9000, true}}, {4, {9100, false}}, {2, {8000, false}}, {5, {8500, true}}};
        hand.fastest = {9000, 8000, 0};
        doc->resolveTiesByFlyOff = 1;
        doc->raceFinished = 1;
        doc->totalTies = 1;
        pilot(2).flyOffPoints = 1;
        pilot(5).flyOffPoints = 3;
        list.refill();
    }
    KORVAPilot& pilot(std::int32_t n) { return *doc->pilotByNumber(n); }
    std::string exported() { return exportText(*doc, list).value_or("(refused)"); }

    TempFolder folder;
    std::unique_ptr<KORVARaceDoc> doc = samples::makeRace(services, {9, 2, 1, 4, false});
    HandStandings hand;
    PilotListRows list{*doc, hand};
};

constexpr const char* kHeading =
    "AMA, Last Name, First Name, Team-Channel, Category, Place, Score, Time, \n";

TEST_F(ResultsExport, PlacesScoresAndTimeMarksPerBracketInTheListsOrder) {
    list.setSortColumn(PilotColumn::Points);
    EXPECT_EQ(exported(), std::string("424\n") + kHeading +
                              "ID4, Last4, First4, 39, 1, 1, 12, 1:31.00, \n"
                              "ID1, Last1, First1, 18, 2, 2, 10, C* 1:30.00, \n"
                              "426\n" +
                              kHeading +
                              "ID5, Last5, First5, 46, 2, 1, F3 7, C 1:25.00, \n"
                              "ID2, Last2, First2, 25, 3, 2, F1 7, ** 1:20.00, \n"
                              "Q40\n" +
                              kHeading + "ID6, Last6, First6, 53, 3, 1, 4, 0:00.00, \n");

    // By time every place is 0; without ties and before the finish no fly-off form.
    doc->totalTies = 0;
    doc->raceFinished = 0;
    list.setSortColumn(PilotColumn::LowTime);
    const Rows rows = readCsv(exported());
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(rows[2], (std::vector<std::string>{"ID1", "Last1", "First1", "18", "2", "0", "10",
                                                 "C* 1:30.00", ""}));
    EXPECT_EQ(rows[6][0], "ID2");
    EXPECT_EQ(rows[6][6], "7");

    // An FAI race writes scores and times in hundredths and never the fly-off form.
    doc->faiClass = 1;
    doc->totalTies = 1;
    hand.totals[4] = 1234;
    list.setSortColumn(PilotColumn::Points);
    const Rows fai = readCsv(exported());
    EXPECT_EQ(fai[2][6], "0.10");  // lower scores first
    EXPECT_EQ(fai[3][6], "12.34");
    EXPECT_EQ(fai[3][7], "91.00");
    EXPECT_EQ(fai[6][6], "0.07");
}

TEST_F(ResultsExport, NamesWithCommasQuotesAndLineBreaksComeBackWhole) {
    pilot(1).lastName = "O\"Brien, Jr";
    pilot(1).firstName = "Ren\xE9";  // single-byte race text; the file is UTF-8
    pilot(1).category = "Sport\nExpert";
    pilot(4).pilotId = "12,5";
    list.setSortColumn(PilotColumn::Points);
    const std::string text = exported();
    // Only the fields that need it are quoted; the rest of the line is as before.
    EXPECT_NE(text.find("\n\"12,5\", Last4, First4, 39, 1, 1, 12, 1:31.00, \n"), std::string::npos);
    const Rows rows = readCsv(text);
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(rows[3], (std::vector<std::string>{"ID1", "O\"Brien, Jr", "Ren\xC3\xA9", "18",
                                                 "Sport\nExpert", "2", "10", "C* 1:30.00", ""}));
}

TEST_F(ResultsExport, RefusesOtherSortsAndReportsTheFileEitherWay) {
    const std::string path = folder.file("Spring_export.csv");
    EXPECT_EQ(exportFilePath(*doc), path);
    list.setSortColumn(PilotColumn::Number);
    ui.expect(70580);
    EXPECT_FALSE(exportPilots(*doc, list));
    EXPECT_FALSE(std::filesystem::exists(path));

    list.setSortColumn(PilotColumn::LowTime);
    ui.expect(70582);
    ASSERT_TRUE(exportPilots(*doc, list));
    EXPECT_EQ(fileText(path), exported());
    EXPECT_NE(ui.asked.back().text.find(path), std::string::npos);

    // A file that cannot be replaced is reported, not claimed as created.
    services.raceFileName = "Blocked.kvr";
    std::filesystem::create_directory(folder.file("Blocked_export.csv"));
    ui.expect(70581);
    EXPECT_FALSE(exportPilots(*doc, list));
}

}  // namespace
}  // namespace korva::test

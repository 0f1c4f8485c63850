// The report folder beside a race file: which folder, which pictures, and what is kept.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "race/FileIo.h"
#include "reports/ReportFiles.h"
#include "reports/ReportFolder.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"

namespace korva::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> bytesOf(const std::string& s) {
    return {s.begin(), s.end()};
}

std::set<std::string> names() {
    std::set<std::string> all;
    for (const ReportPicture& p : reportPictures()) all.insert(p.name);
    return all;
}

TEST(ReportPictureNames, EveryPictureThePagesNameIsInTheSetOnce) {
    // Four lane cells, four headings and two lane-change marks per colour code, high blue
    // included; the finished heat; the eight status marks.
    EXPECT_EQ(reportPictures().size(), 5u * (4 + 4 + 2) + 1 + 8);
    EXPECT_EQ(names().size(), reportPictures().size());
    for (const char* name :
         {"HC_L1LG.jpg", "HC_L4HB.jpg", "WFLLG.jpg", "WFLLLR.jpg", "WFLCHG.jpg", "WFLCLHB.jpg",
          "MFU_LG.jpg", "MFL_HR.jpg", "finish.jpg", "waiver.jpg", "money.jpg", "disqualified.jpg",
          "inactive.jpg", "noplane.jpg", "unsafe.jpg", "redradio.jpg", "yelradio.jpg"}) {
        EXPECT_EQ(names().count(name), 1u) << name;
    }
}

class ReportFolder : public ::testing::Test {
protected:
    // Draws each picture as its own name, and counts the drawings.
    ReportFolderOutcome ensure() {
        return ensureReportFolder(ui, race.path(), [this](const ReportPicture& p) {
            ++drawn;
            return p.name == failOn ? std::vector<std::uint8_t>{} : bytesOf(p.name);
        });
    }
    std::string picture(const std::string& name) const { return race.file("html/img/" + name); }

    ScriptedInteraction ui;
    TempFolder race;
    int drawn = 0;
    std::string failOn;
};

TEST_F(ReportFolder, MakesHtmlWithEveryPictureAndKeepsWhatIsThereOnTheNextRun) {
    auto out = ensure();
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.folder, race.file("html"));
    EXPECT_EQ(out.written, static_cast<int>(names().size()));
    for (const std::string& name : names()) EXPECT_EQ(readWholeFile(picture(name)), bytesOf(name));

    // The director's own picture stays; a deleted one comes back; nothing else is drawn.
    writeFileAtomically(picture("money.jpg"), bytesOf("sponsor's own"));
    fs::remove(picture("finish.jpg"));
    drawn = 0;
    out = ensure();
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(drawn, 1);
    EXPECT_EQ(out.written, 1);
    EXPECT_EQ(out.kept, static_cast<int>(names().size()) - 1);
    EXPECT_EQ(readWholeFile(picture("money.jpg")), bytesOf("sponsor's own"));
    EXPECT_EQ(readWholeFile(picture("finish.jpg")), bytesOf("finish.jpg"));
    // No temporary files left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(race.file("html/img")), {}),
              static_cast<long>(names().size()));
}

TEST_F(ReportFolder, PicturesGoWhereThePagesGo) {
    fs::create_directory(race.file("HTML"));
    const auto out = ensure();
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.folder, race.file("HTML"));
    EXPECT_EQ(findHtmlFolder(race.path()), out.folder);
    EXPECT_TRUE(fileExists(race.file("HTML/img/HC_L1LG.jpg")));
    EXPECT_FALSE(fs::exists(race.file("html")));
}

TEST_F(ReportFolder, FailuresAreToldAndKeepWhatWasWritten) {
    // A file where the folder should be: nothing is drawn.
    writeFileAtomically(race.file("html"), bytesOf("not a folder"));
    ui.expect(70602);
    EXPECT_FALSE(ensure().ok);
    EXPECT_EQ(drawn, 0);

    // A picture that cannot be drawn stops the work after the ones before it.
    fs::remove(race.file("html"));
    failOn = "WFLLHG.jpg";
    ui.expect(70603);
    const auto out = ensure();
    EXPECT_FALSE(out.ok);
    EXPECT_GT(out.written, 0);
    EXPECT_EQ(drawn, out.written + 1);
    EXPECT_FALSE(fileExists(picture("WFLLHG.jpg")));
    EXPECT_NE(ui.asked.back().text.find("WFLLHG.jpg"), std::string::npos);
}

}  // namespace
}  // namespace korva::test

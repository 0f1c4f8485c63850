// The report folder beside a race file: which folder, which pictures, and what is kept.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "properties/ReportFolder.h"
#include "race/FileIo.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"

namespace korva::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> bytesOf(const std::string& s) {
    return {s.begin(), s.end()};
}

// Draws each picture as its own name, and counts the drawings.
struct NameDrawer {
    int calls = 0;
    std::string failOn;
    std::vector<std::uint8_t> operator()(const ReportPicture& p) {
        ++calls;
        return p.name == failOn ? std::vector<std::uint8_t>{} : bytesOf(p.name);
    }
};

std::set<std::string> names() {
    std::set<std::string> all;
    for (const ReportPicture& p : reportPictures()) all.insert(p.name);
    return all;
}

TEST(ReportPictureNames, EveryPictureThePagesNameIsInTheSetOnce) {
    const auto pictures = reportPictures();
    const auto all = names();
    EXPECT_EQ(all.size(), pictures.size());
    // Four lane cells, four headings and two lane-change marks per colour code, high blue
    // included; the finished heat; the eight status marks.
    EXPECT_EQ(pictures.size(), 5u * (4 + 4 + 2) + 1 + 8);
    for (const char* name :
         {"HC_L1LG.jpg",  "HC_L2LR.jpg", "HC_L3HG.jpg", "HC_L4HR.jpg",  "HC_L1HB.jpg",
          "WFLLG.jpg",    "WFLLLR.jpg",  "WFLCHG.jpg",  "WFLCLHB.jpg",  "MFU_LG.jpg",
          "MFL_HR.jpg",   "finish.jpg",  "waiver.jpg",  "money.jpg",    "disqualified.jpg",
          "inactive.jpg", "noplane.jpg", "unsafe.jpg",  "redradio.jpg", "yelradio.jpg"}) {
        EXPECT_EQ(all.count(name), 1u) << name;
    }
    // What each entry says it draws agrees with its name.
    for (const ReportPicture& p : pictures) {
        switch (p.kind) {
            case ReportPicture::Kind::LaneCell:
                EXPECT_EQ(p.name, laneCellPicture(p.lane, p.code));
                break;
            case ReportPicture::Kind::WingFlag:
                EXPECT_EQ(p.name, wingFlagPicture(p.code, p.noseLeft, p.color));
                break;
            case ReportPicture::Kind::LaneChange:
                EXPECT_EQ(p.name, laneChangePicture(p.code, p.noseLeft));
                break;
            case ReportPicture::Kind::Mark: EXPECT_EQ(p.name, pilotMarkPicture(p.mark)); break;
            case ReportPicture::Kind::Finish: EXPECT_EQ(p.name, kFinishPicture); break;
        }
    }
    EXPECT_EQ(pilotMarkPicture(PilotMark::ChannelInBracket), "redradio.jpg");
    EXPECT_EQ(pilotMarkPicture(PilotMark::ChannelInRace), "yelradio.jpg");
}

class ReportFolder : public ::testing::Test {
protected:
    ReportFolderOutcome ensure() { return ensureReportFolder(ui, race.path(), std::ref(drawer)); }
    std::string picture(const std::string& folder, const std::string& name) const {
        return race.file(folder + "/img/" + name);
    }

    ScriptedInteraction ui;
    TempFolder race;
    NameDrawer drawer;
};

TEST_F(ReportFolder, MakesHtmlWithEveryPictureAndKeepsWhatIsThereOnTheNextRun) {
    auto out = ensure();
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.folder, race.file("html"));
    EXPECT_EQ(out.written, static_cast<int>(names().size()));
    EXPECT_EQ(out.kept, 0);
    for (const std::string& name : names()) {
        ASSERT_TRUE(fileExists(picture("html", name))) << name;
        EXPECT_EQ(readWholeFile(picture("html", name)), bytesOf(name));
    }

    // The director's own picture stays; a deleted one comes back; nothing else is drawn.
    writeFileAtomically(picture("html", "money.jpg"), bytesOf("sponsor's own"));
    fs::remove(picture("html", "finish.jpg"));
    drawer.calls = 0;
    out = ensure();
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.written, 1);
    EXPECT_EQ(out.kept, static_cast<int>(names().size()) - 1);
    EXPECT_EQ(drawer.calls, 1);
    EXPECT_EQ(readWholeFile(picture("html", "money.jpg")), bytesOf("sponsor's own"));
    EXPECT_EQ(readWholeFile(picture("html", "finish.jpg")), bytesOf("finish.jpg"));
    // No temporary files left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(race.file("html/img")), {}),
              static_cast<long>(names().size()));
}

TEST_F(ReportFolder, UsesAnExistingFolderOfAnotherSpelling) {
    EXPECT_EQ(findReportFolder(race.path()), "");
    fs::create_directory(race.file("Html"));
    EXPECT_EQ(findReportFolder(race.path()), race.file("Html"));
    fs::create_directory(race.file("HTML"));
    EXPECT_EQ(findReportFolder(race.path()), race.file("HTML"));

    const auto out = ensure();
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.folder, race.file("HTML"));
    EXPECT_TRUE(fileExists(picture("HTML", "HC_L1LG.jpg")));
    EXPECT_FALSE(fileExists(race.file("html")));
    EXPECT_TRUE(fs::is_empty(race.file("Html")));
}

TEST_F(ReportFolder, FailuresAreToldAndKeepWhatWasWritten) {
    // A file where the folder should be: nothing is drawn.
    writeFileAtomically(race.file("html"), bytesOf("not a folder"));
    ui.expect(70602);
    EXPECT_FALSE(ensure().ok);
    EXPECT_EQ(drawer.calls, 0);
    ui.verifyDone();
    EXPECT_NE(ui.asked.back().text.find(race.file("html")), std::string::npos);

    // A picture that cannot be drawn stops the work after the ones before it.
    fs::remove(race.file("html"));
    drawer.failOn = "WFLLHG.jpg";
    ui.expect(70603);
    const auto out = ensure();
    EXPECT_FALSE(out.ok);
    EXPECT_GT(out.written, 0);
    EXPECT_EQ(drawer.calls, out.written + 1);
    EXPECT_FALSE(fileExists(picture("html", "WFLLHG.jpg")));
    EXPECT_TRUE(fileExists(picture("html", "HC_L1LG.jpg")));
    EXPECT_NE(ui.asked.back().text.find("WFLLHG.jpg"), std::string::npos);
}

}  // namespace
}  // namespace korva::test

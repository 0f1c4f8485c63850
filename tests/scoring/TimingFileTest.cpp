#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "RaceBuilder.h"
#include "matrix/MatrixCommand.h"
#include "race/FileIo.h"
#include "scoring/TimingFile.h"
#include "support/TempFolder.h"
#include "support/TestServices.h"

namespace korva::test {
namespace {

namespace fs = std::filesystem;

// The file as the timing program reads it: the lines are given between "|".
std::string crlf(const std::string& lines) {
    std::string out;
    for (char c : lines + "|") out += c == '|' ? std::string("\r\n") : std::string(1, c);
    return out;
}

const std::string kHeader = crlf(
    ";  |; This file contains information about a KORVA Race|;  |"
    "; The sections and items are as follows|;  |"
    "; [Events] Item names should be self explanatory|;  |"
    "; [Pilots] Each Pilot is assigned a number from 1 - n|; Name1 = name for Pilot 1, etc|"
    "; NOTE !! NameX may not start with 1 and may not be sequential|"
    ";         If any of the following:|;           - Race file has multiple classes,|"
    ";           - Any Pilots are Inactive|;           - Any Pilots are Disqualified|;  |"
    "; [Matrix] Each heat is assigned an absolute heat number from 1 - n|"
    "; HeatPilots1 = pilot numbers for heat 1 (0 = no Pilot|"
    "; HeatChannels1 = frequencies for heat 1 (-1 = no Pilot)|;  ");

class TimingFileTest : public ::testing::Test {
protected:
    TimingFileTest() {
        doc.raceFolder = folder.path();
        t.services.raceFileName = "Spring.kvr";
    }

    TestServices t;
    KORVARaceDoc doc{t.services};
    TempFolder folder;
};

TEST_F(TimingFileTest, ExampleRaceByteForByte) {
    ASSERT_EQ(std::count(kHeader.begin(), kHeader.end(), '\n'), 19);
    doc.raceTitle = "Spring Race";
    doc.class424Ama = 1;
    addPilot(doc, 1, 2, 12, "Ann", "Lee");
    addPilot(doc, 2, 2, 14, "Bob", "Ray");
    addPilot(doc, 5, 2, 30, "Cy", "Dow");
    addRound(doc, 0, 2, {{1, 2, 5, 0}});
    addRound(doc, 0, 2, {{2, 5, 0, 1}});
    outputTimingSystemFile(doc);
    const auto bytes = readWholeFile(folder.file("Spring_424.INI"));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              kHeader + crlf("[Event]|Title=Spring Race|Class=424|Lane1=LowGreen|Lane2=LowRed|"
                             "Lane3=HighGreen|Lane4=HighRed|;|[Pilots]|Quantity=3|Name1=Ann Lee|"
                             "Name2=Bob Ray|Name5=Cy Dow|;|[Matrix]|LaneQuantity=4|"
                             "RoundQuantity=2|HeatsPerRound=1|;|HeatPilots1=1,2,5,0|"
                             "HeatPilots2=2,5,0,1|;|HeatChannels1=12,14,30,-1|"
                             "HeatChannels2=14,30,-1,12|;"));
}

TEST_F(TimingFileTest, FaiRaceListsActivePilotsButWritesEveryHeatAsFlown) {
    doc.faiClass = 1;
    doc.laneColorCode = {"LG", "HB", "xx", "HR"};
    addPilot(doc, 1, 4, 12, "Ann", "Lee").middleInitial = "Q";
    addPilot(doc, 2, 4, 14).active = 0;
    addPilot(doc, 3, 4, 16).dqFlag = 1;
    addPilot(doc, 4, 4, 120, "Di", "Fox");
    addRound(doc, 2, 4, {{1, 2, 3, 0}, {4, 0, 0, 0}});
    addRound(doc, 2, 4, {{2, 4, 1, 3}});  // lane 4 lies beyond the bracket's three lanes
    doc.raceMatrix.matrix(2).LaneQuan = 3;
    EXPECT_EQ(timingFileText(doc, 2),
              kHeader + crlf("[Event]|Title=|Class=FAI|Lane1=LowGreen|Lane2=HighBlue|Lane3=BUG|;|"
                             "[Pilots]|Quantity=2|Name1=AnnQ Lee|Name4=Di Fox|;|[Matrix]|"
                             "LaneQuantity=3|RoundQuantity=2|HeatsPerRound=2|;|"
                             "HeatPilots1=1,2,3,0|HeatPilots2=4,0,0,0|HeatPilots3=2,4,1,0|;|"
                             "HeatChannels1=12,14,16,-1|HeatChannels2=120,-1,-1,-1|"
                             "HeatChannels3=14,120,12,-1|;"));
}

TEST_F(TimingFileTest, EachMatrixedBracketIsWrittenWholeOrReportedByName) {
    doc.class424Apra = doc.class426 = doc.classQ40 = 1;
    addRound(doc, 0, 1, {{1, 0, 0, 0}});
    addRound(doc, 1, 3, {{2, 0, 0, 0}});
    rewriteTimingFiles(doc);  // not wanted yet
    EXPECT_TRUE(fs::is_empty(folder.path()));
    outputTimingSystemFile(doc);
    EXPECT_TRUE(doc.timingFileWanted && doc.isModified());
    EXPECT_TRUE(fileExists(folder.file("Spring_APRA.INI")));
    EXPECT_FALSE(fileExists(folder.file("Spring_Q40.INI")));  // bracket 2 has no matrix

    // The other bracket goes on, and nothing half-written is left behind.
    fs::remove(folder.file("Spring_APRA.INI"));
    fs::create_directories(folder.file("Spring_APRA.INI/held"));
    fs::remove(folder.file("Spring_426.INI"));
    t.ui.expect(70512);
    MatrixHooks hooks;
    installTimingFileHook(hooks);
    hooks.writeTimingFile(doc, 0);
    hooks.writeTimingFile(doc, 1);
    EXPECT_EQ(t.ui.asked.back().text, "Cannot create timing system file " +
                                          folder.file("Spring_APRA.INI") +
                                          "\nPossible causes:\n  - Open by another program\n  - "
                                          "File is Read Only\n  - Disk is full");
    EXPECT_TRUE(fileExists(folder.file("Spring_426.INI")));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);

    // Without a race folder the working folder; a class name cannot lead out of it.
    doc.raceFolder.clear();
    t.services.workingFolder = "/work";
    doc.userClass = 1;
    doc.userClassName = "../Q/40";
    doc.raceMatrix.matrix(2).setClassCode(4);
    EXPECT_EQ(timingFilePath(doc, 2), "/work/Spring_.._Q_40.INI");
    // The path is the system's UTF-8 throughout, in the file name and in the message.
    EXPECT_TRUE(t.ui.asked.back().utf8);
    doc.userClassName = "Sch\xF6n";
    EXPECT_EQ(timingFilePath(doc, 2), "/work/Spring_Sch\xC3\xB6n.INI");
}

}  // namespace
}  // namespace korva::test

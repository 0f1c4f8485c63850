#include <gtest/gtest.h>

#include <deque>
#include <fstream>

#include "race/KORVARaceDoc.h"
#include "registration/CsvImport.h"
#include "registration/CsvImportForms.h"
#include "support/TempFolder.h"
#include "support/TestServices.h"

namespace korva::test {
namespace {

// The file form answers with the next path (nullopt: Cancel), the bracket form with the
// next choice (-2: Cancel).
struct ScriptedCsvForms : CsvImportForms {
    ~ScriptedCsvForms() override { EXPECT_TRUE(files.empty() && brackets.empty()); }
    std::optional<CsvFileForm> openCsvFile(const CsvFileForm& form) override {
        const auto path = files.front();
        files.pop_front();
        return path ? std::optional(CsvFileForm{form.title, form.extension, *path}) : std::nullopt;
    }
    std::optional<ImportBracketForm> selectImportBracket(const ImportBracketForm& form) override {
        ImportBracketForm out = form;
        out.chosen = brackets.front();
        brackets.pop_front();
        return out.chosen == -2 ? std::nullopt : std::optional(out);
    }
    std::deque<std::optional<std::string>> files;
    std::deque<int> brackets;
};

class CsvImportTest : public ::testing::Test {
protected:
    CsvImportTest() { doc.saveReminder = 0; }

    bool import(const std::string& name, const std::string& bytes, int bracket = -1) {
        std::ofstream(folder.file(name), std::ios::binary) << bytes;
        forms.files.push_back(folder.file(name));
        if (bracket != -1) forms.brackets.push_back(bracket);
        return importPilots(doc, forms);
    }
    const KORVAPilot& last() const { return *doc.pilots.back(); }

    TestServices t;
    KORVARaceDoc doc{t.services};
    ScriptedCsvForms forms;
    TempFolder folder;
};

TEST_F(CsvImportTest, EveryLineCheckInOrderAndWhatAnImportedPilotGets) {
    doc.class424Ama = doc.class426 = 1;
    doc.channelLimit[0] = 2;
    doc.pilots.push_back(std::make_unique<KORVAPilot>(7));  // earlier pilots were deleted
    doc.pilots[0]->setClass(2, 0);
    doc.pilots[0]->channel = 22;
    for (int id : {70523, 70524, 70525, 70526, 70527, 70531, 418, 70528, 70529}) {
        t.ui.expect(id, Answer::Yes);
    }
    t.ui.expect(70527, Answer::No).expect(425);
    EXPECT_TRUE(import("in.csv",
                       "AMA,Last,First,Team,Category\n"
                       "123, Smith , Ann ,22\n"    // 2: four fields are enough
                       "124,Jones,Bo\n"            // 3: three are not
                       ",Doe,Jim,23\n"             // 4
                       "125,,Jim,23\n"             // 5
                       "126,Doe,,23\n"             // 6
                       "127,Doe,Jim,75\n"          // 7: between the bands
                       "129,\"Roe, Jr\",Kim,24\n"  // 8: a quoted comma splits as well
                       "130,Lee,Amy,22,2\n"        // 9: channel 22 is full
                       "123,Smith,Bob,30\n"        // 10: the ID is taken in the class
                       "555,Smith,Ann,31\n"        // 11: Ann under another ID
                       "131,Gray,Tom,32,4\r\n"     // 12
                       "132,Hall,Sue,99\n"         // 13: No stops here
                       "133,Ives,Pat,33\n",
                       0));
    EXPECT_EQ(t.ui.asked[5].text,
              "Input line 8 has invalid Team Number Kim\n\nLine is discarded"
              "\n\nContinue ?");
    EXPECT_EQ(t.ui.asked[8].text,
              "Input line 11 has duplicate Pilot with new AMA: \n New AMA #: "
              "555   Old AMA #: 123 \nPilot: Ann Smith\n\nLine is discarded"
              "\n\nContinue ?");
    ASSERT_EQ(doc.pilots.size(), 3u);
    const KORVAPilot& ann = *doc.pilots[1];
    EXPECT_EQ(ann.pilotNumber, 8);  // one above the highest number in use
    EXPECT_EQ(ann.lastName + "|" + ann.firstName + "|" + ann.category, "Smith|Ann|");
    EXPECT_EQ(ann.classIndex, 2);
    EXPECT_TRUE(ann.paid && ann.signedWaiver && ann.active);
    EXPECT_EQ(last().category, "4");
    EXPECT_EQ(ann.primaryPlane(doc.planes), 1);
    const KORVAPlane& plane = *doc.planes[0];
    EXPECT_EQ(plane.type + plane.mainColor + plane.engine, "UnknownUnknownUnknown");
    EXPECT_EQ(plane.safetyChecked, 1);
    EXPECT_NE(t.services.master.findById("131"), nullptr);
    EXPECT_EQ(doc.raceMatrix.PilotInfoChanged[0], 1);
    EXPECT_EQ(doc.changeCount, 1);
}

TEST_F(CsvImportTest, ClassOfTheImportAndRefusalsBeforeAnyLine) {
    const std::string one = "heading\n1,Ray,Bob,12\n";
    doc.class424Apra = 1;  // the only bracket needs no form; under APRA rules it is APRA
    t.ui.expect(425).expect(425);
    EXPECT_TRUE(import("a.csv", one));
    EXPECT_EQ(last().classIndex, 1);
    doc.class426 = 1;  // the form's "424" is the 424 class
    EXPECT_TRUE(import("b.csv", "heading\n2,Ray,Cy,14\n", 0));
    EXPECT_EQ(last().classIndex, 2);
    EXPECT_FALSE(import("c.csv", one, -2));
    forms.files.push_back(std::nullopt);
    EXPECT_FALSE(importPilots(doc, forms));

    t.ui.expect(429).expect(70522).expect(427).expect(600);
    forms.files.push_back(folder.file("M\xC3\xBCller.csv"));
    EXPECT_FALSE(importPilots(doc, forms));
    // A file's name is the system's UTF-8, shown as it is.
    EXPECT_TRUE(t.ui.asked.back().utf8);
    EXPECT_NE(t.ui.asked.back().text.find("M\xC3\xBCller.csv does not exist"), std::string::npos);
    EXPECT_FALSE(import("empty.csv", "", 1));
    EXPECT_FALSE(import("heading.csv", "AMA,Last,First,Team\n", 1));
    doc.class424Apra = doc.class426 = 0;
    EXPECT_FALSE(import("d.csv", one));
    EXPECT_EQ(doc.pilots.size(), 2u);
}

TEST_F(CsvImportTest, Utf8AndSingleByteFilesBothGiveRaceText) {
    doc.class426 = 1;
    t.ui.expect(70530, Answer::Yes).expect(425).expect(425);
    EXPECT_TRUE(import("utf8.csv",
                       "\xEF\xBB\xBF"
                       "AMA,Last,First,Team\r\n"
                       "1,M\xC3\xBCller,Jos\xC3\xA9,12\r\n"
                       "2,\xC5\x81ukasz,Nowak,13\r\n"
                       "3,Zo\xC3\xAB,\xE2\x82\xAC"
                       "d,14\r\n"));
    EXPECT_EQ(t.ui.asked[0].text,
              "Input line 3 holds a character the race file cannot keep "
              "(Unicode U+0141)\n\nLine is discarded\n\nContinue ?");
    ASSERT_EQ(doc.pilots.size(), 2u);
    EXPECT_EQ(doc.pilots[0]->lastName + doc.pilots[0]->firstName, "M\xFCllerJos\xE9");
    EXPECT_EQ(last().lastName + last().firstName,
              "Zo\xEB\x80"
              "d");
    EXPECT_TRUE(import("cp1252.csv", "AMA,Last,First,Team\n4,D\xF6rr,Ren\xE9,15\n"));
    EXPECT_EQ(last().lastName + last().firstName, "D\xF6rrRen\xE9");
}

}  // namespace
}  // namespace korva::test

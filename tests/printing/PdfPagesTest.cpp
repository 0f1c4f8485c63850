// Written pages of the example race as PDF, through korva as a user runs it: a page a sheet,
// and a black-and-white look that really has no colour left.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "PdfContents.h"
#include "printing/PdfPages.h"
#include "support/TempFolder.h"

namespace korva::test {
namespace {

namespace fs = std::filesystem;

bool isGrey(const std::string& rgb) {
    std::istringstream in(rgb);
    double r = 0, g = 0, b = 0;
    in >> r >> g >> b;
    return r == g && g == b;
}

class ExamplePdf : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(fs::path(KORVA_EXAMPLES) / "race", folder.path(), fs::copy_options::recursive);
    }
    // korva report as from a terminal without a display; the pages written, one a line.
    int report(const std::string& kind, const std::string& pdf, const std::string& more = "") {
        const std::string command = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY " +
                                    std::string(KORVA_PROGRAM) + " report " +
                                    folder.file("SpringSprint.kvr") + " " + kind +
                                    " --print-date 05/16/26 --icons --pdf " + pdf + " " + more +
                                    " >" + folder.file("pages.txt") + " 2>/dev/null";
        return std::system(command.c_str());
    }
    int pagesWritten() const {
        std::istringstream in(fileText(folder.file("pages.txt")));
        int lines = 0;
        for (std::string line; std::getline(in, line);) ++lines;
        return lines;
    }

    TempFolder folder;
};

TEST_F(ExamplePdf, HeatSheetAndCardsComeOutASheetPerWrittenPage) {
    ASSERT_EQ(report("heat-sheets", folder.file("sheets.pdf")), 0);
    ASSERT_EQ(pagesWritten(), 1);
    const std::string sheets = fileText(folder.file("sheets.pdf"));
    EXPECT_EQ(sheets.rfind("%PDF-", 0), 0U);
    EXPECT_EQ(readPdfFacts(sheets).pages, 1);

    ASSERT_EQ(report("heat-cards", folder.file("cards.pdf")), 0);
    EXPECT_EQ(pagesWritten(), 4);
    const PdfFacts cards = readPdfFacts(fileText(folder.file("cards.pdf")));
    EXPECT_EQ(cards.pages, 4);
    // The lane pictures and the coloured pilot names are there to lose in grey.
    EXPECT_GT(cards.colourImages, 0);
    EXPECT_FALSE(std::all_of(cards.drawingColours.begin(), cards.drawingColours.end(), isGrey));
    // Anyone may read the PDF, like the pages beside it; no temporary file is left over.
    EXPECT_NE(fs::status(folder.file("cards.pdf")).permissions() & fs::perms::others_read,
              fs::perms::none);
    for (const auto& entry : fs::directory_iterator(folder.path()))
        EXPECT_EQ(entry.path().filename().string().find(".pdf."), std::string::npos) << entry;
}

TEST_F(ExamplePdf, GreyCardsHoldNoColour) {
    ASSERT_EQ(report("heat-cards", folder.file("grey.pdf"), "--grey"), 0);
    const PdfFacts grey = readPdfFacts(fileText(folder.file("grey.pdf")));
    EXPECT_EQ(grey.pages, 4);
    EXPECT_EQ(grey.colourImages, 0);
    EXPECT_GT(grey.greyImages, 0);
    ASSERT_FALSE(grey.drawingColours.empty());
    for (const std::string& colour : grey.drawingColours) EXPECT_TRUE(isGrey(colour)) << colour;
}

TEST_F(ExamplePdf, ARunThatWritesNothingWritesNoPdf) {
    fs::remove_all(folder.file("html"));
    EXPECT_EQ(report("heat-cards", folder.file("none.pdf")), 1 << 8);
    EXPECT_FALSE(fs::exists(folder.file("none.pdf")));
}

TEST(WritePdf, AFailedRunKeepsTheOlderFile) {
    TempFolder folder;
    const std::string pdf = folder.file("run.pdf");
    std::ofstream(pdf) << "older";
    std::ofstream(folder.file("page.html")) << "<HTML><BODY>One page</BODY></HTML>";
    std::string error;
    EXPECT_FALSE(writePdf({folder.file("page.html"), folder.file("missing.html")}, pdf, {}, error));
    EXPECT_NE(error.find("missing.html"), std::string::npos) << error;
    EXPECT_FALSE(writePdf({}, pdf, {}, error));
    EXPECT_EQ(fileText(pdf), "older");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 2);

    EXPECT_TRUE(writePdf({folder.file("page.html")}, pdf, {}, error)) << error;
    EXPECT_EQ(readPdfFacts(fileText(pdf)).pages, 1);
    EXPECT_FALSE(
        writePdf({folder.file("page.html")}, folder.file("no/such/folder/x.pdf"), {}, error));
}

}  // namespace
}  // namespace korva::test

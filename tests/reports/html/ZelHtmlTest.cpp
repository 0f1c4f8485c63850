// Whole pages as they land on disk: header, items in order, footer, CR LF, failures.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "reports/html/ZelHtml.h"
#include "reports/html/ZelHtmlString.h"
#include "reports/html/ZelHtmlTable.h"
#include "reports/html/ZelHtmlText.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"

namespace korva::test {
namespace {

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::string kBaseFont = "<FONT COLOR=BLACK SIZE=2 FACE=\"Verdana\">";
const std::string kFooter = "</FONT></BODY></HTML>";

TEST(ZelHtml, AnEmptyPageIsHeaderAndFooterOnOneLine) {
    TempFolder folder;
    ScriptedInteraction ui;
    ZelHtml page;
    EXPECT_EQ(page.GetURL(), "C:/ZelHtml.html");
    page.SetURL(folder.file("empty.html"));
    ASSERT_TRUE(page.Punch(ui));
    EXPECT_EQ(fileText(page.GetURL()), "<HTML><HEAD><TITLE></TITLE><BODY>" + kBaseFont + kFooter);
}

TEST(ZelHtml, WritesItemsInOrderWithCrLfAndReplacesAnOlderPage) {
    TempFolder folder;
    ScriptedInteraction ui;
    const std::string url = folder.file("cards.html");
    std::ofstream(url) << "an older, longer page that must go away entirely";

    ZelHtml page;
    page.SetURL(url);
    page.SetTitle("Heat Cards");
    page.SetBgImage("img/bg.jpg");
    auto* cell = page.make<ZelHtmlText>("A");
    auto* table = page.make<ZelHtmlTable>();
    table->AddColItem(cell, 0, 255, 9, 0);
    table->AddColItem(cell, 0, 255, 9, 0);  // one item in several places
    table->SetCenter(0);
    page.AddItem(page.make<ZelHtmlString>("<BR>\n"));
    page.AddItem(table);
    page.AddItem(cell);
    ASSERT_TRUE(page.Punch(ui));

    const std::string cellMarkup = "\r\n<TD BGCOLOR=WHITE><CENTER>A</CENTER></TD>";
    EXPECT_EQ(fileText(url),
              "<HTML><HEAD><TITLE>Heat Cards</TITLE><BODY BACKGROUND=img/bg.jpg>" + kBaseFont +
                  "<BR>\r\n\r\n<TABLE BORDER=1 style=border-collapse:collapse BGCOLOR=WHITE "
                  "CELLPADDING=4 CELLSPACING=0>\r\n<TR>" +
                  cellMarkup + cellMarkup + "\r\n</TR>\r\n</TABLE><CENTER>A</CENTER>" + kFooter);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "no temporary file is left beside the page";
}

TEST(ZelHtml, APageThatCannotBeCreatedIsReportedAndNotWritten) {
    TempFolder folder;
    ScriptedInteraction ui;
    ui.expect(70900);
    ZelHtml page;
    const std::string url = folder.file("missing/page.html");
    page.SetURL(url);
    EXPECT_FALSE(page.Punch(ui));
    ASSERT_EQ(ui.asked.size(), 1U);
    EXPECT_EQ(ui.asked[0].text, "Can't open file " + url + ", error = No such file or directory\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing")));

    ui.expect(70900);
    std::filesystem::create_directory(url.substr(0, url.size() - 10));
    std::filesystem::create_directory(url);  // a folder where the page should be
    EXPECT_FALSE(page.Punch(ui));
    EXPECT_TRUE(std::filesystem::is_directory(url));
    EXPECT_FALSE(std::filesystem::exists(url + ".part"));
}

}  // namespace
}  // namespace korva::test

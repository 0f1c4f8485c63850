// Tables: attributes, title rows, alignment carried from cell to cell, shades, gaps, errors.

#include <gtest/gtest.h>

#include "reports/html/ZelHtmlString.h"
#include "reports/html/ZelHtmlTable.h"
#include "reports/html/ZelHtmlText.h"

namespace korva::test {
namespace {

const std::string kOpen =
    "\n<TABLE BORDER=1 style=border-collapse:collapse BGCOLOR=WHITE CELLPADDING=4 CELLSPACING=0>";

std::string rendered(ZelHtmlItem& item, int noCenter = 0) {
    std::string out;
    item.ToString(out, noCenter);
    return out;
}

TEST(ZelHtmlTable, ShowsItsTitleOnlyOnceARowHasTwoCells) {
    ZelHtmlText title("T");
    ZelHtmlText a("a");
    ZelHtmlText b("b");
    ZelHtmlTable table(&title);
    table.AddColItem(&a, 0, 255, 9, 0);
    table.AddColItem(&a, 1, 255, 9, 0);
    const std::string rowA = "\n<TR>\n<TD BGCOLOR=WHITE><CENTER>a</CENTER></TD>\n</TR>";
    EXPECT_EQ(rendered(table), "<CENTER>" + kOpen + rowA + rowA + "\n</TABLE></CENTER>");

    table.AddColItem(&b, 1, 180, 9, 1);
    EXPECT_EQ(rendered(table, 1), kOpen + "\n<TR><TD COLSPAN=2 ALIGN=CENTER>T</TD></TR>" + rowA +
                                      "\n<TR>\n<TD BGCOLOR=WHITE><CENTER>a</CENTER></TD>"
                                      "\n<TD VALIGN=top BGCOLOR=LIGHTGREY><CENTER>b</CENTER></TD>"
                                      "\n</TR>\n</TABLE>");
}

TEST(ZelHtmlTable, OnceAnAlignIsWrittenNoLaterCellCentresItselfButNestedTablesKeepTheirOwn) {
    ZelHtmlText x("x");
    ZelHtmlTable inner;
    inner.AddColItem(&x, 0, 255, 9, 0);
    ZelHtmlTable table;
    table.AddColItem(&x, 0, 255, 9, 2);
    table.AddColItem(&x, 1, 255, 0, 0);
    table.AddColItem(&x, 1, 255, 4, 0);
    table.AddColItem(&inner, 2, 255, 9, 0);
    table.AddColItem(&x, 3, 255, 3, 1);
    table.SetCenter(0);
    EXPECT_EQ(rendered(table),
              kOpen +
                  "\n<TR VALIGN=bottom>\n<TD VALIGN=bottom BGCOLOR=WHITE><CENTER>x</CENTER></TD>"
                  "\n</TR>\n<TR ALIGN=center>\n<TD BGCOLOR=WHITE>x</TD>"
                  "\n<TD ALIGN=right BGCOLOR=WHITE>x</TD>\n</TR>"
                  "\n<TR>\n<TD BGCOLOR=WHITE>" +
                  kOpen +
                  "\n<TR>\n<TD BGCOLOR=WHITE><CENTER>x</CENTER></TD>\n</TR>\n</TABLE></TD>"
                  "\n</TR>\n<TR VALIGN=top ALIGN=left>"
                  "\n<TD VALIGN=top ALIGN=left BGCOLOR=WHITE>x</TD>\n</TR>\n</TABLE>");
}

TEST(ZelHtmlTable, NamesShadesSkipsUnfilledRowsAndWritesStringCellsBare) {
    ZelHtmlString s("s");
    s.SetFontColor("RED");  // a string item ignores its font and centre attributes
    s.SetFontSize("5");
    ZelHtmlTable table;
    for (int shade : {0, 180, 200}) table.AddColItem(&s, 4, shade, 9, 0);
    for (int shade : {255, 1, 100}) table.AddColItem(&s, 1, shade, 9, 0);
    table.AddColItem(nullptr, 1, 255, 9, 0);
    EXPECT_EQ(rendered(table, 1),
              kOpen +
                  "\n<TR>\n<TD BGCOLOR=WHITE>s</TD>\n<TD BGCOLOR=WHITE>s</TD>"
                  "\n<TD BGCOLOR=WHITE>s</TD>\n<TD BGCOLOR=WHITE></TD>\n</TR>"
                  "\n<TR>\n<TD BGCOLOR=BLACK>s</TD>\n<TD BGCOLOR=LIGHTGREY>s</TD>"
                  "\n<TD BGCOLOR=GRAY>s</TD>\n</TR>\n</TABLE>");
}

TEST(ZelHtmlTable, WritesItsAttributesAndFontAroundTheTable) {
    ZelHtmlText title("T");
    ZelHtmlTable table(&title, "0");
    table.SetOutlineWidth(0);
    table.SetWidth("630");
    table.SetHeight("50%");
    table.SetBgColor("GRAY");
    table.SetStyle("page-break-after:always");
    table.SetStyle("");
    table.SetFontSize("4");
    EXPECT_EQ(rendered(table),
              "<CENTER><FONT SIZE=4>\n<TABLE BORDER=0 style=border-collapse:collapse BGCOLOR=GRAY "
              "CELLPADDING=0 CELLSPACING=0 WIDTH=630 HEIGHT=50% STYLE=page-break-after:always>"
              "\n</TABLE></FONT></CENTER>");
}

TEST(ZelHtmlTable, CellsOutsideTheTableAreErrors) {
    ZelHtmlTable table;
    EXPECT_THROW(table.AddColItem(nullptr, -1, 255, 0, 0), HtmlRangeError);
    Zel2dIntArray ints;
    ints.SetAt(2, 3, 7);
    EXPECT_EQ(ints.GetAt(2, 3), 7);
    EXPECT_EQ(ints.GetAt(2, 0), 0);
    EXPECT_THROW(ints.GetAt(0, 0), HtmlRangeError);  // rows before 2 exist but are empty
    EXPECT_THROW(ints.GetAt(2, 4), HtmlRangeError);
    EXPECT_THROW(ints.SetAt(0, -1, 1), HtmlRangeError);
    Zel2dItemArray items;
    items.SetAt(0, 1, &table);
    EXPECT_EQ(items.GetAt(0, 0), nullptr);
}

}  // namespace
}  // namespace korva::test

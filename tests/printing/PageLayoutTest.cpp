// Written pages laid out as the printed sheet: tables keep the widths the page gives them.

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <fstream>

#include "printing/HtmlPageDocument.h"
#include "support/TempFolder.h"

namespace korva::test {
namespace {

std::vector<QTextTable*> tablesOf(QTextFrame& frame) {
    std::vector<QTextTable*> tables;
    for (QTextFrame* child : frame.childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) tables.push_back(table);
        for (QTextTable* inner : tablesOf(*child)) tables.push_back(inner);
    }
    return tables;
}

double widthOf(QTextDocument& doc, QTextTable* table) {
    return doc.documentLayout()->frameBoundingRect(table).width();
}

std::unique_ptr<QTextDocument> load(const std::string& html) {
    TempFolder folder;
    std::ofstream(folder.file("page.html")) << html;
    QString error;
    return loadHtmlPage(QString::fromStdString(folder.file("page.html")), error);
}

// As the heat cards write a card: a table of set width inside two tables of none, its first
// row holding a small table across all columns.
const char* const kCard =
    "<HTML><BODY><CENTER><TABLE BORDER=0 CELLPADDING=0><TR><TD>"
    "<TABLE BORDER=0 CELLPADDING=0><TR><TD>S<BR>T</TD><TD><CENTER>"
    "<TABLE BORDER=1 CELLPADDING=2 WIDTH=604><TR><TD COLSPAN=3><CENTER>"
    "<TABLE BORDER=0 CELLPADDING=4><TR><TD>1</TD><TD>R1H1</TD></TR></TABLE>"
    "</CENTER></TD></TR><TR><TD>Ln</TD><TD>Pilot</TD><TD>Pts</TD></TR></TABLE>"
    "</CENTER></TD><TD>R<BR>D</TD></TR></TABLE></TD></TR></TABLE></CENTER></BODY></HTML>";

TEST(PageLayout, NestedTablesKeepTheirWrittenWidth) {
    const auto doc = load(kCard);
    ASSERT_TRUE(doc);
    const std::vector<QTextTable*> tables = tablesOf(*doc->rootFrame());
    ASSERT_EQ(tables.size(), 4U);
    EXPECT_GE(widthOf(*doc, tables[2]), 604);
    EXPECT_LT(widthOf(*doc, tables[2]), 620);
    // The tables around it grow to hold it; the small table across the card stays small.
    EXPECT_GT(widthOf(*doc, tables[1]), widthOf(*doc, tables[2]));
    EXPECT_GT(widthOf(*doc, tables[0]), widthOf(*doc, tables[2]));
    EXPECT_LT(widthOf(*doc, tables[3]), 300);
    EXPECT_LE(doc->size().width(), kPageLayoutWidth);
}

TEST(PageLayout, ColumnWidthsThePageSetStay) {
    // A percentage column is the page's choice; a wider set column is kept as it is.
    const auto doc = load(
        "<TABLE WIDTH=700><TR><TD WIDTH=50%><TABLE WIDTH=100><TR><TD>a</TD></TR></TABLE></TD>"
        "<TD WIDTH=400><TABLE WIDTH=100><TR><TD>b</TD></TR></TABLE></TD></TR></TABLE>");
    ASSERT_TRUE(doc);
    const QTextTable* outer = tablesOf(*doc->rootFrame()).front();
    const QList<QTextLength> columns = outer->format().columnWidthConstraints();
    ASSERT_EQ(columns.size(), 2);
    EXPECT_EQ(columns[0], QTextLength(QTextLength::PercentageLength, 50));
    EXPECT_EQ(columns[1], QTextLength(QTextLength::FixedLength, 400));
}

}  // namespace
}  // namespace korva::test

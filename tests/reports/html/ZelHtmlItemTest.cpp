// Texts, images and raw strings: the font and centre wrapper, and the colour legends.

#include <gtest/gtest.h>

#include "reports/html/ColorLegends.h"
#include "reports/html/EscapeHtml.h"
#include "reports/html/ZelHtmlImage.h"
#include "reports/html/ZelHtmlText.h"

namespace korva::test {
namespace {

std::string rendered(ZelHtmlItem& item, int noCenter = 0) {
    std::string out = "[";  // items append, never replace
    item.ToString(out, noCenter);
    return out.substr(1);
}

TEST(ZelHtmlText, WritesOnlyTheFontAttributesThatDifferFromTheBaseFont) {
    ZelHtmlText text("Ann");
    EXPECT_EQ(rendered(text), "<CENTER>Ann</CENTER>");
    EXPECT_EQ(rendered(text, 1), "Ann");
    text.SetFontColor("black");
    text.SetFont("verdana");
    EXPECT_EQ(rendered(text), "<CENTER>Ann</CENTER>") << "letter case does not make a change";

    text.SetFontColor("RED");
    EXPECT_EQ(rendered(text), "<CENTER><FONT COLOR=RED>Ann</FONT></CENTER>");
    text.SetFontColor("");
    text.SetFontSize("");
    text.SetFont("");
    EXPECT_EQ(rendered(text), "<CENTER><FONT COLOR=RED>Ann</FONT></CENTER>") << "empty keeps";

    text.SetFontSize("+1");
    text.SetFont("Arial");
    text.SetCenter(0);
    EXPECT_EQ(rendered(text), "<FONT COLOR=RED SIZE=+1 FACE=\"Arial\">Ann</FONT>");
    text.SetFontColor("Black");
    text.SetFont("VERDANA");
    text.SetBold(1);
    text.SetSmall(2);
    const std::string once = rendered(text);
    EXPECT_EQ(once, "<FONT SIZE=+1><B><SMALL><SMALL>Ann</SMALL></SMALL></B></FONT>");
    EXPECT_EQ(rendered(text), once);
}

TEST(ZelHtmlImage, QuotesTheSourceAndWritesTheBorder) {
    ZelHtmlImage image;
    EXPECT_EQ(rendered(image), "<CENTER><IMG SRC=\"C:/\" BORDER=0></CENTER>");
    image.SetURL("img/finish.jpg");
    image.SetOutlineWidth(3);
    image.SetFontColor("BLUE");
    EXPECT_EQ(rendered(image, 1), "<FONT COLOR=BLUE><IMG SRC=\"img/finish.jpg\" BORDER=3></FONT>");
}

TEST(ColorLegends, StartGroupsFollowRoundAndLaneAndTheRotationPeriod) {
    // {round index, lane index, FAI, period, colour}
    const struct {
        int a, b, fai, period;
        const char* color;
    } cases[] = {
        {0, 0, 0, 0, "GREEN"},   {3, 1, 0, 0, "GREEN"},   {2, 1, 0, 5, "BLUE"},
        {1, 1, 1, 0, "MAGENTA"}, {2, 2, 1, 3, "BLUE"},    {2, 0, 1, 1, "GREEN"},
        {1, 1, 1, 1, "BLUE"},    {2, 0, 1, 2, "GREEN"},   {3, 0, 1, 2, "BLUE"},
        {4, 0, 1, 2, "GREEN"},   {5, 1, 1, 4, "MAGENTA"}, {7, 2, 1, 5, "BLUE"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StartGroupColorName(c.a, c.b, c.fai, c.period), c.color)
            << c.a << "," << c.b << "," << c.fai << "," << c.period;
    }
}

TEST(ColorLegends, EntriesShowTheColourNameThenTheWord) {
    const std::string green = "<FONT SIZE=3 COLOR=GREEN> GREEN</FONT><FONT SIZE=3>  First</FONT>";
    const std::string blue = "<FONT SIZE=3 COLOR=BLUE> BLUE</FONT><FONT SIZE=3>  Second</FONT>";
    const std::string third =
        "<FONT SIZE=3 COLOR=MAGENTA> MAGENTA</FONT><FONT SIZE=3>  Third</FONT>";
    EXPECT_EQ(StartGroupLegend(false, "3", false), green + blue);
    EXPECT_EQ(StartGroupLegend(true, "3", true), "<B>" + green + blue + third + "</B>");

    EXPECT_EQ(ScoreColorLegend(false, "1", false),
              "<FONT SIZE=1 COLOR=BLUE> BLUE</FONT><FONT SIZE=1>  Cut</FONT>");
    EXPECT_EQ(ScoreColorLegend(true, "1", true),
              "<B><FONT SIZE=1 COLOR=RED> RED</FONT><FONT SIZE=1>  Discard</FONT>"
              "<FONT SIZE=1 COLOR=BLUE> BLUE</FONT><FONT SIZE=1>  Infringe</FONT></B>");
}

TEST(EscapeHtml, MakesUserTextInertMarkup) {
    EXPECT_EQ(escapeHtml("Bob <Ace> & \"Co\" 's"), "Bob &lt;Ace&gt; &amp; &quot;Co&quot; 's");
}

}  // namespace
}  // namespace korva::test

// The heat window's print commands: their dialogs, confirmation, locking and queueing, and
// one card page byte for byte.

#include "reports/HeatReportFixture.h"
#include "reports/PrintOptions.h"

namespace korva::test {
namespace {

namespace fs = std::filesystem;

const HeatWindowState kCardWindow{true, -1, "Heats - Sample Race"};
const HeatWindowState kSheetWindow{false, 1, "Heats - Sample Race"};

HtmlFileDispositionForm printNow(HtmlFileDispositionForm f) {
    f.choice = HtmlDisposition::PrintNow;
    return f;
}

TEST_F(HeatReportFixture, ACancelledDialogWritesNothing) {
    forms.cancel<HeatDetailsTypeForm>();
    EXPECT_TRUE(PrintHeats(*doc, forms, queue, kCardWindow).empty());
    forms.ok<HeatDetailsTypeForm>().cancel<PrintHeatsForm>();
    PrintHeats(*doc, forms, queue, kCardWindow);
    forms.ok<PrintHeatsForm>().cancel<HtmlFileDispositionForm>();
    PrintHeats(*doc, forms, queue, kSheetWindow);
    forms.ok<PrintHeatsForm>()
        .ok<HtmlFileDispositionForm>([](auto& f) { f = printNow(f); })
        .cancel<PrintReminderForm>();
    PrintHeats(*doc, forms, queue, kSheetWindow);
    EXPECT_TRUE(files().empty());
    EXPECT_EQ(doc->printOptions, kShowPrintReminder);
    EXPECT_EQ(doc->locked424 + doc->locked426 + doc->lockedThird, 0);

    const PrintHeatsForm shown = forms.lastShown<PrintHeatsForm>();
    EXPECT_EQ(shown.caption, "Print Heat Sheets");
    EXPECT_EQ(shown.classes.enabled, 7);
    EXPECT_EQ(shown.classes.ticked, (std::array<bool, 3>{false, true, false})) << "the filter";
    EXPECT_EQ(shown.endRound, 3);
    EXPECT_EQ(shown.wingFlags, WingFlags::DontDisplay);
    EXPECT_TRUE(shown.idRoundStartCard);

    fs::remove(race.file("html"));
    t.ui.expect(str::kNoHtmlFolder);
    EXPECT_TRUE(PrintHeats(*doc, forms, queue, kCardWindow).empty());
}

TEST_F(HeatReportFixture, CardsLockTheirMatrixAndPrintOnlyWhenAsked) {
    // Keep the files: pages are written and nothing is queued.
    forms.ok<HeatDetailsTypeForm>().ok<PrintHeatsForm>(
        [](auto& f) { f.classes.ticked[2] = false; });
    forms.ok<HtmlFileDispositionForm>();
    t.ui.expect(str::kMatrixLocked);
    const auto kept = PrintHeats(*doc, forms, queue, kCardWindow);
    EXPECT_EQ(kept.size(), 5U);  // two brackets of nine heats
    EXPECT_TRUE(queue.paths.empty());
    EXPECT_EQ(t.ui.asked.back().text, cformat(text(str::kMatrixLocked), "424, 426"));
    EXPECT_EQ(doc->locked424 + doc->locked426, 2);
    EXPECT_EQ(doc->lockedThird, 0);
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(forms.lastShown<PrintHeatsForm>().caption, "Print Heat Cards");

    // A heat changed since: only its card, on its own numbered page, and this time printed.
    t.clock.advance(60);
    doc->raceMatrix.matrix(1).rounds[2]->heats[1]->touch(t.clock.now());
    forms.ok<HeatDetailsTypeForm>()
        .ok<PrintOnlyChangedForm>([](auto& f) { f.onlyChanged = true; })
        .ok<PrintHeatsForm>([](auto& f) { f.classes.ticked[2] = false; })
        .ok<HtmlFileDispositionForm>([](auto& f) { f = printNow(f); })
        .ok<PrintReminderForm>();
    t.ui.expect(str::kMatrixLocked);
    const auto changed = PrintHeats(*doc, forms, queue, kCardWindow);
    EXPECT_EQ(forms.lastShown<PrintReminderForm>().paperName, "Card Stock");
    ASSERT_EQ(changed, std::vector<std::string>{race.file("html/Spring_ChangedHeatCards_01.html")});
    EXPECT_EQ(queue.paths, changed);
    EXPECT_EQ(countOf(page("Spring_ChangedHeatCards_01.html"), "M:S.HH"), 1);
    EXPECT_EQ(countOf(page("Spring_HeatCards_05.html"), "M:S.HH"), 2) << "full run kept";

    // Printed now, nothing changed: no question, every page queued in page order.
    forms.ok<HeatDetailsTypeForm>()
        .ok<PrintHeatsForm>()
        .ok<HtmlFileDispositionForm>()
        .ok<PrintReminderForm>();
    t.ui.expect(str::kMatrixLocked);
    queue.paths.clear();
    const auto all = PrintHeats(*doc, forms, queue, kCardWindow);
    EXPECT_EQ(queue.paths, all);
    ASSERT_EQ(all.size(), 7U);
    EXPECT_EQ(all.front(), race.file("html/Spring_HeatCards_01.html"));
    EXPECT_EQ(all.back(), race.file("html/Spring_HeatCards_07.html"));
    EXPECT_FALSE(fs::exists(race.file("html/Spring_ChangedHeatCards_01.html")));
}

TEST_F(HeatReportFixture, OnePilotsResultsStayInTheHtmlFolder) {
    KORVAPilot& pilot = *doc->pilots[4];  // of the 426 bracket
    pilot.firstName = "..";
    pilot.lastName = "x/../../y";
    doc->raceMatrix.matrix(1).rounds[0]->heats[0]->removePilot(5, t.clock.now());
    forms.ok<HeatDetailsTypeForm>([](auto& f) { f.type = HeatDetailsType::HeatResults; })
        .ok<DetailPilotsForm>([](auto& f) { f.allPilots = false; })
        .ok<DetailPilotsForm>([](auto& f) { f.singlePilot = 5; })
        .ok<PrintHeatsForm>([](auto& f) { f.printDate = "123456789"; })
        .ok<PrintHeatsForm>([](auto& f) {
            f.printDate = "12345678";
            f.endRound = 1;
        })
        .ok<HtmlFileDispositionForm>();
    t.ui.expect(str::kSinglePilotZero).expect(str::kEnterNoMoreThan);
    PrintHeats(*doc, forms, queue, kCardWindow);
    EXPECT_EQ(files(), std::vector<std::string>{"Spring_Results Pilot ._ x_.__.__y.html"});
    const std::string results = page(files().front());
    EXPECT_EQ(countOf(results, "M:S.HH"), 2) << "the pilot's heats of round 1";
    EXPECT_EQ(countOf(results, "<TR ALIGN=left>"), 1) << "two cards a row";
    EXPECT_EQ(countOf(results, "HC_L"), 0);
    EXPECT_EQ(countOf(results, "<B>S<BR>"), 0) << "results have no side cells";
    EXPECT_EQ(doc->locked426, 0) << "results lock nothing";
}

// The pieces a page is made of, spelled out.
std::string td(const std::string& inner, const std::string& attributes = "") {
    return "\n<TD" + attributes + " BGCOLOR=WHITE>" + inner + "</TD>";
}
std::string txt(const std::string& value, const std::string& size = "2", bool bold = false) {
    const std::string b = bold ? "<B>" + value + "</B>" : value;
    return "<CENTER>" + (size == "2" ? b : "<FONT SIZE=" + size + ">" + b + "</FONT>") +
           "</CENTER>";
}
std::string table(const std::string& border, const std::string& padding, const std::string& rest) {
    return "\n<TABLE BORDER=" + border + " style=border-collapse:collapse BGCOLOR=WHITE " +
           "CELLPADDING=" + padding + " CELLSPACING=0" + rest;
}

TEST_F(HeatReportFixture, AReFlyCardPageByteForByte) {
    setting("ColorPrinter", 0);
    t.clock.set(1'699'963'200);  // noon, 14 November 2023
    doc->raceMatrix.matrix(0).rounds[1]->heats[2]->laneCuts[1] = 1;
    forms.ok<HtmlFileDispositionForm>();
    PrintReFlyCard(*doc, forms, queue, HeatPlace{0, 1, 2});

    std::string heading = "<CENTER>" + table("0", "4", ">") + "\n<TR>" +
                          td(txt("Re-Fly", "4", true)) + td(txt("6", "4", true)) +
                          td(txt("424", "+1")) + td(txt("R2H3", "+1")) + td(txt("11/14/23", "1")) +
                          "\n</TR>\n</TABLE></CENTER>";
    std::string card = "<CENTER>" + table("1", "2", " WIDTH=604>") +
                       "\n<TR><TD COLSPAN=8 ALIGN=CENTER>" + heading + "</TD></TR>\n<TR>";
    for (const char* title : {"Ln", "Pilot", "Ch", "Fin", "M:S.HH", "Cts", "DN", "Pts"})
        card += td(txt(title, "1", true));
    card += "\n</TR>";
    // Bracket 0's four pilots fly every heat of the sample race in the same lanes.
    const std::vector<std::vector<std::string>> lanes = {
        {"FQ Last1", "18", "1", "1:30.02", "0", "4"},
        {"FQ Last4", "39", "2", "1:30.39", "1", "3"},
        {"FQ Last7", "60", "3", "1:30.76", "0", "2"},
        {"FQ Last10", "31", "4", "1:31.13", "0", "1"}};
    for (std::size_t lane = 0; lane < lanes.size(); ++lane) {
        const auto& l = lanes[lane];
        card += "\n<TR>" + td(txt(std::to_string(lane + 1), "+2", true)) +
                td(txt(l[0], "+1", true)) + td(txt(l[1])) + td(txt(l[2])) + td(txt(l[3])) +
                td(txt(l[4])) + td("&nbsp;") + td(txt(l[5])) + "\n</TR>";
    }
    card += "\n</TABLE></CENTER>";
    const std::string wrapper = table("0", "0", ">") + "\n<TR>" +
                                td(txt("R<BR>E<BR>&nbsp;<BR>F<BR>L<BR>Y", "+1", true)) + td(card) +
                                td(txt("<BR>H<BR>E<BR>A<BR>T<BR>&nbsp;<BR>&nbsp;", "+1", true)) +
                                "\n</TR>\n</TABLE>";
    std::string expected =
        "<HTML><HEAD><TITLE>Re-Fly Heat Card</TITLE><BODY>"
        "<FONT COLOR=BLACK SIZE=2 FACE=\"Verdana\"><CENTER>" +
        table("0", "0", ">") + "\n<TR ALIGN=left>" + td(wrapper, " ALIGN=left") +
        "\n</TR>\n</TABLE></CENTER><BR>" + "</FONT></BODY></HTML>";
    std::string crlf;
    for (char c : expected) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(page("ReFlyHeatCard.html"), crlf);
    EXPECT_TRUE(queue.paths.empty());
}

}  // namespace
}  // namespace korva::test

#include <gtest/gtest.h>

#include "reports/print/KORVAPrintQueue.h"
#include "reports/print/KORVAPrinter.h"
#include "reports/print/PrintFakes.h"

namespace korva {
namespace {

using Names = std::vector<std::string>;

TEST(KORVAPrinter, WalksToTheDefaultPrinterOpeningThoseThatAreNotDirect) {
    test::FakePrintClock clock;
    for (const bool secondIsDirect : {false, true}) {
        test::FakeSpooler spooler(clock);
        spooler.printers = std::vector<PrinterEntry>{
            {"office", false, false}, {"label", false, secondIsDirect}, {"lp", true, false}, {"x"}};
        const Names expected =
            secondIsDirect ? Names{"office", "lp"} : Names{"office", "label", "lp"};
        {
            KORVAPrinter printer(spooler);
            EXPECT_EQ(printer.openPrinters(), KORVAPrinter::kOpened);
            EXPECT_EQ(printer.openPrinters(), KORVAPrinter::kAlreadyOpen);
            EXPECT_EQ(spooler.opened, expected);
            EXPECT_TRUE(spooler.closed.empty());
        }
        EXPECT_EQ(spooler.closed, expected);
    }
}

TEST(KORVAPrinter, ReportsWhyNoPrinterIsWatchedAndTriesAgainLater) {
    test::FakePrintClock clock;
    test::FakeSpooler spooler(clock);
    KORVAPrinter printer(spooler);
    for (auto printers :
         {std::optional<std::vector<PrinterEntry>>{}, {{}}, {{{"direct", false, true}}}}) {
        spooler.printers = printers;
        EXPECT_EQ(printer.openPrinters(), KORVAPrinter::kNoPrinters);
        EXPECT_EQ(printer.jobCount(), 0);
    }
    // A default printer that cannot be opened leaves nothing open behind it.
    spooler.printers = std::vector<PrinterEntry>{{"office"}, {"lp", true}};
    spooler.unopenable = {"lp"};
    EXPECT_EQ(printer.openPrinters(), KORVAPrinter::kDefaultNotOpened);
    EXPECT_EQ(spooler.closed, Names{"office"});
    spooler.unopenable.clear();
    spooler.opened.clear();
    EXPECT_EQ(printer.openPrinters(), KORVAPrinter::kOpened);
    EXPECT_EQ(spooler.opened, (Names{"office", "lp"}));
}

TEST(KORVAPrinter, CountsAndFindsJobsOverEveryOpenPrinter) {
    test::FakePrintClock clock;
    test::FakeSpooler spooler(clock);
    spooler.printers = std::vector<PrinterEntry>{{"office"}, {"lp", true}};
    spooler.standingJobs = {{"office", {100, 250}}, {"lp", {200}}, {"unwatched", {300}}};
    KORVAPrinter printer(spooler);  // opened by the first request
    EXPECT_EQ(printer.jobCount(), 3);
    EXPECT_TRUE(printer.findJobSince(250));  // at the time counts
    EXPECT_FALSE(printer.findJobSince(251));
    EXPECT_EQ(printer.countJobsSince(200), 2);
}

TEST(PrintStatusText, JoinsPagesAndJobsInTheirSingularOrPluralForms) {
    EXPECT_EQ(printStatusText(1, 2), "Processing 1 Page - 2 Files in Print Queue");
    EXPECT_EQ(printStatusText(3, 0), "Processing 3 Pages");
    EXPECT_EQ(printStatusText(0, 1), "1 File in Print Queue");
    EXPECT_EQ(printStatusText(0, 0), "");
}

}  // namespace
}  // namespace korva

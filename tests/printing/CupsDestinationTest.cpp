// How the spooler's destinations map to the printer monitor's entries.

#include <cups/cups.h>
#include <gtest/gtest.h>

#include "printing/CupsPrinterPlatform.h"

namespace korva::test {
namespace {

TEST(CupsDestination, QueuesAreWatchedDiscoveredPrintersAreDirect) {
    cups_dest_t* dests = nullptr;
    int count = cupsAddDest("office", nullptr, 0, &dests);
    count = cupsAddDest("field", nullptr, count, &dests);
    count = cupsAddDest("field", "draft", count, &dests);
    count = cupsAddDest("nearby", nullptr, count, &dests);
    cups_dest_t* office = cupsGetDest("office", nullptr, count, dests);
    office->num_options =
        cupsAddOption("printer-type", "4124", office->num_options, &office->options);
    cups_dest_t* field = cupsGetDest("field", "draft", count, dests);
    field->is_default = 1;
    field->num_options =
        cupsAddOption("printer-type", "36876", field->num_options, &field->options);
    cups_dest_t* nearby = cupsGetDest("nearby", nullptr, count, dests);
    nearby->num_options =
        cupsAddOption("printer-type", std::to_string(4 | CUPS_PRINTER_DISCOVERED).c_str(),
                      nearby->num_options, &nearby->options);

    const PrinterEntry queue = printerEntryOf(*office);
    EXPECT_EQ(queue.name, "office");
    EXPECT_FALSE(queue.isDefault);
    EXPECT_FALSE(queue.isDirect);
    // An instance prints to its queue, under the queue's name.
    const PrinterEntry instance = printerEntryOf(*field);
    EXPECT_EQ(instance.name, "field");
    EXPECT_TRUE(instance.isDefault);
    EXPECT_FALSE(instance.isDirect);
    EXPECT_TRUE(printerEntryOf(*nearby).isDirect);
    // No printer-type: the scheduler has no queue for it.
    EXPECT_TRUE(printerEntryOf(*cupsGetDest("field", nullptr, count, dests)).isDirect);
    cupsFreeDests(count, dests);
}

}  // namespace
}  // namespace korva::test

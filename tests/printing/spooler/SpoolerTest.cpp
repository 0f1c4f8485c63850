// Written pages printed through a real CUPS scheduler, a private one the test command starts
// (cups-scheduler.sh): one job per page, in queue order, each with its output.

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "printing/CupsPrinterPlatform.h"
#include "printing/QtPagePrinter.h"
#include "reports/print/KORVAPrintQueue.h"
#include "reports/print/KORVAPrinter.h"
#include "reports/print/PrintClock.h"
#include "support/TempFolder.h"

namespace korva::test {
namespace {

const char* const kQueue = "korva-test";

// The scheduler's folder, as the start script left it; empty when it did not start.
std::string& schedulerFolder() {
    static std::string folder;
    return folder;
}

// Runs the user-interface thread's events until `done` holds or ten seconds have passed.
bool runEventsUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

struct Job {
    int id;
    std::string title;
    ipp_jstate_t state;
};

std::vector<Job> jobsOfQueue() {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, kQueue, 0, CUPS_WHICHJOBS_ALL);
    std::vector<Job> list;
    for (int i = 0; i < count; ++i) list.push_back({jobs[i].id, jobs[i].title, jobs[i].state});
    cupsFreeJobs(std::max(count, 0), jobs);
    std::sort(list.begin(), list.end(), [](const Job& a, const Job& b) { return a.id < b.id; });
    return list;
}

class Spooler : public ::testing::Test {
protected:
    static std::string pageName(int n) {
        return "html/Sprint_HeatCards_0" + std::to_string(n) + ".html";
    }
    void SetUp() override {
        ASSERT_FALSE(schedulerFolder().empty())
            << "The private CUPS scheduler did not start: see the output of the test "
               "printing.scheduler.start (cups-scheduler.sh start).";
        std::filesystem::create_directory(folder.file("html"));
        for (int n = 1; n <= 3; ++n) {
            pages.push_back(folder.file(pageName(n)));
            std::ofstream(pages.back())
                << "<HTML><BODY><TABLE BORDER=1 WIDTH=604><TR><TD><FONT COLOR=RED>Heat " << n
                << "</FONT></TD></TR></TABLE></BODY></HTML>";
        }
    }

    TempFolder folder;
    std::vector<std::string> pages;
};

TEST_F(Spooler, OnlyTheDefaultQueueIsListedAndWatched) {
    CupsPrinterPlatform platform;
    const auto printers = platform.enumeratePrinters();
    ASSERT_TRUE(printers);
    ASSERT_EQ(printers->size(), 1U);
    EXPECT_EQ(printers->front().name, kQueue);
    EXPECT_TRUE(printers->front().isDefault);
    EXPECT_FALSE(printers->front().isDirect);
    EXPECT_FALSE(platform.openPrinter("no-such-queue"));
    EXPECT_EQ(platform.jobTimes(kQueue), std::nullopt);  // not opened
}

// The program's own path: the print queue's worker hands each page to the page printer on
// this (the user-interface) thread and waits for its job through the printer monitor.
TEST_F(Spooler, ThreePagesPrintInOrderAJobEach) {
    const std::size_t before = jobsOfQueue().size();
    CupsPrinterPlatform platform;
    KORVAPrinter monitor(platform);
    SystemPrintClock clock;
    QtPagePrinter printer;
    // The jobs the spooler held as each page started: every earlier page's job is there.
    std::vector<std::size_t> jobsAtStart;
    printer.titleChanged = [&](const std::string& title) {
        if (title == "Start Print") jobsAtStart.push_back(jobsOfQueue().size() - before);
    };
    printer.pageFailed = [](const std::string& path, const std::string& why) {
        ADD_FAILURE() << path << ": " << why;
    };
    KORVAPrintQueue queue(printer, monitor, clock, folder.path());
    for (int n = 1; n <= 3; ++n) queue.QueueHtmlPrint(pageName(n));
    ASSERT_TRUE(runEventsUntil([&] {
        return queue.pagesWaiting() == 0 && printer.pagesPrinted() == 3 &&
               monitor.countJobsSince(0) >= static_cast<int>(before + 3) &&
               platform.queuedJobCount(kQueue) == 0;
    })) << printer.pagesPrinted()
        << " pages printed";
    EXPECT_TRUE(queue.stop(std::chrono::milliseconds(5000)));
    EXPECT_EQ(jobsAtStart, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(printer.title(), "Print Complete");

    const std::vector<Job> jobs = jobsOfQueue();
    ASSERT_EQ(jobs.size(), before + 3);
    for (std::size_t i = 0; i < 3; ++i) {
        const Job& job = jobs[before + i];
        EXPECT_EQ(job.title, std::filesystem::path(pages[i]).filename().string());
        EXPECT_EQ(job.state, IPP_JSTATE_COMPLETED) << job.title;
        const std::string output =
            fileText(schedulerFolder() + "/out/job-" + std::to_string(job.id));
        EXPECT_EQ(output.rfind("%PDF-", 0), 0U) << job.title << " printed " << output.size();
    }
}

}  // namespace
}  // namespace korva::test

int main(int argc, char** argv) {
    // libcups and Qt's print support read the scheduler's address once, at their first use.
    if (const char* state = std::getenv("KORVA_CUPS_STATE")) {
        std::ifstream in(state);
        std::getline(in, korva::test::schedulerFolder());
        if (!korva::test::schedulerFolder().empty())
            setenv("CUPS_SERVER", (korva::test::schedulerFolder() + "/cups.sock").c_str(), 1);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

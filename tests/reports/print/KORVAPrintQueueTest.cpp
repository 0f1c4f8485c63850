#include <gtest/gtest.h>

#include <memory>

#include "reports/print/KORVAPrintQueue.h"
#include "reports/print/PrintFakes.h"

namespace korva {
namespace {

using namespace std::chrono_literals;
using test::FakePrintClock;
using test::FakeSpooler;

struct Rig {
    explicit Rig(FakePrintClock::Sleeps sleeps = FakePrintClock::Sleeps::Advance) : clock(sleeps) {}
    FakePrintClock clock;
    FakeSpooler spooler{clock};
    KORVAPrinter monitor{spooler};
    KORVAPrintQueue queue{spooler, monitor, clock, "/races/spring/"};

    bool printed(std::size_t pages) {
        return spooler.waitUntil([&](const FakeSpooler& s) { return s.printed.size() == pages; });
    }
};

TEST(KORVAPrintQueue, PrintsPagesInOrderEachAfterThePreviousPagesJob) {
    // Jobs that stay, and jobs that leave soon (a fast printer): in both the previous page's
    // job, stamped in the same second, must not pass for the next one's.
    for (const int leaveAfterPolls : {-1, 2}) {
        Rig rig;
        rig.spooler.leaveAfterPolls = leaveAfterPolls;
        int started = 0;
        rig.queue.workerStarted = [&] { ++started; };
        rig.queue.QueueHtmlPrint("html/Spring_HeatCards.html");
        rig.queue.QueueHtmlPrint("html/Spring_HeatCards2.html");
        rig.queue.QueueHtmlPrint("/tmp/Spring_HeatSheets.html");
        ASSERT_TRUE(rig.printed(3));
        EXPECT_TRUE(rig.queue.stop(5000ms));
        EXPECT_EQ(started, 1);
        const auto& printed = rig.spooler.printed;
        EXPECT_EQ(printed[0].path, "/races/spring/html/Spring_HeatCards.html");
        EXPECT_EQ(printed[1].path, "/races/spring/html/Spring_HeatCards2.html");
        EXPECT_EQ(printed[2].path, "/tmp/Spring_HeatSheets.html");
        for (int i = 0; i < 3; ++i) EXPECT_EQ(printed[i].jobsBefore, i) << leaveAfterPolls;
        EXPECT_EQ(rig.clock.giveUpPauses, 0) << "no page may time out";
    }
}

TEST(KORVAPrintQueue, AbandonsAPageWhoseJobNeverAppearsAfterTwentyTwoSeconds) {
    // A lost job, and no printer at all: the next page follows after 20 s and a 2 s pause.
    for (const bool noPrinter : {false, true}) {
        Rig rig;
        rig.spooler.lostPages = {"lost.html"};
        if (noPrinter) rig.spooler.printers.reset();
        rig.queue.QueueHtmlPrint("html/lost.html");
        rig.queue.QueueHtmlPrint("html/next.html");
        ASSERT_TRUE(rig.printed(2));
        EXPECT_TRUE(rig.queue.stop(5000ms));
        const auto gap = rig.spooler.printed[1].atMs - rig.spooler.printed[0].atMs;
        EXPECT_GE(gap, 22'000) << noPrinter;
        EXPECT_LE(gap, 22'200) << noPrinter;
    }
}

TEST(KORVAPrintQueue, StopWakesAnIdleOrWaitingWorker) {
    // Sleeps on this clock last until woken, so a stop that does not wake them times out.
    Rig idle(FakePrintClock::Sleeps::Frozen);
    idle.spooler.appearAfterPolls = 0;  // done without a poll sleep, then idle
    idle.queue.QueueHtmlPrint("html/a.html");
    ASSERT_TRUE(idle.spooler.waitUntil([](const FakeSpooler& s) { return s.jobsAppeared == 1; }));
    EXPECT_TRUE(idle.queue.stop(5000ms));

    // A page waiting for its job is abandoned, and pages queued later stay queued.
    Rig waiting(FakePrintClock::Sleeps::Frozen);
    waiting.spooler.lostPages = {"a.html"};
    waiting.queue.QueueHtmlPrint("html/a.html");
    ASSERT_TRUE(waiting.spooler.waitUntil([](const FakeSpooler& s) { return s.polls >= 2; }));
    EXPECT_TRUE(waiting.queue.stop(5000ms));
    waiting.queue.QueueHtmlPrint("html/b.html");
    EXPECT_EQ(waiting.queue.pagesWaiting(), 1);
    EXPECT_TRUE(waiting.printed(1));
}

TEST(KORVAPrintQueue, AWorkerHeldInTheSpoolerOutlivesItsQueueSafely) {
    // The fakes stay for the rest of the run: the worker returns into them after the queue.
    static auto* const kept = new std::vector<std::unique_ptr<Rig>>;
    auto& rig = *kept->emplace_back(new Rig(FakePrintClock::Sleeps::Frozen));
    rig.spooler.held = true;
    {
        KORVAPrintQueue queue(rig.spooler, rig.monitor, rig.clock, "/");
        queue.QueueHtmlPrint("html/a.html");
        ASSERT_TRUE(rig.spooler.waitUntil([](const FakeSpooler& s) { return s.heldPolls == 1; }));
        EXPECT_FALSE(queue.stop(20ms));
    }  // must neither wait again nor free what the worker still uses
    ASSERT_TRUE(rig.spooler.waitUntil([](const FakeSpooler& s) { return s.polls == 1; },
                                      [](FakeSpooler& s) { s.held = false; }));
}

}  // namespace
}  // namespace korva

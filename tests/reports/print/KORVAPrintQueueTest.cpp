#include <gtest/gtest.h>

#include <memory>
#include <vector>

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
};

std::size_t printedCount(const FakeSpooler& s) {
    return s.printed.size();
}

TEST(KORVAPrintQueue, PrintsPagesInOrderEachAfterThePreviousPagesJob) {
    // Jobs that stay in the queue, and jobs that leave it soon (a fast printer): in both
    // the previous page's job, stamped in the same second, must not pass for the next one's.
    for (const int leaveAfterPolls : {-1, 2}) {
        SCOPED_TRACE(leaveAfterPolls);
        Rig rig;
        rig.spooler.leaveAfterPolls = leaveAfterPolls;
        int started = 0;
        {
            KORVAPrintQueue queue(rig.spooler, rig.monitor, rig.clock, "/races/spring/");
            queue.workerStarted = [&] { ++started; };
            queue.QueueHtmlPrint("html/Spring_HeatCards.html");
            queue.QueueHtmlPrint("html/Spring_HeatCards2.html");
            queue.QueueHtmlPrint("/tmp/elsewhere/Spring_HeatSheets.html");
            ASSERT_TRUE(
                rig.spooler.waitUntil([](const FakeSpooler& s) { return s.printed.size() == 3; }));
            EXPECT_EQ(queue.pagesWaiting(), 0);
            EXPECT_TRUE(queue.stop(5000ms));
        }
        EXPECT_EQ(started, 1);
        const auto& printed = rig.spooler.printed;
        ASSERT_EQ(printed.size(), 3u);
        EXPECT_EQ(printed[0].path, "/races/spring/html/Spring_HeatCards.html");
        EXPECT_EQ(printed[1].path, "/races/spring/html/Spring_HeatCards2.html");
        EXPECT_EQ(printed[2].path, "/tmp/elsewhere/Spring_HeatSheets.html");
        for (int i = 0; i < 3; ++i) EXPECT_EQ(printed[i].jobsBefore, i) << "page " << i;
        EXPECT_LT(printed[2].atMs - printed[0].atMs, 2000) << "no page should have timed out";
    }
}

TEST(KORVAPrintQueue, AbandonsAPageWhoseJobNeverAppearsAfterTwentyTwoSeconds) {
    // A lost job, and no printer at all: either way the next page follows after 20 s and
    // the 2 s pause, and nothing is printed twice.
    for (const bool noPrinter : {false, true}) {
        SCOPED_TRACE(noPrinter);
        Rig rig;
        rig.spooler.lostPages = {"lost.html"};
        if (noPrinter) rig.spooler.printers.reset();
        KORVAPrintQueue queue(rig.spooler, rig.monitor, rig.clock, "/r");
        queue.QueueHtmlPrint("html/lost.html");
        queue.QueueHtmlPrint("html/next.html");
        ASSERT_TRUE(
            rig.spooler.waitUntil([](const FakeSpooler& s) { return s.printed.size() == 2; }));
        EXPECT_TRUE(queue.stop(5000ms));
        const auto& printed = rig.spooler.printed;
        ASSERT_EQ(printed.size(), 2u);
        EXPECT_EQ(printed[1].path, "/r/html/next.html");
        const auto gap = printed[1].atMs - printed[0].atMs;
        EXPECT_GE(gap, 22'000);
        EXPECT_LE(gap, 22'200);
    }
}

TEST(KORVAPrintQueue, StopWakesAnIdleOrWaitingWorker) {
    // Sleeps on this clock last until woken, so a stop that does not wake them times out.
    Rig idle(FakePrintClock::Sleeps::Frozen);
    idle.spooler.appearAfterPolls = 0;  // done without a poll sleep, then idle
    KORVAPrintQueue idleQueue(idle.spooler, idle.monitor, idle.clock, "/r");
    idleQueue.QueueHtmlPrint("html/a.html");
    ASSERT_TRUE(idle.spooler.waitUntil([](const FakeSpooler& s) { return s.jobsAppeared == 1; }));
    EXPECT_TRUE(idleQueue.stop(5000ms));

    // A page waiting for its job is abandoned, and pages queued later stay queued.
    Rig waiting(FakePrintClock::Sleeps::Frozen);
    waiting.spooler.lostPages = {"a.html"};
    KORVAPrintQueue waitingQueue(waiting.spooler, waiting.monitor, waiting.clock, "/r");
    waitingQueue.QueueHtmlPrint("html/a.html");
    ASSERT_TRUE(waiting.spooler.waitUntil([](const FakeSpooler& s) { return s.polls >= 2; }));
    EXPECT_TRUE(waitingQueue.stop(5000ms));
    waitingQueue.QueueHtmlPrint("html/b.html");
    EXPECT_EQ(waitingQueue.pagesWaiting(), 1);
    EXPECT_EQ(printedCount(waiting.spooler), 1u);
}

TEST(KORVAPrintQueue, AWorkerHeldInTheSpoolerOutlivesItsQueueSafely) {
    // Kept for the rest of the run: the worker returns into them after the queue is gone.
    static auto* const kept = new std::vector<std::unique_ptr<Rig>>;
    auto* rig = kept->emplace_back(new Rig(FakePrintClock::Sleeps::Frozen)).get();
    rig->spooler.hold();
    {
        KORVAPrintQueue queue(rig->spooler, rig->monitor, rig->clock, "/r");
        queue.QueueHtmlPrint("html/a.html");
        ASSERT_TRUE(rig->spooler.waitUntil([](const FakeSpooler& s) { return s.pollHeld; }));
        EXPECT_FALSE(queue.stop(20ms));
    }  // must neither wait again nor free what the worker still uses
    rig->spooler.release();
    ASSERT_TRUE(rig->spooler.waitUntil([](const FakeSpooler& s) { return s.pollReturned; }));
    // Stopped while it took the spooler's measure: the page is not handed over.
    EXPECT_TRUE(rig->spooler.waitUntil([](const FakeSpooler& s) { return s.printed.empty(); }));
}

}  // namespace
}  // namespace korva

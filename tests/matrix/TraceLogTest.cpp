#include <gtest/gtest.h>

#include <cstdio>

#include "matrix/MatrixFixture.h"
#include "matrix/MatrixTrace.h"
#include "ui/Format.h"

namespace korva::test {
namespace {

class TraceLog : public ::testing::Test {
protected:
    std::string text() const { return readText(folder.file(MatrixTrace::kFileName)); }
    TempFolder folder;
    MatrixTrace trace{folder.path()};
};

TEST_F(TraceLog, EveryKindHasItsLineAndEnterExitIndent) {
    trace.newRun();
    int x = 0;
    trace.trace("text", MatrixTrace::kText);
    trace.trace("signed=", MatrixTrace::kSigned, -3);
    trace.trace("unsigned=", MatrixTrace::kUnsigned, -1);
    trace.trace("pointer=", MatrixTrace::kPointer, 0, &x);
    trace.trace("yes=", MatrixTrace::kBool, 7);
    trace.trace("no=", MatrixTrace::kBool, 0);
    trace.trace("hex", MatrixTrace::kHex, 0xBEEF);
    trace.trace("Outer", MatrixTrace::kEnter);
    trace.trace("inside", MatrixTrace::kText);
    trace.trace("Outer", MatrixTrace::kExit);
    trace.trace("ignored", 42);
    EXPECT_EQ(text(),
              "text\n"
              "signed=-3\n"
              "unsigned=4294967295\n" +
                  cformat("pointer=%p\n", static_cast<const void*>(&x)) +
                  "yes=TRUE\n"
                  "no=FALSE\n"
                  "hex 0000BEEF\n"
                  "ENTER Outer\n"
                  "  inside\n"
                  "  EXIT Outer\n"
                  "Unknown Quicky Type = 42\n");
}

TEST_F(TraceLog, DepthStaysWithinZeroAndThirtyTwo) {
    trace.newRun();
    trace.trace("x", MatrixTrace::kExit);
    EXPECT_EQ(trace.depth(), 0);
    for (int i = 0; i < 40; ++i) trace.trace("in", MatrixTrace::kEnter);
    EXPECT_EQ(trace.depth(), 32);
    trace.line("deep");
    const std::string all = text();
    EXPECT_NE(all.find("\n" + std::string(64, ' ') + "deep\n"), std::string::npos);
    EXPECT_EQ(all.find(std::string(65, ' ') + "deep"), std::string::npos);
}

TEST_F(TraceLog, DumpsOfZeroAndSeventeenBytes) {
    const unsigned char bytes[17] = {'A', 'b', ' ', 0x00, 0x7E, '!', 0x10, 'z', '1',
                                     '2', '3', '4', '5',  '6',  '7', '8',  0xFF};
    trace.newRun();
    trace.trace("Start", MatrixTrace::kEnter);
    trace.trace("none", MatrixTrace::kDump, 0, bytes);
    trace.trace("some", MatrixTrace::kDump, 17, bytes);
    const std::string p = cformat("%p", static_cast<const void*>(bytes));
    EXPECT_EQ(text(),
              "ENTER Start\n"
              "  Dump Memory none at " +
                  p +
                  "\n"
                  "  Dump Memory some at " +
                  p +
                  "\n"
                  "00000000 41622000 7E21107A 31323334 35363738 <Ab  ~! z12345678>\n"
                  "  00000010 FF                                  <\xFF               >\n");
}

TEST_F(TraceLog, ANewRunStartsAFreshFileAndDepth) {
    trace.newRun();
    trace.line("first run");
    trace.trace("deeper", MatrixTrace::kEnter);
    trace.line("more");
    trace.newRun();
    trace.line("second run");
    EXPECT_EQ(text(), "second run\n");
    EXPECT_EQ(trace.depth(), 0);
}

TEST(TraceLogFailure, AnUnwritableFolderLosesLinesButNothingElse) {
    MatrixTrace trace("/nonexistent-korva-folder/inner");
    trace.newRun();
    trace.line("lost");
    trace.trace("x", MatrixTrace::kEnter);
    EXPECT_EQ(trace.failedWrites(), 2);
    EXPECT_EQ(trace.depth(), 1);
}

}  // namespace
}  // namespace korva::test

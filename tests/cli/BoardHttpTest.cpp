// The board's HTTP server on a free port, with a tiny socket client.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "cli/BoardHttp.h"
#include "cli/HttpClient.h"

namespace korva::test {
namespace {

TEST(HttpRequestParse, AcceptsOnlyWellFormedGetAndHead) {
    EXPECT_EQ(parseHttpRequest("GET /a?b=1 HTTP/1.1\r\nHost: x\r\n\r\n").target, "/a?b=1");
    EXPECT_EQ(parseHttpRequest("HEAD / HTTP/1.0\r\n\r\n").status, 0);
    EXPECT_EQ(parseHttpRequest("POST / HTTP/1.1\r\n\r\n").status, 405);
    for (const char* bad : {"GET / HTTP/1.1\n\n", "GET  / HTTP/1.1\r\n\r\n",
                            "GET x HTTP/1.1\r\n\r\n", "GET / HTTP/2\r\n\r\n", "GET /\r\n\r\n",
                            "G(T / HTTP/1.1\r\n\r\n", "GET / HTTP/1.1\r\nNoColon\r\n\r\n",
                            "GET / HTTP/1.1\r\n: v\r\n\r\n", "GET /\x01 HTTP/1.1\r\n\r\n"})
        EXPECT_EQ(parseHttpRequest(bad).status, 400) << bad;
}

struct BoardHttpTest : ::testing::Test {
    BoardHttpServer server;
    std::atomic<bool> stop{false};
    std::thread thread;

    void SetUp() override {
        ASSERT_TRUE(server.listen("127.0.0.1", 0)) << server.error();
        server.readTimeout = std::chrono::milliseconds(300);
        thread = std::thread([this] {
            server.serve(stop, [](std::string_view target) {
                return BoardResponse{200, "text/plain", "page " + std::string(target)};
            });
        });
    }
    void TearDown() override {
        stop = true;
        thread.join();
    }
    std::string fetch(const std::string& request) { return httpExchange(server.port(), request); }
};

TEST_F(BoardHttpTest, AnswersOneRequestAConnectionWithinItsLimitsAndTime) {
    const std::string ok = fetch("GET /x?y HTTP/1.1\r\nHost: a\r\n\r\n");
    EXPECT_EQ(ok.rfind("HTTP/1.1 200 OK\r\n", 0), 0U) << ok;
    EXPECT_NE(ok.find("Content-Length: 9\r\nCache-Control"), std::string::npos);
    EXPECT_EQ(ok.substr(ok.size() - 13), "\r\n\r\npage /x?y");
    const std::string head = fetch("HEAD / HTTP/1.1\r\n\r\n");
    EXPECT_EQ(head.substr(head.size() - 4), "\r\n\r\n") << "HEAD sends no body";
    std::string headers;
    for (int i = 0; i < 90; ++i) headers += std::string(100, 'h') + ": v\r\n";
    EXPECT_EQ(fetch("GET / HTTP/1.1\r\n" + headers + "\r\n").rfind("HTTP/1.1 431", 0), 0U);
    const std::string longLine = "GET /" + std::string(9000, 'a');
    EXPECT_EQ(fetch(longLine).rfind("HTTP/1.1 400", 0), 0U) << "before the line even ends";
    EXPECT_EQ(fetch("GET / HT").rfind("HTTP/1.1 408", 0), 0U) << "a silent client";
    EXPECT_EQ(fetch("GET / HTTP/1.1\r\n\r\n").rfind("HTTP/1.1 200", 0), 0U);
}

}  // namespace
}  // namespace korva::test

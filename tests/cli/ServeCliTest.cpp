// korva serve on a small race, with the server in a thread on a free port.

#include <gtest/gtest.h>

#include <fstream>
#include <future>
#include <sstream>
#include <thread>

#include "cli/BoardHttp.h"
#include "cli/HttpClient.h"
#include "cli/KorvaRun.h"
#include "cli/ServeCommand.h"
#include "race/KORVARaceDoc.h"
#include "samples/SampleRace.h"
#include "support/TempFolder.h"
#include "support/TestServices.h"

namespace korva::test {
namespace {

class ServeCli : public ::testing::Test, public TestServices {
protected:
    void SetUp() override { writeRace("Spring Cup"); }
    void TearDown() override {
        stop = true;
        if (thread.joinable()) thread.join();
    }
    void writeRace(const std::string& title) {
        auto doc = samples::makeRace(services, {12, 2, 1, 4, true});
        doc->raceTitle = title;
        doc->writeFile(race);
    }
    // Starts the board and returns its port, or 0 when it did not come up.
    int start() {
        std::promise<int> listening;
        std::future<int> port = listening.get_future();
        thread = std::thread([this, &listening] {
            status = serveBoard({race, 0, "127.0.0.1", std::chrono::milliseconds(0)}, stop, out,
                                err, [&listening](int p) { listening.set_value(p); });
        });
        return port.wait_for(std::chrono::seconds(10)) == std::future_status::ready ? port.get()
                                                                                    : 0;
    }
    int finish() {
        stop = true;
        thread.join();
        return status;
    }

    TempFolder folder;
    std::string race = folder.file("race.kvr");
    std::atomic<bool> stop{false};
    std::thread thread;
    std::ostringstream out, err;
    int status = -1;
};

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

TEST_F(ServeCli, ServesTheBoardAndFollowsTheFile) {
    const int port = start();
    ASSERT_NE(port, 0) << err.str();
    const std::string home = httpGet(port, "/");
    EXPECT_TRUE(startsWith(home, "HTTP/1.1 200 OK\r\n")) << home;
    EXPECT_NE(home.find("Spring Cup"), std::string::npos);
    EXPECT_TRUE(startsWith(httpGet(port, "/standings/0"), "HTTP/1.1 200 OK\r\n"));
    for (const char* target : {"/../race.kvr", "/html/../x", "/race.kvr", "/nothing"})
        EXPECT_TRUE(startsWith(httpGet(port, target), "HTTP/1.1 404 ")) << target;
    EXPECT_TRUE(startsWith(httpExchange(port, "POST / HTTP/1.1\r\n\r\n"), "HTTP/1.1 405 "));
    EXPECT_TRUE(startsWith(httpGet(port, "/" + std::string(9000, 'x')), "HTTP/1.1 400 "));

    writeRace("Autumn Cup Final");
    EXPECT_NE(httpGet(port, "/").find("Autumn Cup Final"), std::string::npos);
    std::ofstream(race, std::ios::binary | std::ios::trunc) << "not a race";
    for (int i = 0; i < 2; ++i)
        EXPECT_NE(httpGet(port, "/").find("Autumn Cup Final"), std::string::npos) << "kept";

    EXPECT_EQ(finish(), 0);
    EXPECT_EQ(out.str(), "Serving the results board of " + race +
                             " at http://127.0.0.1:" + std::to_string(port) + "/\n");
    const std::string says = "could not be reloaded; the board still shows the last good race.";
    const std::string messages = err.str();
    EXPECT_NE(messages.find(says), std::string::npos) << messages;
    EXPECT_EQ(messages.find(says), messages.rfind(says)) << "said once for one bad file";
}

TEST_F(ServeCli, ATakenPortOrAMissingFileIsOneSentenceAndStatusOne) {
    BoardHttpServer taken;
    ASSERT_TRUE(taken.listen("127.0.0.1", 0));
    EXPECT_EQ(
        runKorva({"serve", race, "--port", std::to_string(taken.port()), "--bind", "127.0.0.1"},
                 out, err),
        1);
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(err.str(), "korva serve: cannot listen on 127.0.0.1:" + std::to_string(taken.port()) +
                             ": the port is taken by another program.\n");
    err.str("");
    EXPECT_EQ(runKorva({"serve", folder.file("none.kvr")}, out, err), 1);
    EXPECT_NE(err.str().find("none.kvr"), std::string::npos) << err.str();
    EXPECT_EQ(runKorva({"serve", race, "--bind", "300.1.1.1"}, out, err), 1);
}

}  // namespace
}  // namespace korva::test

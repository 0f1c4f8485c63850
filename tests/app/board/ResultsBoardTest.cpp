// The results board in the program: pages of the open race over a real socket, nothing but
// GET of the board's own routes, a taken port told, and the dialog that runs it.

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "AppFixture.h"
#include "AppTestSupport.h"
#include "app/board/ResultsBoardDialog.h"
#include "app/board/ResultsBoardServer.h"
#include "ui/Strings.h"

namespace korva::test {
namespace {

struct Reply {
    int status = 0;  // 0: no complete answer in time
    QByteArray body;
};

// One request on its own connection; the answer is complete once its Content-Length is in.
Reply fetch(quint16 port, const QByteArray& path, const QByteArray& method = "GET") {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.write(method + " " + path + " HTTP/1.1\r\nHost: localhost\r\nContent-Length: 0\r\n\r\n");
    QByteArray data;
    qsizetype headEnd = -1;
    qsizetype length = -1;
    const bool done = QTest::qWaitFor(
        [&] {
            data += socket.readAll();
            headEnd = data.indexOf("\r\n\r\n");
            if (headEnd < 0) return false;
            const QByteArray head = data.left(headEnd).toLower() + "\r\n";
            const qsizetype at = head.indexOf("content-length:");
            if (at < 0) return socket.state() == QAbstractSocket::UnconnectedState;
            const qsizetype from = at + qsizetype(sizeof("content-length:") - 1);
            length = head.mid(from, head.indexOf("\r\n", at) - from).trimmed().toLongLong();
            return data.size() - headEnd - 4 >= length;
        },
        5000);
    if (!done) return {};
    return {data.mid(9, 3).toInt(), data.mid(headEnd + 4)};
}

// A port that is certainly taken while the returned listener lives.
std::unique_ptr<QTcpServer> takenPort() {
    auto blocker = std::make_unique<QTcpServer>();
    EXPECT_TRUE(blocker->listen(QHostAddress::Any, 0));
    return blocker;
}

class ResultsBoard : public AppFixture {
protected:
    void openSample() {
        ASSERT_TRUE(start({QString::fromStdString(sampleRace("Board.kvr"))}));
        board = app->resultsBoard();
        ASSERT_NE(board, nullptr);
        board->now = [] { return std::string("12:00:00"); };
    }
    ResultsBoardServer* board = nullptr;
};

TEST_F(ResultsBoard, ServesTheOpenRaceReadOnlyAndFollowsItsChanges) {
    openSample();
    EXPECT_FALSE(board->isRunning()) << "off by default";
    ASSERT_TRUE(board->start(0));
    const quint16 port = board->port();
    ASSERT_NE(port, 0);

    const Reply home = fetch(port, "/");
    EXPECT_EQ(home.status, 200);
    EXPECT_TRUE(home.body.contains("<h1>Sample Race</h1>"));
    const Reply before = fetch(port, "/standings/424");
    EXPECT_EQ(before.status, 200);
    EXPECT_TRUE(before.body.contains("<h1>424 Standings</h1>"));
    EXPECT_EQ(fetch(port, "/standings.json").status, 200);

    EXPECT_EQ(fetch(port, "/", "POST").status, 405);
    EXPECT_EQ(fetch(port, "/standings/424", "DELETE").status, 405);
    for (const QByteArray path : {"/../race.kvr", "/html/../x", "/Board.kvr", "/nothing"}) {
        EXPECT_EQ(fetch(port, path).status, 404) << path.constData();
    }

    // A stored result reaches the page through the program's refresh, not a restart.
    KORVAHeat& heat = *app->race()->raceMatrix.matrix(0).rounds[0]->heats[0];
    heat.lanePoints[0] = 9;
    heat.complete = 1'700'000'000;
    app->toggleInactive();
    const Reply after = fetch(port, "/standings/424");
    EXPECT_EQ(after.status, 200);
    EXPECT_NE(after.body, before.body);
    EXPECT_TRUE(fetch(port, "/").body.contains("Last change: 12:00:00"));

    // Closing the race ends the serving and frees the port.
    app->closeRace();
    EXPECT_FALSE(board->isRunning());
    QTcpServer again;
    EXPECT_TRUE(again.listen(QHostAddress::Any, port));
}

TEST_F(ResultsBoard, DialogStartsAndStopsWithItsCodeAndTellsATakenPort) {
    openSample();
    QAction* command = app->commands().action(Cmd::ResultsBoard);
    app->commands().update();
    ASSERT_TRUE(command->isEnabled());
    command->trigger();
    auto* dialog = app->mainFrame()->findChild<ResultsBoardDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->portBox()->value(), kBoardDefaultPort);

    ASSERT_TRUE(board->start(0));  // a free port; the dialog follows the server
    EXPECT_TRUE(dialog->address().endsWith(QStringLiteral(":%1/").arg(board->port())));
    const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
    const bool drawn = std::any_of(labels.begin(), labels.end(), [](QLabel* l) {
        return l->isVisible() && !l->pixmap().isNull() && l->pixmap().width() > 100;
    });
    EXPECT_TRUE(drawn) << "the QR code of the address";
    screenshot(dialog, "results-board");

    dialog->startStopButton()->click();
    EXPECT_FALSE(board->isRunning());
    EXPECT_TRUE(dialog->portBox()->isEnabled());

    const auto blocker = takenPort();
    dialog->portBox()->setValue(blocker->serverPort());
    ui.expect(str::kBoardPortTaken);
    dialog->startStopButton()->click();
    ui.verifyDone();
    EXPECT_FALSE(board->isRunning());
    ASSERT_FALSE(ui.asked.empty());
    EXPECT_NE(ui.asked.back().text.find(std::to_string(blocker->serverPort())), std::string::npos);
    EXPECT_EQ(settings.getInt(kBoardSettingsSection, kBoardPortKey, 0), blocker->serverPort());

    app->closeRace();
    app->commands().update();
    EXPECT_FALSE(command->isEnabled());
}

}  // namespace
}  // namespace korva::test

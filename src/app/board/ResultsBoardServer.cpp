#include "app/board/ResultsBoardServer.h"

#include <QAbstractHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpServer>
#include <QTime>

#include "reports/board/BoardPage.h"
#include "scoring/Standings.h"
#include "ui/Messages.h"
#include "ui/Strings.h"

namespace korva {

// Every request goes through the board's own routing, so no path ever reaches the disk.
class ResultsBoardServer::Http final : public QAbstractHttpServer {
public:
    explicit Http(ResultsBoardServer& board) : board_(board) {}

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override {
        QHttpServerResponder responder = makeResponder(request, socket);
        if (request.method() != QHttpServerRequest::Method::Get) {
            responder.write(QHttpServerResponder::HeaderList{{"Allow", "GET"}},
                            QHttpServerResponder::StatusCode::MethodNotAllowed);
            return true;
        }
        const QUrl url = request.url();
        QByteArray target = url.path(QUrl::FullyEncoded).toUtf8();
        if (url.hasQuery()) target += "?" + url.query(QUrl::FullyEncoded).toUtf8();
        const Page p = board_.page(target.toStdString());
        responder.write(p.body, p.type, static_cast<QHttpServerResponder::StatusCode>(p.status));
        return true;
    }
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override {
        makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
    }

private:
    ResultsBoardServer& board_;
};

ResultsBoardServer::ResultsBoardServer(Interaction& ui, std::function<RaceStandings*()> standings,
                                       QObject* parent)
    : QObject(parent), ui_(ui), standings_(std::move(standings)) {
    noteChange();
}

ResultsBoardServer::~ResultsBoardServer() = default;

bool ResultsBoardServer::start(quint16 port) {
    stop();
    auto http = std::make_unique<Http>(*this);
    auto* tcp = new QTcpServer(http.get());
    if (!tcp->listen(QHostAddress::Any, port)) {
        showUtf8Message(ui_, str::kBoardPortTaken, Icon::Warning, Buttons::Ok, Answer::Ok,
                        static_cast<int>(port), tcp->errorString().toStdString());
        return false;
    }
    http->bind(tcp);
    port_ = tcp->serverPort();
    http_ = std::move(http);
    emit runningChanged(true);
    return true;
}

void ResultsBoardServer::stop() {
    if (!http_) return;
    // Closing the listeners first drops the port at once; the sockets still open go with it.
    for (QTcpServer* tcp : http_->servers()) tcp->close();
    http_.reset();
    port_ = 0;
    emit runningChanged(false);
}

void ResultsBoardServer::noteChange() {
    stale_ = true;
    lastChange_ = now ? now() : QTime::currentTime().toString("HH:mm:ss").toStdString();
}

ResultsBoardServer::Page ResultsBoardServer::page(const std::string& path) {
    RaceStandings* standings = standings_ ? standings_() : nullptr;
    if (!standings) {
        const std::string_view message = text(str::kBoardNoRace);
        return {503, "text/plain; charset=utf-8",
                QByteArray(message.data(), static_cast<qsizetype>(message.size()))};
    }
    if (stale_) {
        standings->rebuild();
        stale_ = false;
    }
    const BoardResponse r = boardPage(*standings, path, lastChange_);
    return {r.status, QByteArray::fromStdString(r.contentType), QByteArray::fromStdString(r.body)};
}

}  // namespace korva

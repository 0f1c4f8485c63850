#pragma once
// The live results board on the field's network: read-only pages of the open race, served
// from the window's own thread while the director has it on.

#include <QObject>
#include <functional>
#include <memory>
#include <string>

namespace korva {

class Interaction;
class RaceStandings;

class ResultsBoardServer final : public QObject {
    Q_OBJECT
public:
    // `standings` gives the open race's standings, or null while no race is open.
    ResultsBoardServer(Interaction& ui, std::function<RaceStandings*()> standings,
                       QObject* parent = nullptr);
    ~ResultsBoardServer() override;
    ResultsBoardServer(const ResultsBoardServer&) = delete;
    ResultsBoardServer& operator=(const ResultsBoardServer&) = delete;

    // Listens on every address at `port` (0: any free one); tells the user when the port
    // cannot be had. True when the board is on.
    bool start(quint16 port);
    void stop();
    bool isRunning() const { return http_ != nullptr; }
    // The port listened on; 0 while off.
    quint16 port() const { return port_; }

    // The race changed: the next page rebuilds the standings and shows this moment.
    void noteChange();
    // The moment shown as the last change; unset: the local time of day.
    std::function<std::string()> now;

signals:
    void runningChanged(bool running);

private:
    class Http;
    friend class Http;
    // Status, content type and body of a GET of `path`.
    struct Page {
        int status;
        QByteArray type;
        QByteArray body;
    };
    Page page(const std::string& path);

    Interaction& ui_;
    std::function<RaceStandings*()> standings_;
    std::unique_ptr<Http> http_;
    quint16 port_ = 0;
    bool stale_ = true;
    std::string lastChange_;
};

}  // namespace korva

#pragma once
// A small read-only HTTP/1.1 server over POSIX sockets for the results board: GET (and
// HEAD) only, one connection at a time, each answered and closed. Requests are read with
// strict size limits and a timeout, so no client can make it grow or hang.

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "reports/board/BoardPage.h"

namespace korva {

// Request line plus headers, blank line included.
inline constexpr std::size_t kMaxRequestHead = 8192;

struct HttpRequest {
    int status = 0;  // 0 when understood, else the error status to answer with
    std::string method;
    std::string target;
};

// Parses the head of a request (up to and including the blank line).
HttpRequest parseHttpRequest(std::string_view head);

// The full answer to send, headers and body; HEAD leaves the body out.
std::string httpResponse(const BoardResponse& r, bool withBody);

class BoardHttpServer {
public:
    using Handler = std::function<BoardResponse(std::string_view target)>;

    BoardHttpServer() = default;
    ~BoardHttpServer();
    BoardHttpServer(const BoardHttpServer&) = delete;
    BoardHttpServer& operator=(const BoardHttpServer&) = delete;

    // Listens on ADDR (IPv4 dotted) and PORT, 0 for a free one; false with one sentence in
    // error() when it cannot.
    bool listen(const std::string& address, int port);
    int port() const { return port_; }
    const std::string& error() const { return error_; }

    // Answers requests until STOP is set (looked at several times a second).
    void serve(const std::atomic<bool>& stop, const Handler& handler);

    // How long a client has to send its whole request.
    std::chrono::milliseconds readTimeout{5000};

private:
    void answer(int client, const std::atomic<bool>& stop, const Handler& handler) const;

    int fd_ = -1;
    int port_ = 0;
    std::string error_;
};

}  // namespace korva

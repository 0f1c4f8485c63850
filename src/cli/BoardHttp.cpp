#include "cli/BoardHttp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace korva {

namespace {

constexpr int kPollMs = 200;  // how often the loop looks at the stop flag

bool isTokenChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::strchr("!#$%&'*+-.^_`|~", c) != nullptr;
}

bool isToken(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!isTokenChar(c)) return false;
    return true;
}

bool isTargetChar(char c) {
    return static_cast<unsigned char>(c) > 0x20 && static_cast<unsigned char>(c) < 0x7F;
}

bool parseRequestLine(std::string_view line, HttpRequest& r) {
    const auto sp1 = line.find(' ');
    if (sp1 == std::string_view::npos) return false;
    const auto sp2 = line.find(' ', sp1 + 1);
    if (sp2 == std::string_view::npos) return false;
    const std::string_view method = line.substr(0, sp1);
    const std::string_view target = line.substr(sp1 + 1, sp2 - sp1 - 1);
    const std::string_view version = line.substr(sp2 + 1);
    if (!isToken(method) || target.empty() || target.front() != '/') return false;
    for (char c : target)
        if (!isTargetChar(c)) return false;
    if (version != "HTTP/1.1" && version != "HTTP/1.0") return false;
    r.method = method;
    r.target = target;
    return true;
}

bool isHeaderLine(std::string_view line) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos || !isToken(line.substr(0, colon))) return false;
    for (char c : line.substr(colon + 1))
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) return false;
    return true;
}

const char* reason(int status) {
    switch (status) {
        case 200: return "OK";
        case 400: return "Bad Request";
        case 404: return "Not Found";
        case 405: return "Method Not Allowed";
        case 408: return "Request Timeout";
        case 431: return "Request Header Fields Too Large";
        case 503: return "Service Unavailable";
        default: return "Error";
    }
}

BoardResponse plain(int status) {
    return {status, "text/plain; charset=utf-8", std::string(reason(status)) + "\n"};
}

void sendAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // the client went away; nothing more to do for it
        sent += static_cast<std::size_t>(n);
    }
}

// Waits for FD to become readable; false on timeout, error, or a stop asked for.
bool waitReadable(int fd, std::chrono::steady_clock::time_point deadline,
                  const std::atomic<bool>& stop) {
    while (!stop) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd p{fd, POLLIN, 0};
        const int n = ::poll(&p, 1, static_cast<int>(std::min<long long>(left.count(), kPollMs)));
        if (n > 0) return true;
        if (n < 0 && errno != EINTR) return false;
    }
    return false;
}

// Closing with unread bytes would reset the connection and could lose the answer on the
// way, so the rest of what the client sent is read (briefly, and only so much) first.
void drainAndClose(int fd) {
    ::shutdown(fd, SHUT_WR);
    const std::atomic<bool> never{false};
    char buffer[4096];
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    for (int i = 0; i < 64 && waitReadable(fd, deadline, never); ++i) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0 && !(n < 0 && errno == EINTR)) break;
    }
    ::close(fd);
}

}  // namespace

HttpRequest parseHttpRequest(std::string_view head) {
    HttpRequest r;
    const auto lineEnd = head.find("\r\n");
    if (lineEnd == std::string_view::npos || !parseRequestLine(head.substr(0, lineEnd), r)) {
        r.status = 400;
        return r;
    }
    std::string_view rest = head.substr(lineEnd + 2);
    while (!rest.empty() && rest != "\r\n") {
        const auto end = rest.find("\r\n");
        if (end == std::string_view::npos || !isHeaderLine(rest.substr(0, end))) {
            r.status = 400;
            return r;
        }
        rest.remove_prefix(end + 2);
    }
    if (r.method != "GET" && r.method != "HEAD") r.status = 405;
    return r;
}

std::string httpResponse(const BoardResponse& r, bool withBody) {
    std::string out = "HTTP/1.1 " + std::to_string(r.status) + " " + reason(r.status) + "\r\n";
    out += "Content-Type: " + r.contentType + "\r\n";
    out += "Content-Length: " + std::to_string(r.body.size()) + "\r\n";
    if (r.status == 405) out += "Allow: GET, HEAD\r\n";
    out +=
        "Cache-Control: no-cache\r\nX-Content-Type-Options: nosniff\r\nConnection: close\r\n\r\n";
    if (withBody) out += r.body;
    return out;
}

BoardHttpServer::~BoardHttpServer() {
    if (fd_ >= 0) ::close(fd_);
}

bool BoardHttpServer::listen(const std::string& address, int port) {
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<std::uint16_t>(port));
    if (port < 0 || port > 65535 || ::inet_pton(AF_INET, address.c_str(), &addr.sin_addr) != 1) {
        error_ = "'" + address + ":" + std::to_string(port) + "' is not an address to listen on.";
        return false;
    }
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int one = 1;
    if (fd_ < 0 || ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one) != 0 ||
        ::bind(fd_, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(fd_, 16) != 0) {
        const int e = errno;
        error_ = "cannot listen on " + address + ":" + std::to_string(port) + ": " +
                 (e == EADDRINUSE ? std::string("the port is taken by another program")
                                  : std::string(std::strerror(e))) +
                 ".";
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        return false;
    }
    socklen_t len = sizeof addr;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    return true;
}

void BoardHttpServer::serve(const std::atomic<bool>& stop, const Handler& handler) {
    while (!stop) {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, kPollMs) <= 0) continue;
        const int client = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) continue;
        answer(client, stop, handler);
        drainAndClose(client);
    }
}

void BoardHttpServer::answer(int client, const std::atomic<bool>& stop,
                             const Handler& handler) const {
    // One deadline for the whole request, so a client sending a byte at a time cannot hold on.
    const auto deadline = std::chrono::steady_clock::now() + readTimeout;
    std::string head;
    char buffer[2048];
    // A request line that alone is too long is malformed; headers that are too long are 431.
    const auto tooLong = [&] {
        const bool lineEnded = head.find("\r\n") < kMaxRequestHead;
        sendAll(client, httpResponse(plain(lineEnded ? 431 : 400), true));
    };
    while (head.find("\r\n\r\n") == std::string::npos) {
        if (head.size() > kMaxRequestHead) return tooLong();
        if (!waitReadable(client, deadline, stop)) {
            if (!stop) sendAll(client, httpResponse(plain(408), true));
            return;
        }
        const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        head.append(buffer, static_cast<std::size_t>(n));
    }
    const auto end = head.find("\r\n\r\n") + 4;
    if (end > kMaxRequestHead) return tooLong();
    const HttpRequest request = parseHttpRequest(std::string_view(head).substr(0, end));
    const bool withBody = request.method != "HEAD";
    if (request.status != 0) {
        sendAll(client, httpResponse(plain(request.status), withBody));
        return;
    }
    sendAll(client, httpResponse(handler(request.target), withBody));
}

}  // namespace korva

#include "cli/ServeCommand.h"

#include <CLI/CLI.hpp>
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <csignal>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/BoardHttp.h"
#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "race/KORVARaceDoc.h"
#include "reports/board/BoardPage.h"
#include "scoring/Standings.h"

namespace korva {

namespace {

std::string clockTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

// The race being served, reloaded when its file changes; a file that fails to load
// leaves the last good race on the board.
class WatchedRace {
public:
    WatchedRace(const ServeOptions& options, std::ostream& err)
        : options_(options), err_(err), session_(err) {}

    bool load() {
        stamp_ = stampOf();
        lastCheck_ = std::chrono::steady_clock::now();
        auto doc = std::make_unique<KORVARaceDoc>(session_.services);
        if (!loadRaceFile(*doc, options_.file, err_)) return false;
        auto standings = std::make_unique<RaceStandings>(*doc);
        standings->rebuild();
        standings_ = std::move(standings);  // before the doc the old standings refer to
        doc_ = std::move(doc);
        lastChange_ = clockTime();
        return true;
    }

    BoardResponse page(std::string_view target) {
        const auto now = std::chrono::steady_clock::now();
        if (now - lastCheck_ >= options_.checkEvery) {
            lastCheck_ = now;
            if (stampOf() != stamp_ && !load()) {
                err_ << "korva serve: " << options_.file
                     << " could not be reloaded; the board still shows the last good race.\n";
            }
        }
        return boardPage(*standings_, target, lastChange_);
    }

private:
    struct Stamp {
        std::filesystem::file_time_type time;
        std::uintmax_t size = 0;
        bool operator==(const Stamp&) const = default;
    };

    std::optional<Stamp> stampOf() const {
        std::error_code ec;
        const auto time = std::filesystem::last_write_time(options_.file, ec);
        if (ec) return std::nullopt;
        const auto size = std::filesystem::file_size(options_.file, ec);
        if (ec) return std::nullopt;
        return Stamp{time, size};
    }

    const ServeOptions& options_;
    std::ostream& err_;
    CliSession session_;
    std::unique_ptr<KORVARaceDoc> doc_;
    std::unique_ptr<RaceStandings> standings_;
    std::optional<Stamp> stamp_;
    std::chrono::steady_clock::time_point lastCheck_;
    std::string lastChange_;
};

std::atomic<bool> signalled{false};

extern "C" void onStopSignal(int) {
    signalled = true;
}

int serveUntilSignalled(const ServeOptions& options, std::ostream& out, std::ostream& err) {
    signalled = false;
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    struct sigaction oldInt {
    }, oldTerm{};
    sigaction(SIGINT, &action, &oldInt);
    sigaction(SIGTERM, &action, &oldTerm);
    const int status = serveBoard(options, signalled, out, err);
    sigaction(SIGINT, &oldInt, nullptr);
    sigaction(SIGTERM, &oldTerm, nullptr);
    return status;
}

// The address a phone on the field's network opens: the listening address, or for "all
// addresses" the machine's first IPv4 address that is not loopback.
std::string shownAddress(const std::string& bind) {
    if (bind != "0.0.0.0") return bind;
    std::string shown = "localhost";
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return shown;
    for (const ifaddrs* a = list; a; a = a->ifa_next) {
        if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET) continue;
        const auto* in = reinterpret_cast<const sockaddr_in*>(a->ifa_addr);
        if (ntohl(in->sin_addr.s_addr) >> 24 == 127) continue;
        char text[INET_ADDRSTRLEN] = {};
        if (::inet_ntop(AF_INET, &in->sin_addr, text, sizeof text)) {
            shown = text;
            break;
        }
    }
    ::freeifaddrs(list);
    return shown;
}

}  // namespace

int serveBoard(const ServeOptions& options, const std::atomic<bool>& stop, std::ostream& out,
               std::ostream& err, const std::function<void(int port)>& listening) {
    WatchedRace race(options, err);
    if (!race.load()) return 1;
    BoardHttpServer server;
    if (!server.listen(options.bind, options.port)) {
        err << "korva serve: " << server.error() << "\n";
        return 1;
    }
    out << "Serving the results board of " << options.file << " at http://"
        << shownAddress(options.bind) << ":" << server.port() << "/" << std::endl;
    if (listening) listening(server.port());
    server.serve(stop, [&race](std::string_view target) { return race.page(target); });
    return 0;
}

void addServeCommand(CLI::App& app, CliContext& context) {
    CLI::App* command =
        app.add_subcommand("serve", "serve the live results board of a race file over HTTP");
    command->footer(
        "Serves the results board of FILE to browsers on the network until interrupted, and\n"
        "reloads FILE when it changes. A file that fails to load leaves the last good race on\n"
        "the board. Read-only: nothing is saved and no other file is served.");
    auto options = std::make_shared<ServeOptions>();
    addRaceFileOption(*command, options->file);
    command->add_option("--port", options->port, "the port to listen on (default 8080)")
        ->check(CLI::Range(0, 65535))
        ->type_name("N");
    command->add_option("--bind", options->bind, "the IPv4 address to listen on (default all)")
        ->type_name("ADDR");
    command->callback([options, &context] {
        context.status = serveUntilSignalled(*options, context.out, context.err);
    });
}

}  // namespace korva

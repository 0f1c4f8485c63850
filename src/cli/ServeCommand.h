#pragma once
// `korva serve FILE`: serves the live results board of a race file over HTTP and follows
// the file as it changes on disk.

#include <atomic>
#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace korva {

struct CliContext;

struct ServeOptions {
    std::string file;
    int port = 8080;  // 0 for a free one
    std::string bind = "0.0.0.0";
    // How often, at most, the file is looked at for a change before a request is answered.
    std::chrono::milliseconds checkEvery{1000};
};

// Serves until STOP is set; returns the exit status. LISTENING gets the port once the
// board is listening (tests start it on port 0 and learn the port there).
int serveBoard(const ServeOptions& options, const std::atomic<bool>& stop, std::ostream& out,
               std::ostream& err, const std::function<void(int port)>& listening = {});

void addServeCommand(CLI::App& app, CliContext& context);

}  // namespace korva

#include "reports/html/HtmlFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "reports/html/HtmlErrors.h"

namespace korva {

namespace {
constexpr std::size_t kErrorTextMax = 255;

std::string systemError() {
    return std::string(std::strerror(errno)).substr(0, kErrorTextMax);
}

// Closes the temporary file and removes it unless it was put in place.
struct Temporary {
    std::string name;
    int fd = -1;
    bool kept = false;
    ~Temporary() {
        if (fd >= 0) ::close(fd);
        if (!kept) ::unlink(name.c_str());
    }
};

std::string withCrLf(std::string_view page) {
    std::string out;
    out.reserve(page.size() + page.size() / 16);
    for (std::size_t start = 0; start < page.size();) {
        const std::size_t nl = page.find('\n', start);
        if (nl == std::string_view::npos) {
            out.append(page.substr(start));
            break;
        }
        out.append(page.substr(start, nl - start)).append("\r\n");
        start = nl + 1;
    }
    return out;
}
}  // namespace

bool writeHtmlFile(const std::string& path, std::string_view page, std::string& error) {
    // A page left half-written by a crash is simply overwritten next time; mode 0666 lets
    // the umask decide, as for any new file.
    Temporary tmp{path + ".part"};
    tmp.fd = ::open(tmp.name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (tmp.fd < 0) {
        tmp.kept = true;  // not ours to remove
        error = systemError();
        return false;
    }
    const std::string bytes = withCrLf(page);
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(tmp.fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw HtmlWriteError("Cannot write " + path + ": " + systemError());
        done += static_cast<std::size_t>(n);
    }
    // Pages can always be written again, so they are not forced to disk one by one: a
    // hundred fsyncs would cost more than a whole run of heat cards.
    const int fd = tmp.fd;
    tmp.fd = -1;
    if (::close(fd) != 0) throw HtmlWriteError("Cannot write " + path + ": " + systemError());
    if (::rename(tmp.name.c_str(), path.c_str()) != 0) {
        error = systemError();
        return false;
    }
    tmp.kept = true;
    return true;
}

}  // namespace korva

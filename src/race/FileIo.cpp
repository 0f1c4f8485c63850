#include "race/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace korva {

namespace {
std::string describeErrno(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

void closeQuietly(int fd) {
    if (fd >= 0) ::close(fd);
}
}  // namespace

std::vector<std::uint8_t> readWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw FileError(describeErrno("Cannot open", path));
    std::vector<std::uint8_t> bytes;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    }
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const std::string message = describeErrno("Cannot read", path);
            closeQuietly(fd);
            throw FileError(message);
        }
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    closeQuietly(fd);
    return bytes;
}

void writeFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::string tmp = path + ".XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) throw FileError(describeErrno("Cannot create a temporary file for", path));
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            const std::string message = describeErrno("Cannot write", path);
            closeQuietly(fd);
            ::unlink(tmp.c_str());
            throw FileError(message);
        }
        written += static_cast<std::size_t>(n);
    }
    // Keep the permissions an existing file had; new files get the usual 0666 & ~umask.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const std::string message = describeErrno("Cannot write", path);
        ::unlink(tmp.c_str());
        throw FileError(message);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const std::string message = describeErrno("Cannot replace", path);
        ::unlink(tmp.c_str());
        throw FileError(message);
    }
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::string folderOf(const std::string& path) {
    auto pos = path.rfind('/');
    if (pos == std::string::npos) pos = path.rfind('\\');
    return pos == std::string::npos ? std::string() : path.substr(0, pos);
}

std::string lastComponent(const std::string& path) {
    auto pos = path.rfind('/');
    if (pos == std::string::npos) pos = path.rfind('\\');
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace korva

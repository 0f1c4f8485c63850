#include "race/FileIo.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace korva {

namespace {

constexpr int kMostLinks = 40;  // as the system's own limit on links in a path
constexpr std::size_t kChunk = 1 << 20;

// The folder a save writes into; only "/" separates folders here.
std::string folderForSave(const std::string& path) {
    const auto pos = path.rfind('/');
    if (pos == std::string::npos) return ".";
    return pos == 0 ? "/" : path.substr(0, pos);
}

FileError errnoError(const std::string& what, const std::string& path) {
    return FileError(what + " " + path + ": " + std::strerror(errno));
}

// Why a path that exists is no regular file; empty for a regular file.
std::string notAFile(const struct stat& st) {
    if (S_ISREG(st.st_mode)) return {};
    if (S_ISDIR(st.st_mode)) return "it is a folder, not a file";
    if (S_ISFIFO(st.st_mode)) return "it is a pipe, not a file";
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return "it is a device, not a file";
    return "it is not a regular file";
}

// Closes the descriptor it holds when it goes.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset(int fd = -1) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

bool readOnly(const std::string& path, const struct stat& st) {
    // The mode bits count even for the superuser, who may write anything.
    if ((st.st_mode & 0222) == 0) return true;
    return ::access(path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
}

void writeAll(int fd, const std::vector<std::uint8_t>& bytes, const std::string& path,
              const AtomicWriteOptions& options) {
    std::size_t written = 0;
    bool reported = false;
    while (written < bytes.size()) {
        const std::size_t n = std::min(kChunk, bytes.size() - written);
        const ssize_t done = ::write(fd, bytes.data() + written, n);
        if (done < 0) {
            if (errno == EINTR) continue;
            throw errnoError("Cannot write", path);
        }
        written += static_cast<std::size_t>(done);
        if (!reported && options.onStep) options.onStep(SaveStep::Writing);
        reported = true;
    }
    if (!reported && options.onStep) options.onStep(SaveStep::Writing);
}

// One save at a time per folder, between programs too: they share the temporary name.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder)
        : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        // A folder that cannot be read is saved into unlocked; the save itself still works.
        if (fd_.valid()) {
            while (::flock(fd_.get(), LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~FolderLock() {
        if (fd_.valid()) ::flock(fd_.get(), LOCK_UN);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    // Makes the rename itself last.
    void syncFolder() const {
        if (fd_.valid()) ::fsync(fd_.get());
    }

private:
    Fd fd_;
};

struct SavePlan {
    std::string target;  // the file itself, links followed
    std::string folder;
    std::string temp;
    mode_t mode = 0;
};

SavePlan planSave(const std::string& path) {
    SavePlan plan;
    plan.target = followLinks(path);
    plan.folder = folderForSave(plan.target);
    plan.temp = joinPath(plan.folder, kSaveTempName);
    struct stat st {};
    if (::stat(plan.target.c_str(), &st) == 0) {
        if (const std::string why = notAFile(st); !why.empty()) {
            throw FileError("Cannot save " + path + ": " + why);
        }
        if (readOnly(plan.target, st))
            throw FileError("Cannot save " + path + ": the file is read-only");
        // Keep the permissions the file had.
        plan.mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        plan.mode = 0666 & ~mask;
    }
    return plan;
}

void finishFile(int fd, const SavePlan& plan, const std::string& path) {
    if (::fchmod(fd, plan.mode) != 0 || ::fsync(fd) != 0) throw errnoError("Cannot write", path);
}

void replaceTarget(const SavePlan& plan, const FolderLock& lock, const std::string& path) {
    if (::rename(plan.temp.c_str(), plan.target.c_str()) != 0) {
        const FileError error = errnoError("Cannot replace", path);
        ::unlink(plan.temp.c_str());
        throw error;
    }
    lock.syncFolder();
}

// An unnamed file gets its name only once it is complete; false when the file system has
// no unnamed files (nothing has been written then).
bool saveUnnamed(const SavePlan& plan, const std::vector<std::uint8_t>& bytes,
                 const std::string& path, const AtomicWriteOptions& options) {
    Fd fd(::open(plan.folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, plan.mode));
    if (!fd.valid()) {
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return false;
        throw errnoError("Cannot create a temporary file for", path);
    }
    writeAll(fd.get(), bytes, path, options);
    finishFile(fd.get(), plan, path);
    const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
    FolderLock lock(plan.folder);
    ::unlink(plan.temp.c_str());  // left by a save that crashed
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, plan.temp.c_str(), AT_SYMLINK_FOLLOW) != 0 &&
        ::linkat(fd.get(), "", AT_FDCWD, plan.temp.c_str(), AT_EMPTY_PATH) != 0) {
        return false;  // no way to name it here: the named road works everywhere
    }
    if (options.onStep) options.onStep(SaveStep::Linked);
    fd.reset();
    replaceTarget(plan, lock, path);
    return true;
}

void saveNamed(const SavePlan& plan, const std::vector<std::uint8_t>& bytes,
               const std::string& path, const AtomicWriteOptions& options) {
    FolderLock lock(plan.folder);
    ::unlink(plan.temp.c_str());  // left by a save that crashed
    Fd fd(
        ::open(plan.temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, plan.mode));
    if (!fd.valid()) throw errnoError("Cannot create a temporary file for", path);
    try {
        writeAll(fd.get(), bytes, path, options);
        finishFile(fd.get(), plan, path);
        if (::close(fd.release()) != 0) throw errnoError("Cannot write", path);
    } catch (...) {
        ::unlink(plan.temp.c_str());
        throw;
    }
    replaceTarget(plan, lock, path);
}

}  // namespace

std::vector<std::uint8_t> readWholeFile(const std::string& path) {
    // Asked before opening: opening a pipe waits for a writer, opening a device may act.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) throw errnoError("Cannot open", path);
    if (const std::string why = notAFile(st); !why.empty()) {
        throw FileError("Cannot open " + path + ": " + why);
    }
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.valid()) throw errnoError("Cannot open", path);
    if (::fstat(fd.get(), &st) != 0) throw errnoError("Cannot read", path);
    if (const std::string why = notAFile(st); !why.empty()) {
        throw FileError("Cannot open " + path + ": " + why);
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
        if (n == 0) break;  // the file shrank meanwhile
        if (n < 0) {
            if (errno == EINTR) continue;
            throw errnoError("Cannot read", path);
        }
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

void writeFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                         const AtomicWriteOptions& options) {
    const SavePlan plan = planSave(path);
    if (options.unnamedTemporary && saveUnnamed(plan, bytes, path, options)) return;
    saveNamed(plan, bytes, path, options);
}

std::string followLinks(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < kMostLinks; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::string target(static_cast<std::size_t>(st.st_size) + 256, '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0) throw errnoError("Cannot follow the link", current);
        target.resize(static_cast<std::size_t>(n));
        const bool absolute = !target.empty() && target.front() == '/';
        current = absolute ? target : joinPath(folderForSave(current), target);
    }
    throw FileError("Cannot save " + path + ": too many symbolic links");
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

#pragma once
// Whole-file reads and atomic writes.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace korva {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a whole regular file, never more than its size. A folder, pipe or device is refused
// before a byte is read. Throws FileError when it cannot be opened or read.
std::vector<std::uint8_t> readWholeFile(const std::string& path);

// The points of a save at which a test may stop it as a crash would.
enum class SaveStep { Writing, Linked };

struct AtomicWriteOptions {
    // Off: always the named temporary file (file systems without unnamed ones take that road).
    bool unnamedTemporary = true;
    std::function<void(SaveStep)> onStep;
};

// The one temporary name a save uses in a folder; a crash leaves at most this file behind,
// and the next save in that folder removes it.
inline constexpr const char* kSaveTempName = ".korva-save.tmp";

// Writes through a temporary file in the folder of the file, flushed to disk, then renamed
// over it, and flushes the folder, so a crash or a full disk never leaves a half-written
// file. A symbolic link is followed: the file it points to is replaced and the link stays.
// A read-only file, a folder, pipe or device is refused. Throws FileError and leaves any
// previous file untouched on failure.
void writeFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                         const AtomicWriteOptions& options = {});

// The file a path names once every symbolic link on the last component is followed.
std::string followLinks(const std::string& path);

bool fileExists(const std::string& path);
// Folder part of a path, up to the last "/" (or "\" when there is none); empty when neither.
std::string folderOf(const std::string& path);
std::string lastComponent(const std::string& path);
std::string joinPath(const std::string& folder, const std::string& name);

}  // namespace korva

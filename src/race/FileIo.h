#pragma once
// Whole-file reads and atomic writes.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace korva {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a whole file; throws FileError when it cannot be opened or read.
std::vector<std::uint8_t> readWholeFile(const std::string& path);

// Writes through a temporary file in the same folder, flushed to disk, then renamed over
// `path`, so a crash or a full disk never leaves a half-written file behind.
// Throws FileError and leaves any previous file untouched on failure.
void writeFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

bool fileExists(const std::string& path);
// Folder part of a path, up to the last "/" (or "\" when there is none); empty when neither.
std::string folderOf(const std::string& path);
std::string lastComponent(const std::string& path);
std::string joinPath(const std::string& folder, const std::string& name);

}  // namespace korva

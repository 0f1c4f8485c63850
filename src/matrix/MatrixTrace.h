#pragma once
// The matrix trace log: every generation step explains itself in a plain-text file.

#include <cstdint>
#include <string>
#include <string_view>

namespace korva {

class MatrixTrace {
public:
    static constexpr const char* kFileName = "KORVARaceMatrixDebug.log";
    static constexpr int kMaxDepth = 32;

    enum Kind : unsigned {
        kText = 1,
        kSigned = 2,
        kUnsigned = 3,
        kPointer = 4,
        kBool = 5,
        kHex = 6,
        kEnter = 7,
        kExit = 8,
        kDump = 9,
    };

    // The log lives in `folder`; an empty folder means the current directory.
    explicit MatrixTrace(std::string folder);

    // The next entry starts a fresh file.
    void newRun();

    // One entry. Each entry opens, writes and closes the file, so a crash loses nothing.
    void trace(std::string_view text, unsigned kind, std::int32_t value = 0,
               const void* pointer = nullptr);
    void line(std::string_view text) { trace(text, kText); }
    // "caption" followed directly by the value.
    void value(std::string_view caption, std::int32_t v) { trace(caption, kSigned, v); }

    int depth() const { return depth_; }
    const std::string& path() const { return path_; }
    // Entries that could not be written since construction; generation never depends on them.
    int failedWrites() const { return failedWrites_; }

    // Deletes the log of an earlier program run.
    static void removeLog(const std::string& folder);

private:
    std::string format(std::string_view text, unsigned kind, std::int32_t value,
                       const void* pointer) const;

    std::string path_;
    bool firstEntry_ = false;
    int depth_ = 0;
    int failedWrites_ = 0;
};

}  // namespace korva

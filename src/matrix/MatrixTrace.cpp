#include "matrix/MatrixTrace.h"

#include <cstdio>
#include <filesystem>

#include "ui/Format.h"

namespace korva {

namespace {

constexpr std::string_view kIndent =
    "                                                                         ";
static_assert(kIndent.size() == 73);

std::string logPath(const std::string& folder) {
    if (folder.empty()) return MatrixTrace::kFileName;
    return (std::filesystem::path(folder) / MatrixTrace::kFileName).string();
}

std::string dumpMemory(std::string_view indent, std::string_view text, std::int32_t size,
                       const void* pointer) {
    std::string out = cformat("Dump Memory %s at %p\n", std::string(text), pointer);
    const auto* bytes = static_cast<const unsigned char*>(pointer);
    const int n = (bytes && size > 0) ? size : 0;
    const int lines = (n + 15) / 16;
    for (int line = 0; line < lines; ++line) {
        if (line > 0) {
            out += '\n';
            out += indent;
        }
        out += cformat("%08X", static_cast<unsigned>(line * 16));
        std::string chars;
        for (int place = 0; place < 16; ++place) {
            const int at = line * 16 + place;
            if (place % 4 == 0) out += ' ';
            if (at < n) {
                const unsigned char b = bytes[at];
                out += cformat("%02X", static_cast<unsigned>(b));
                chars += b > ' ' ? static_cast<char>(b) : ' ';
            } else {
                out += "  ";
                chars += ' ';
            }
        }
        out += " <" + chars + ">";
    }
    if (lines > 0) out += '\n';
    return out;
}

}  // namespace

MatrixTrace::MatrixTrace(std::string folder) : path_(logPath(folder)) {}

void MatrixTrace::newRun() {
    firstEntry_ = true;
}

void MatrixTrace::removeLog(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::remove(logPath(folder), ignored);
}

std::string MatrixTrace::format(std::string_view text, unsigned kind, std::int32_t value,
                                const void* pointer) const {
    const std::string t(text);
    switch (kind) {
        case kText: return t + "\n";
        case kSigned: return cformat("%s%d\n", t, value);
        case kUnsigned: return cformat("%s%u\n", t, static_cast<unsigned>(value));
        case kPointer: return cformat("%s%p\n", t, pointer);
        case kBool: return t + (value != 0 ? "TRUE" : "FALSE") + "\n";
        case kHex: return cformat("%s %08X\n", t, static_cast<unsigned>(value));
        case kEnter: return "ENTER " + t + "\n";
        case kExit: return "EXIT " + t + "\n";
        case kDump:
            return dumpMemory(kIndent.substr(0, static_cast<std::size_t>(2 * depth_)), t, value,
                              pointer);
        default: return cformat("Unknown Quicky Type = %u\n", kind);
    }
}

void MatrixTrace::trace(std::string_view text, unsigned kind, std::int32_t value,
                        const void* pointer) {
    if (firstEntry_) depth_ = 0;
    const std::string entry = std::string(kIndent.substr(0, static_cast<std::size_t>(2 * depth_))) +
                              format(text, kind, value, pointer);
    if (kind == kEnter && depth_ < kMaxDepth) ++depth_;
    if (kind == kExit && depth_ > 0) --depth_;

    // A run whose first entry could not create the file keeps trying to start afresh, so an
    // old log is never continued by mistake.
    std::FILE* file = std::fopen(path_.c_str(), firstEntry_ ? "wb" : "ab");
    if (!file) {
        ++failedWrites_;
        return;
    }
    const bool written = std::fwrite(entry.data(), 1, entry.size(), file) == entry.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        ++failedWrites_;
        return;
    }
    firstEntry_ = false;
}

}  // namespace korva

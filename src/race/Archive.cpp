#include "race/Archive.h"

#include <algorithm>
#include <limits>

#include "ui/TextCase.h"

namespace korva {

namespace {
constexpr std::uint16_t kNullTag = 0;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint32_t kBigClassTag = 0x80000000u;

bool knownClass(std::string_view name) {
    return name == "KORVAPilot" || name == "KORVAPlane" || name == "KORVARound" ||
           name == "KORVAHeat";
}
}  // namespace

ArchiveError::ArchiveError(std::size_t offset, const std::string& expected)
    : std::runtime_error("malformed or short file at byte " + std::to_string(offset) +
                         ": expected " + expected),
      offset_(offset),
      expected_(expected) {}

NewerVersionError::NewerVersionError(std::string fileKind)
    : std::runtime_error(fileKind + " file was created by a newer version of the program"),
      fileKind_(std::move(fileKind)) {}

Archive::Archive(const Clock& clock) : clock_(clock), storing_(true) { out_.reserve(1 << 16); }

Archive::Archive(const Clock& clock, const std::vector<std::uint8_t>& data)
    : clock_(clock), storing_(false), in_(&data) {}

void Archive::writeByte(std::uint8_t v) { out_.push_back(v); }

void Archive::writeWord(std::uint16_t v) {
    const std::uint8_t b[2] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
    out_.insert(out_.end(), b, b + 2);
}

void Archive::writeDword(std::uint32_t v) {
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                               static_cast<std::uint8_t>(v >> 16),
                               static_cast<std::uint8_t>(v >> 24)};
    out_.insert(out_.end(), b, b + 4);
}

void Archive::writeInt(std::int32_t v) { writeDword(static_cast<std::uint32_t>(v)); }

void Archive::writeString(std::string_view s) {
    const std::size_t n = s.size();
    if (n < 255) {
        writeByte(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        writeByte(0xFF);
        writeWord(static_cast<std::uint16_t>(n));
    } else {
        writeByte(0xFF);
        writeWord(0xFFFF);
        writeDword(static_cast<std::uint32_t>(n));
    }
    out_.insert(out_.end(), s.begin(), s.end());
}

void Archive::writeBoolText(bool v) { writeString(v ? "TRUE" : "FALSE"); }

void Archive::writeNumberText(std::int32_t v) { writeString(std::to_string(v)); }

void Archive::writeSpare(int count) {
    for (int i = 0; i < count; ++i) {
        out_.push_back(1);
        out_.push_back(' ');
    }
}

void Archive::writeCount(std::size_t n) {
    if (n < 0xFFFF) {
        writeWord(static_cast<std::uint16_t>(n));
    } else {
        writeWord(0xFFFF);
        writeDword(static_cast<std::uint32_t>(n));
    }
}

void Archive::writeObjectTag(const char* className) {
    auto it = classIndex_.find(className);
    if (it == classIndex_.end()) {
        const std::string_view name(className);
        writeWord(kNewClassTag);
        writeWord(kSchema);
        writeWord(static_cast<std::uint16_t>(name.size()));
        out_.insert(out_.end(), name.begin(), name.end());
        classIndex_[std::string(name)] = mapCount_++;
    } else if (it->second < kBigObjectTag) {
        writeWord(static_cast<std::uint16_t>(kClassTag | it->second));
    } else {
        writeWord(kBigObjectTag);
        writeDword(kBigClassTag | it->second);
    }
    ++mapCount_;  // the object itself
}

void Archive::writeNullTag() { writeWord(kNullTag); }

void Archive::fail(const std::string& expected) const { throw ArchiveError(pos_, expected); }

void Archive::need(std::size_t n, const char* what) {
    if (storing_ || n > remaining()) fail(what);
}

void Archive::skip(std::size_t n, const char* what) {
    need(n, what);
    pos_ += n;
}

std::uint8_t Archive::readByte() {
    need(1, "a byte");
    return (*in_)[pos_++];
}

std::uint16_t Archive::readWord() {
    need(2, "a 2-byte value");
    const auto& d = *in_;
    const std::uint16_t v = static_cast<std::uint16_t>(d[pos_] | (d[pos_ + 1] << 8));
    pos_ += 2;
    return v;
}

std::uint32_t Archive::readDword() {
    need(4, "a 4-byte value");
    const auto& d = *in_;
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | d[pos_ + static_cast<std::size_t>(i)];
    pos_ += 4;
    return v;
}

std::int32_t Archive::readInt() { return static_cast<std::int32_t>(readDword()); }

std::string Archive::readString() {
    const std::size_t start = pos_;
    std::size_t n = readByte();
    if (n == 0xFF) {
        const std::uint16_t w = readWord();
        if (w == 0xFFFF) {
            n = readDword();
        } else if (w == 0xFFFE) {
            pos_ = start;
            fail("a string length");
        } else {
            n = w;
        }
    }
    if (n > remaining()) {
        pos_ = start;
        fail("a string of " + std::to_string(n) + " bytes");
    }
    std::string s(reinterpret_cast<const char*>(in_->data() + pos_), n);
    pos_ += n;
    return s;
}

bool Archive::readBoolText() {
    return equalsNoCase(readString(), "TRUE");
}

std::int32_t Archive::readNumberText() { return leadingNumber(readString()); }

void Archive::readSpare(int count) {
    for (int i = 0; i < count; ++i) {
        // The common one-blank spare is skipped without building a string.
        if (remaining() >= 2 && (*in_)[pos_] == 1) {
            pos_ += 2;
        } else {
            readString();
        }
    }
}

std::size_t Archive::readCount(std::size_t minElementBytes) {
    const std::size_t start = pos_;
    std::size_t n = readWord();
    if (n == 0xFFFF) n = readDword();
    if (minElementBytes > 0 && n > remaining() / minElementBytes) {
        pos_ = start;
        fail("a count of at most " + std::to_string(remaining() / minElementBytes) +
             " elements");
    }
    return n;
}

std::optional<std::string> Archive::readObjectTag(const char* expectedClass) {
    const std::size_t start = pos_;
    const std::uint16_t tag = readWord();
    if (tag == kNullTag) return std::nullopt;
    std::string name;
    if (tag == kNewClassTag) {
        const std::uint16_t schema = readWord();
        const std::uint16_t length = readWord();
        need(length, "a class name");
        name.assign(reinterpret_cast<const char*>(in_->data() + pos_), length);
        pos_ += length;
        if (schema != kSchema) {
            // The name read may be empty or garbage: name the class that belongs here.
            pos_ = start;
            fail("schema number 100 of class " + std::string(expectedClass) + ", found " +
                 std::to_string(schema));
        }
        if (!knownClass(name)) {
            pos_ = start;
            fail("a known class name");
        }
        loadedClasses_[mapCount_++] = name;
    } else {
        std::uint32_t index = 0;
        if (tag == kBigObjectTag) {
            const std::uint32_t big = readDword();
            if ((big & kBigClassTag) == 0) {
                pos_ = start;
                fail("an object tag");
            }
            index = big & ~kBigClassTag;
        } else if ((tag & kClassTag) != 0) {
            index = tag & ~kClassTag;
        } else {
            // A reference to an object already read: owned lists never hold one.
            pos_ = start;
            fail("an object tag");
        }
        auto it = loadedClasses_.find(index);
        if (it == loadedClasses_.end()) {
            pos_ = start;
            fail("a class index");
        }
        name = it->second;
    }
    if (name != expectedClass) {
        pos_ = start;
        fail(std::string("an object of class ") + expectedClass);
    }
    ++mapCount_;  // the object itself
    return name;
}

std::int32_t leadingNumber(std::string_view text) {
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) {
            return std::numeric_limits<std::int32_t>::max();
        }
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace korva

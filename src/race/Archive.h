#pragma once
// The race file's byte encodings: integers, strings, counts and tagged objects.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Clock.h"

namespace korva {

// A short or malformed file; carries the byte offset at which reading failed.
class ArchiveError : public std::runtime_error {
public:
    ArchiveError(std::size_t offset, const std::string& expected);
    std::size_t offset() const { return offset_; }
    const std::string& expected() const { return expected_; }

private:
    std::size_t offset_;
    std::string expected_;
};

// A record written by a newer program. `fileKind` is "Race" or "Pilots".
class NewerVersionError : public std::runtime_error {
public:
    explicit NewerVersionError(std::string fileKind);
    const std::string& fileKind() const { return fileKind_; }

private:
    std::string fileKind_;
};

class Archive {
public:
    static constexpr std::uint16_t kSchema = 100;

    // An archive that stores into memory.
    explicit Archive(const Clock& clock);
    // An archive that loads from the given bytes (kept by reference).
    Archive(const Clock& clock, const std::vector<std::uint8_t>& data);

    bool isStoring() const { return storing_; }
    bool isLoading() const { return !storing_; }
    const Clock& clock() const { return clock_; }

    // Storing.
    void writeByte(std::uint8_t v);
    void writeWord(std::uint16_t v);
    void writeDword(std::uint32_t v);
    void writeInt(std::int32_t v);
    void writeString(std::string_view s);
    void writeBoolText(bool v);
    void writeNumberText(std::int32_t v);
    void writeSpare(int count = 1);
    void writeCount(std::size_t n);
    // Writes the tag of a new object of the class (new-class tag or class index).
    void writeObjectTag(const char* className);
    void writeNullTag();
    const std::vector<std::uint8_t>& bytes() const { return out_; }

    // Loading; each throws ArchiveError when the data end or do not fit.
    std::uint8_t readByte();
    std::uint16_t readWord();
    std::uint32_t readDword();
    std::int32_t readInt();
    std::string readString();
    bool readBoolText();
    std::int32_t readNumberText();
    void readSpare(int count = 1);
    // A count of elements each of which takes at least minElementBytes.
    std::size_t readCount(std::size_t minElementBytes);
    // Reads an object's tag; nullopt for a null element. The class must be `expectedClass`.
    std::optional<std::string> readObjectTag(const char* expectedClass);
    void skipInts(std::size_t n) { skip(4 * n, "skipped ints"); }
    void skipDoubles(std::size_t n) { skip(8 * n, "skipped 8-byte values"); }

    std::size_t offset() const { return pos_; }
    std::size_t remaining() const { return in_ ? in_->size() - pos_ : 0; }
    [[noreturn]] void fail(const std::string& expected) const;

private:
    void need(std::size_t n, const char* what);
    void skip(std::size_t n, const char* what);

    const Clock& clock_;
    bool storing_;
    std::vector<std::uint8_t> out_;
    const std::vector<std::uint8_t>* in_ = nullptr;
    std::size_t pos_ = 0;
    // Classes and objects share one numbering from 1.
    std::uint32_t mapCount_ = 1;
    std::map<std::string, std::uint32_t> classIndex_;        // storing
    std::map<std::uint32_t, std::string> loadedClasses_;     // loading
};

// Integer value of the leading decimal digits of a text ("117b" gives 117, "" gives 0).
std::int32_t leadingNumber(std::string_view text);

}  // namespace korva

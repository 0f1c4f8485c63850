#include "support/ByteBuilder.h"

namespace korva::test {

ByteBuilder& ByteBuilder::byte(std::uint8_t v) {
    bytes_.push_back(v);
    return *this;
}

ByteBuilder& ByteBuilder::word(std::uint16_t v) {
    byte(static_cast<std::uint8_t>(v & 0xFF));
    return byte(static_cast<std::uint8_t>(v >> 8));
}

ByteBuilder& ByteBuilder::dword(std::uint32_t v) {
    word(static_cast<std::uint16_t>(v & 0xFFFF));
    return word(static_cast<std::uint16_t>(v >> 16));
}

ByteBuilder& ByteBuilder::ints(std::initializer_list<std::int32_t> values) {
    for (auto v : values) i32(v);
    return *this;
}

ByteBuilder& ByteBuilder::zeros(std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) i32(0);
    return *this;
}

ByteBuilder& ByteBuilder::doubles(std::size_t n) {
    for (std::size_t i = 0; i < 8 * n; ++i) byte(0);
    return *this;
}

ByteBuilder& ByteBuilder::str(const std::string& s) {
    if (s.size() < 255) {
        byte(static_cast<std::uint8_t>(s.size()));
    } else if (s.size() < 65534) {
        byte(255).word(static_cast<std::uint16_t>(s.size()));
    } else {
        byte(255).word(65535).dword(static_cast<std::uint32_t>(s.size()));
    }
    bytes_.insert(bytes_.end(), s.begin(), s.end());
    return *this;
}

ByteBuilder& ByteBuilder::spare(int n) {
    for (int i = 0; i < n; ++i) str(" ");
    return *this;
}

ByteBuilder& ByteBuilder::count(std::size_t n) {
    if (n < 65535) return word(static_cast<std::uint16_t>(n));
    return word(65535).dword(static_cast<std::uint32_t>(n));
}

ByteBuilder& ByteBuilder::newClass(const std::string& name) {
    word(65535).word(100).word(static_cast<std::uint16_t>(name.size()));
    bytes_.insert(bytes_.end(), name.begin(), name.end());
    return *this;
}

ByteBuilder& ByteBuilder::classRef(std::uint32_t index) {
    if (index < 32767) return word(static_cast<std::uint16_t>(32768 + index));
    return word(32767).dword(0x80000000u + index);
}

ByteBuilder& ByteBuilder::append(const std::vector<std::uint8_t>& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
    return *this;
}

}  // namespace korva::test

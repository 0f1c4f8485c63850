#pragma once
// Builds expected file bytes from the primitive encodings, independent of the writer.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace korva::test {

class ByteBuilder {
public:
    ByteBuilder& byte(std::uint8_t v);
    ByteBuilder& word(std::uint16_t v);
    ByteBuilder& dword(std::uint32_t v);
    ByteBuilder& i32(std::int32_t v) { return dword(static_cast<std::uint32_t>(v)); }
    ByteBuilder& ints(std::initializer_list<std::int32_t> values);
    ByteBuilder& zeros(std::size_t ints);   // n ints of 0
    ByteBuilder& doubles(std::size_t n);    // n eight-byte zero values
    ByteBuilder& str(const std::string& s);
    ByteBuilder& spare(int n = 1);
    ByteBuilder& boolText(bool v) { return str(v ? "TRUE" : "FALSE"); }
    ByteBuilder& count(std::size_t n);
    // The new-class tag with schema 100 and the class name.
    ByteBuilder& newClass(const std::string& name);
    // The tag of a later object of the class with map index `index`.
    ByteBuilder& classRef(std::uint32_t index);
    ByteBuilder& append(const std::vector<std::uint8_t>& more);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::size_t size() const { return bytes_.size(); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace korva::test

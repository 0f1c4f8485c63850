// The primitive encodings, checked against bytes built independently of the writer.

#include <gtest/gtest.h>

#include "race/Archive.h"
#include "support/ByteBuilder.h"

namespace korva {
namespace {

using test::ByteBuilder;

std::vector<std::uint8_t> written(const std::function<void(Archive&)>& write) {
    FixedClock clock;
    Archive ar(clock);
    write(ar);
    return ar.bytes();
}

TEST(Archive, StringLengthPrefixesAtTheirBoundaries) {
    for (std::size_t n : {0u, 1u, 254u, 255u, 65533u, 65534u, 70000u}) {
        const std::string s(n, 'x');
        const auto bytes = written([&](Archive& ar) { ar.writeString(s); });
        EXPECT_EQ(bytes, ByteBuilder().str(s).bytes()) << n;
        FixedClock clock;
        Archive in(clock, bytes);
        EXPECT_EQ(in.readString(), s);
        EXPECT_EQ(in.remaining(), 0u);
    }
    // The exact prefixes: one byte below 255, then 255 + word, then 255 + 65535 + dword.
    EXPECT_EQ(written([](Archive& ar) { ar.writeString(std::string(254, 'a')); })[0], 254);
    const auto b255 = written([](Archive& ar) { ar.writeString(std::string(255, 'a')); });
    EXPECT_EQ((std::vector<std::uint8_t>{b255[0], b255[1], b255[2]}),
              (std::vector<std::uint8_t>{255, 255, 0}));
    const auto big = written([](Archive& ar) { ar.writeString(std::string(65534, 'a')); });
    EXPECT_EQ((std::vector<std::uint8_t>{big[0], big[1], big[2], big[3], big[4], big[5], big[6]}),
              (std::vector<std::uint8_t>{255, 255, 255, 0xFE, 0xFF, 0, 0}));
}

TEST(Archive, BoolAndNumberTextsAndCounts) {
    const auto bytes = written([](Archive& ar) {
        ar.writeBoolText(true);
        ar.writeBoolText(false);
        ar.writeNumberText(42);
        ar.writeSpare(2);
        ar.writeCount(3);
        ar.writeCount(70000);
    });
    EXPECT_EQ(bytes, ByteBuilder()
                         .str("TRUE")
                         .str("FALSE")
                         .str("42")
                         .spare(2)
                         .word(3)
                         .word(65535)
                         .dword(70000)
                         .bytes());

    // Loading bool text ignores case and reads anything else as false; numbers read digits.
    const auto texts = ByteBuilder().str("true").str("TrUe").str("yes").str("17abc").str("").bytes();
    FixedClock clock;
    Archive in(clock, texts);
    EXPECT_TRUE(in.readBoolText());
    EXPECT_TRUE(in.readBoolText());
    EXPECT_FALSE(in.readBoolText());
    EXPECT_EQ(in.readNumberText(), 17);
    EXPECT_EQ(in.readNumberText(), 0);
}

TEST(Archive, ObjectTagsShareOneIndexMapForClassesAndObjects) {
    const auto bytes = written([](Archive& ar) {
        ar.writeObjectTag("KORVAPilot");  // class 1, object 2
        ar.writeObjectTag("KORVAPilot");  // object 3
        ar.writeObjectTag("KORVAPlane");  // class 4, object 5
        ar.writeObjectTag("KORVAPilot");  // object 6
        ar.writeObjectTag("KORVAPlane");  // object 7
        ar.writeNullTag();
    });
    EXPECT_EQ(bytes, ByteBuilder()
                         .newClass("KORVAPilot")
                         .classRef(1)
                         .newClass("KORVAPlane")
                         .classRef(1)
                         .classRef(4)
                         .word(0)
                         .bytes());
    FixedClock clock;
    Archive in(clock, bytes);
    for (const char* cls : {"KORVAPilot", "KORVAPilot", "KORVAPlane", "KORVAPilot", "KORVAPlane"}) {
        EXPECT_EQ(in.readObjectTag(cls), std::optional<std::string>(cls));
    }
    EXPECT_EQ(in.readObjectTag("KORVAPilot"), std::nullopt);
}

TEST(Archive, BigClassIndexUsesTheLongForm) {
    FixedClock clock;
    Archive ar(clock);
    ar.writeObjectTag("KORVAHeat");  // class 1
    for (int i = 0; i < 40000; ++i) ar.writeObjectTag("KORVARound");  // class 3 at the start
    ar.writeObjectTag("KORVAHeat");
    // Every index below 32767 uses the short form; the class index 1 stays short too.
    const auto& bytes = ar.bytes();
    const std::size_t tail = bytes.size() - 2;
    EXPECT_EQ(bytes[tail], 0x01);
    EXPECT_EQ(bytes[tail + 1], 0x80);

    // A class first seen after index 32767 is referred to with the long form.
    Archive late(clock);
    for (int i = 0; i < 33000; ++i) late.writeObjectTag("KORVAHeat");  // indexes 1..33001
    late.writeObjectTag("KORVAPilot");  // class 33002, object 33003
    late.writeObjectTag("KORVAPilot");
    const auto& lb = late.bytes();
    EXPECT_EQ(std::vector<std::uint8_t>(lb.end() - 6, lb.end()),
              ByteBuilder().word(32767).dword(0x80000000u + 33002).bytes());
    Archive in(clock, lb);
    for (int i = 0; i < 33000; ++i) ASSERT_TRUE(in.readObjectTag("KORVAHeat"));
    EXPECT_TRUE(in.readObjectTag("KORVAPilot"));
    EXPECT_TRUE(in.readObjectTag("KORVAPilot"));
}

TEST(Archive, MalformedInputFailsWithTheOffset) {
    FixedClock clock;
    auto failsAt = [&](const std::vector<std::uint8_t>& bytes, std::size_t offset,
                       const std::function<void(Archive&)>& read) {
        Archive in(clock, bytes);
        try {
            read(in);
            ADD_FAILURE() << "no error";
        } catch (const ArchiveError& e) {
            EXPECT_EQ(e.offset(), offset);
        }
    };
    // A string longer than the data left.
    failsAt(ByteBuilder().i32(7).byte(200).str("ab").bytes(), 4, [](Archive& a) {
        a.readInt();
        a.readString();
    });
    // A count that cannot fit in the bytes left: refused before anything is allocated.
    failsAt(ByteBuilder().word(65535).dword(0x7FFFFFFF).bytes(), 0,
            [](Archive& a) { a.readCount(2); });
    // An unknown class, a wrong schema, a back reference and an unknown class index.
    failsAt(ByteBuilder().newClass("CObList").bytes(), 0,
            [](Archive& a) { a.readObjectTag("KORVAPilot"); });
    const std::string name = "KORVAPilot";
    failsAt(ByteBuilder().word(65535).word(99).word(10).append({name.begin(), name.end()}).bytes(), 0,
            [](Archive& a) { a.readObjectTag("KORVAPilot"); });
    failsAt(ByteBuilder().word(5).bytes(), 0, [](Archive& a) { a.readObjectTag("KORVAPilot"); });
    failsAt(ByteBuilder().classRef(3).bytes(), 0,
            [](Archive& a) { a.readObjectTag("KORVAPilot"); });
    // A known class where another is expected.
    failsAt(ByteBuilder().newClass("KORVAPlane").bytes(), 0,
            [](Archive& a) { a.readObjectTag("KORVAPilot"); });
    // Reading past the end.
    failsAt(ByteBuilder().word(1).bytes(), 0, [](Archive& a) { a.readInt(); });
}

TEST(Archive, LeadingNumber) {
    EXPECT_EQ(leadingNumber("120"), 120);
    EXPECT_EQ(leadingNumber("117b"), 117);
    EXPECT_EQ(leadingNumber(" 12"), 0);
    EXPECT_EQ(leadingNumber("99999999999999"), 2147483647);
}

}  // namespace
}  // namespace korva

// Damaged race files never load as something else: wild counters, zeros, bytes after the
// race, newer records, and the messages that say what is wrong.

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>

#include "race/Archive.h"
#include "race/FileIo.h"
#include "samples/SampleRace.h"
#include "support/TempFolder.h"
#include "support/TestServices.h"
#include "ui/Strings.h"

namespace korva {
namespace {

namespace fs = std::filesystem;

struct DamagedRace : ::testing::Test, test::TestServices {
    test::TempFolder folder;
    std::unique_ptr<KORVARaceDoc> sample() {
        samples::SampleSize size;
        size.rounds = 3;
        size.heatsPerRound = 2;
        return samples::makeRace(services, size);
    }
    void write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    }
};

TEST_F(DamagedRace, StoredCountersAgreeWithTheirListsSoNumbersGoOnWithoutGapOrRepeat) {
    for (const std::int32_t stored : {INT_MAX, 0, -5}) {
        auto doc = sample();
        doc->raceMatrix.matrix(1).RoundCount = stored;
        doc->raceMatrix.matrix(1).rounds[1]->heatCount = stored;
        KORVARaceDoc loaded(services);
        loaded.loadBytes(doc->encode());
        KORVAMatrix& m = loaded.raceMatrix.matrix(1);
        EXPECT_EQ(m.RoundCount, 3) << stored;
        EXPECT_EQ(m.rounds[1]->heatCount, 2) << stored;

        EXPECT_EQ(m.appendRound(std::make_unique<KORVARound>()).number(), 4) << stored;
        const Timestamp now = clock.now();
        EXPECT_EQ(m.rounds[1]->addHeat(std::make_unique<KORVAHeat>(now), now).heatNumber, 3);
        m.rounds[1]->removeLastHeat();
        EXPECT_EQ(m.rounds[1]->addHeat(std::make_unique<KORVAHeat>(now), now).heatNumber, 3);

        KORVARaceDoc again(services);
        again.loadBytes(loaded.encode());
        EXPECT_EQ(again.raceMatrix.matrix(1).RoundCount, 4);
    }
}

TEST_F(DamagedRace, AFileOfZerosIsRefusedAsDamaged) {
    const std::string path = folder.file("zeros.kvr");
    write(path, std::vector<std::uint8_t>(4096, 0));
    KORVARaceDoc doc(services);
    ui.expect(str::kOpenFailed);
    EXPECT_FALSE(doc.openDocument(path));
    EXPECT_EQ(ui.asked.back().text,
              "Cannot open the race file\n" + path +
                  "\n\nThe file is not a race file, or it is damaged.\n(short or malformed at "
                  "byte 0: expected data, but every byte is zero)");
    EXPECT_TRUE(doc.pilots.empty());
}

TEST_F(DamagedRace, BytesAfterTheRaceAreNamedAndKeptByTheFirstSave) {
    const std::string path = folder.file("tail.kvr");
    auto bytes = sample()->encode();
    bytes.insert(bytes.end(), {'e', 'x', 't', 'r', 'a', 0, 7});
    write(path, bytes);

    KORVARaceDoc doc(services);
    ui.expect(str::kTrailingBytes);
    ASSERT_TRUE(doc.openDocument(path));
    EXPECT_EQ(ui.asked.back().text, "The race file\n" + path +
                                        "\nholds 7 bytes after the race that this program does "
                                        "not read.\n\nNothing is lost: the first save keeps the "
                                        "file as it is now in\n" +
                                        path + ".bak");
    EXPECT_FALSE(fs::exists(path + ".bak"));  // only a save needs it

    ASSERT_TRUE(doc.saveDocument(path));
    EXPECT_EQ(readWholeFile(path + ".bak"), bytes);
    KORVARaceDoc saved(services);
    saved.loadFile(path);
    EXPECT_EQ(saved.unreadBytes(), 0u);
    // Once: a later save leaves the backup alone.
    fs::remove(path + ".bak");
    ASSERT_TRUE(doc.saveDocument(path));
    EXPECT_FALSE(fs::exists(path + ".bak"));
}

TEST_F(DamagedRace, ASaveThatCannotKeepTheOriginalLeavesItAlone) {
    const std::string path = folder.file("tail.kvr");
    auto bytes = sample()->encode();
    bytes.push_back(1);
    write(path, bytes);
    fs::create_directory(path + ".bak");  // in the way of the backup
    KORVARaceDoc doc(services);
    ui.expect(str::kTrailingBytes).expect(str::kSaveFailed);
    ASSERT_TRUE(doc.openDocument(path));
    EXPECT_FALSE(doc.saveDocument(path));
    EXPECT_EQ(readWholeFile(path), bytes);
}

TEST_F(DamagedRace, AWrongSchemaNamesTheClassThatBelongsThere) {
    auto bytes = sample()->encode();
    // The first pilot's new-class tag: 0xFFFF, the schema, the name length, "KORVAPilot".
    const std::string name = "KORVAPilot";
    auto at = std::search(bytes.begin(), bytes.end(), name.begin(), name.end());
    ASSERT_NE(at, bytes.end());
    const auto schema = static_cast<std::size_t>(at - bytes.begin()) - 4;
    bytes[schema] = 99;
    bytes[schema + 2] = 0;  // and no name at all
    KORVARaceDoc doc(services);
    try {
        doc.loadBytes(bytes);
        ADD_FAILURE() << "loaded";
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.expected(), "schema number 100 of class KORVAPilot, found 99");
    }
}

}  // namespace
}  // namespace korva

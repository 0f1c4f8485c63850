// Damaged race files never load as something else: wild counters, zeros, bytes after the race.

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "race/FileIo.h"
#include "samples/SampleRace.h"
#include "support/TempFolder.h"
#include "support/TestServices.h"
#include "ui/Strings.h"

namespace korva {
namespace {

struct DamagedRace : ::testing::Test, test::TestServices {
    test::TempFolder folder;
};

TEST_F(DamagedRace, StoredCountersAgreeWithTheirListsSoNumbersGoOnWithoutGapOrRepeat) {
    for (const std::int32_t stored : {INT_MAX, 0}) {
        auto doc = samples::makeRace(services, samples::SampleSize{});  // 3 rounds of 3 heats
        doc->raceMatrix.matrix(1).RoundCount = stored;
        doc->raceMatrix.matrix(1).rounds[1]->heatCount = stored;
        KORVARaceDoc loaded(services);
        loaded.loadBytes(doc->encode());
        KORVAMatrix& m = loaded.raceMatrix.matrix(1);
        EXPECT_EQ(m.appendRound(std::make_unique<KORVARound>()).number(), 4) << stored;
        const Timestamp now = clock.now();
        EXPECT_EQ(m.rounds[1]->addHeat(std::make_unique<KORVAHeat>(now), now).heatNumber, 4);
        KORVARaceDoc again(services);
        again.loadBytes(loaded.encode());
        EXPECT_EQ(again.raceMatrix.matrix(1).RoundCount, 4);
    }
}

TEST_F(DamagedRace, AFileOfZerosIsRefusedAsDamaged) {
    const std::string path = folder.file("zeros.kvr");
    writeFileAtomically(path, std::vector<std::uint8_t>(4096, 0));
    KORVARaceDoc doc(services);
    ui.expect(str::kOpenFailed);
    EXPECT_FALSE(doc.openDocument(path));
    EXPECT_EQ(ui.asked.back().text,
              "Cannot open the race file\n" + path +
                  "\n\nThe file is not a race file, or it is damaged.\n(short or malformed at "
                  "byte 0: expected data, but every byte is zero)");
}

TEST_F(DamagedRace, BytesAfterTheRaceAreNamedAndKeptOnceByTheFirstSave) {
    const std::string path = folder.file("tail.kvr");
    auto bytes = samples::makeRace(services, samples::SampleSize{})->encode();
    bytes.insert(bytes.end(), {'e', 'x', 't', 'r', 'a', 0, 7});
    writeFileAtomically(path, bytes);
    KORVARaceDoc doc(services);
    ui.expect(str::kTrailingBytes);
    ASSERT_TRUE(doc.openDocument(path));
    EXPECT_NE(ui.asked.back().text.find("holds 7 bytes after the race"), std::string::npos);
    EXPECT_NE(ui.asked.back().text.find("\n" + path + ".bak"), std::string::npos);

    ASSERT_TRUE(doc.saveDocument(path));
    EXPECT_EQ(readWholeFile(path + ".bak"), bytes);
    std::filesystem::remove(path + ".bak");
    ASSERT_TRUE(doc.saveDocument(path));
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
}

}  // namespace
}  // namespace korva

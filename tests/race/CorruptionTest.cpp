// Damaged files: every truncation fails cleanly, random damage never crashes.

#include <gtest/gtest.h>

#include <fstream>

#include "race/Archive.h"
#include "race/KORVAPilotMaster.h"
#include "samples/SampleRace.h"
#include "support/TestServices.h"
#include "support/TempFolder.h"
#include "ui/CRandom.h"
#include "ui/Strings.h"

namespace korva {
namespace {

struct Corruption : ::testing::Test, test::TestServices {

    std::vector<std::uint8_t> smallRace() {
        samples::SampleSize size;
        size.pilots = 3;
        size.rounds = 1;
        size.heatsPerRound = 2;
        return samples::makeRace(services, size)->encode();
    }
};

TEST_F(Corruption, EveryTruncationOfARaceFileFails) {
    const auto good = smallRace();
    for (std::size_t n = 0; n < good.size(); ++n) {
        const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<long>(n));
        KORVARaceDoc doc(services);
        try {
            doc.loadBytes(cut);
            ADD_FAILURE() << "a race file cut at " << n << " bytes loaded";
        } catch (const ArchiveError& e) {
            ASSERT_LE(e.offset(), n);
        }
    }
}

TEST_F(Corruption, TruncatedFileOpensWithAMessageAndLeavesNothingOpen) {
    test::TempFolder folder;
    const auto good = smallRace();
    for (std::size_t n : {std::size_t{0}, std::size_t{1}, good.size() / 3, good.size() - 1}) {
        const std::string path = folder.file("cut.kvr");
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(good.data()), static_cast<long>(n));
        KORVARaceDoc doc(services);
        ui.expect(str::kOpenFailed);
        EXPECT_FALSE(doc.openDocument(path));
        EXPECT_TRUE(doc.pathName().empty());
        const std::string& text = ui.asked.back().text;
        EXPECT_EQ(text.rfind("Cannot open the race file\n" + path, 0), 0u) << text;
        EXPECT_NE(text.find("expected"), std::string::npos) << text;
    }
}

TEST_F(Corruption, EveryTruncationOfAMasterFileFails) {
    PilotArray pilots;
    for (int i = 1; i <= 3; ++i) {
        pilots.push_back(std::make_unique<KORVAPilot>(samples::makePilot(i, 1, 20 + i)));
    }
    const auto good = KORVAPilotMaster::encode(pilots, clock);
    EXPECT_EQ(KORVAPilotMaster::decode(good, clock).size(), 3u);
    for (std::size_t n = 0; n < good.size(); ++n) {
        const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<long>(n));
        EXPECT_THROW(KORVAPilotMaster::decode(cut, clock), ArchiveError) << n;
    }
}

TEST_F(Corruption, RandomDamageNeverCrashes) {
    const auto good = smallRace();
    CRandom random(12345);
    int loaded = 0;
    for (int round = 0; round < 3000; ++round) {
        auto bad = good;
        const int flips = 1 + random.rand() % 4;
        for (int f = 0; f < flips; ++f) {
            const auto at = static_cast<std::size_t>((random.rand() * 32768 + random.rand()) %
                                                     static_cast<int>(bad.size()));
            bad[at] = static_cast<std::uint8_t>(random.rand() & 0xFF);
        }
        KORVARaceDoc doc(services);
        try {
            doc.loadBytes(bad);
        } catch (const ArchiveError&) {
            continue;
        } catch (const NewerVersionError&) {
            continue;
        }
        ++loaded;
        // Whatever loaded is written back in a form that reads back the same.
        const auto saved = doc.encode();
        KORVARaceDoc again(services);
        again.loadBytes(saved);
        ASSERT_EQ(again.encode(), saved);
    }
    EXPECT_GT(loaded, 0);  // many flips land in values, not in structure
}

}  // namespace
}  // namespace korva

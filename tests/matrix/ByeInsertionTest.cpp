#include <gtest/gtest.h>

#include "matrix/ByeInsertion.h"
#include "race/KORVAPilot.h"
#include "ui/CRandom.h"

namespace korva::test {
namespace {

class ByeInsertion : public ::testing::Test {
protected:
    const KORVAPilot* pilot(int channel) {
        pilots.push_back(std::make_unique<KORVAPilot>(static_cast<int>(pilots.size()) + 1));
        pilots.back()->channel = channel;
        return pilots.back().get();
    }
    std::vector<int> channels(const LaneList& list) {
        std::vector<int> out;
        for (const KORVAPilot* p : list) out.push_back(p ? p->channel : 0);
        return out;
    }
    std::vector<std::unique_ptr<KORVAPilot>> pilots;
    CRandom random{7};
};

TEST_F(ByeInsertion, AByeGoesBeforeEveryChannelGroup) {
    LaneList list = {pilot(21), pilot(21), pilot(33)};
    insertByes(list, 5, random);
    EXPECT_EQ(channels(list), (std::vector<int>{0, 21, 21, 0, 33}));
}

TEST_F(ByeInsertion, ManyByesGoRoundTheGroupsAgain) {
    LaneList list = {pilot(21), pilot(33)};
    insertByes(list, 6, random);
    EXPECT_EQ(channels(list), (std::vector<int>{0, 0, 21, 0, 0, 33}));
}

TEST_F(ByeInsertion, FewerByesThanGroupsGoBeforeRandomGroups) {
    for (std::uint32_t seed = 1; seed < 40; ++seed) {
        random.seed(seed);
        LaneList list = {pilot(21), pilot(33), pilot(34), pilot(34)};
        const LaneList before = list;
        insertByes(list, 5, random);
        ASSERT_EQ(list.size(), 5u);
        const auto bye = std::find(list.begin(), list.end(), nullptr);
        ASSERT_NE(bye, list.end());
        // Removing the bye gives the list back, and it never splits a channel group.
        LaneList without = list;
        without.erase(without.begin() + (bye - list.begin()));
        EXPECT_EQ(without, before);
        EXPECT_NE(bye - list.begin(), 3) << "seed " << seed;
    }
}

TEST_F(ByeInsertion, ListsWithoutPilotsAreFilledWithByes) {
    LaneList empty;
    insertByes(empty, 3, random);
    EXPECT_EQ(empty, LaneList(3, nullptr));
    LaneList slots(2, nullptr);
    insertByes(slots, 4, random);
    EXPECT_EQ(slots, LaneList(4, nullptr));
    LaneList full = {pilot(1), pilot(2)};
    insertByes(full, 2, random);
    EXPECT_EQ(full.size(), 2u);
}

}  // namespace
}  // namespace korva::test

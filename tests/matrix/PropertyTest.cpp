#include <gtest/gtest.h>

#include "matrix/MatrixFixture.h"
#include "ui/CRandom.h"

namespace korva::test {
namespace {

class RandomField {
public:
    explicit RandomField(std::uint32_t seed) : random_(seed) {}

    int below(int n) { return random_.rand() % n; }
    bool chance(int percent) { return below(100) < percent; }

    void fill(MatrixRace<AnsweringInteraction>& race) {
        KORVARaceDoc& doc = race.doc;
        doc.maxLanes[1] = 2 + below(3);
        doc.minLanes[1] = std::min(doc.maxLanes[1], 2 + below(2));
        doc.maxThreeLanes = chance(10);
        doc.raceMatrix.IncludeUnpaid = chance(50);
        doc.raceMatrix.IncludeNoWaiver = chance(50);
        // Power balancing tries ten times as many lane assignments: small fields only.
        const int power = below(12);  // 0: everyone, 1: some pilots, else nobody
        const int pilots = 1 + below(power == 0 ? 12 : kSanitized ? 20 : 40);
        for (int i = 0; i < pilots; ++i) {
            PilotTraits s;
            s.classIndex = chance(5) ? 2 : 3;  // a few pilots of another bracket
            const int kind = below(10);
            s.channel = kind < 6 ? 11 + below(30) : kind < 8 ? below(10) : 100 + below(8);
            s.active = !chance(10);
            s.paid = !chance(15);
            s.waiver = !chance(10);
            s.dq = chance(4);
            s.affinity = chance(20);
            if (power == 0 || (power == 1 && chance(70))) s.category = std::to_string(1 + below(4));
            race.addPilot(s);
        }
        race.doc.faiClass = chance(10);
        race.doc.rotateEvery = race.doc.faiClass ? below(3) : 0;
    }

    void answerAtRandom(AnsweringInteraction& user) {
        user.answers[431] = chance(50) ? Answer::Yes : Answer::No;
        user.answers[415] = chance(70) ? Answer::Yes : Answer::No;
        user.answers[419] = chance(70) ? Answer::Yes : Answer::No;
        user.answers[414] = chance(70) ? Answer::Yes : Answer::No;
    }

private:
    CRandom random_;
};

// Random fields, built and then rebuilt from a later begin round after some heats were
// flown: every written round is sound and every started round stays as it was.
TEST(MatrixProperties, EveryWrittenRoundIsSoundAndStartedRoundsStay) {
    int built = 0, rebuilt = 0;
    for (std::uint32_t seed = 1; seed <= 520; ++seed) {
        SCOPED_TRACE("field seed " + std::to_string(seed));
        RandomField field(seed);
        MatrixRace<AnsweringInteraction> race;
        race.services.workingFolder = "/nonexistent-korva-folder";
        race.clock.set(static_cast<Timestamp>(1'650'000'000 + seed));
        field.fill(race);
        field.answerAtRandom(race.user);
        const int firstEnd = 1 + field.below(kSanitized ? 4 : 7);
        const auto empty = lanePilots(race.matrix(1));
        if (!race.generate(1, firstEnd)) {
            EXPECT_EQ(lanePilots(race.matrix(1)), empty);
            continue;
        }
        ++built;
        ASSERT_EQ(checkRounds(race.doc, 1, 1, firstEnd), "");

        // Fly some heats, change the field a little, and build again after them.
        const int started = field.below(firstEnd);
        for (int r = 0; r < started; ++r) {
            for (auto& heat : race.matrix(1).rounds[static_cast<std::size_t>(r)]->heats) {
                if (r + 1 < started || field.chance(60)) heat->complete = 1;
            }
        }
        if (field.chance(30) && !race.doc.pilots.empty()) {
            race.doc
                .pilots[static_cast<std::size_t>(
                    field.below(static_cast<int>(race.doc.pilots.size())))]
                ->active ^= 1;
            race.doc.raceMatrix.PilotInfoChanged[1] = 1;
        }
        const int begin = started + 1;
        const int end = begin + field.below(kSanitized ? 3 : 5);
        const auto before = lanePilots(race.matrix(1));
        race.clock.advance(60);
        if (!race.generate(1, end, begin)) {
            EXPECT_EQ(lanePilots(race.matrix(1)), before);
            continue;
        }
        ++rebuilt;
        const auto after = lanePilots(race.matrix(1));
        for (int r = 0; r < started; ++r) {
            EXPECT_EQ(after[static_cast<std::size_t>(r)], before[static_cast<std::size_t>(r)])
                << "round " << r + 1;
        }
        ASSERT_EQ(checkRounds(race.doc, 1, begin, end), "");
    }
    EXPECT_GT(built, 400);
    EXPECT_GT(rebuilt, 250);
}

}  // namespace
}  // namespace korva::test

#include "properties/FaiForms.h"

#include "properties/RacePropertiesRules.h"
#include "ui/Messages.h"

namespace korva {

namespace {
constexpr int kMaxRotateEvery = 16;
constexpr int kMaxChannelLimit = 32;
constexpr int kMaxRounds = 64;
constexpr int kLaneColorsEveryRound = 397;
constexpr int kLaneColorsEveryN = 396;
constexpr int kWingFlagsEveryRound = 374;
constexpr int kWingFlagsEveryN = 373;
constexpr int kRotationChanged = 406;
constexpr int kRotateEveryLabel = 70408;
constexpr int kChannelLimitLabel = 70409;
constexpr int kRoundsLabel = 70410;
constexpr int kLowRed = 1;
constexpr int kHighGreen = 2;
constexpr int kHighRed = 3;

bool confirm(Interaction& ui, int id, int every) {
    return every == 1 ? askYesNo(ui, id, Icon::Question, Answer::Yes)
                      : askYesNo(ui, id, Icon::Question, Answer::Yes, every);
}
}  // namespace

std::array<WingFlagPicture, 4> wingFlagPictures(const std::array<int, 4>& flagLanes, int scheme) {
    std::array<WingFlagPicture, 4> pictures{};
    auto place = [&](int colour, WingFlagPicture picture) {
        const int lane = flagLanes[static_cast<std::size_t>(colour)];
        if (lane >= 1 && lane <= 4) pictures[static_cast<std::size_t>(lane - 1)] = picture;
    };
    place(kLowRed, scheme == 0 ? WingFlagPicture::HighBlue : WingFlagPicture::LowRed);
    place(kHighRed, WingFlagPicture::HighRed);
    place(kHighGreen, WingFlagPicture::HighGreen);
    return pictures;
}

FormOutcome checkRotation(Interaction& ui, FaiRotationForm& form, RotationContext& context) {
    if (!checkRange(ui, form.rotateEvery, 0, kMaxRotateEvery, kRotateEveryLabel)) {
        return FormOutcome::retry(FormField::RotateEvery);
    }
    const int every = form.rotateEvery;
    if (every > 0) {
        const bool laneColors = form.rotationKind == 0;
        const int id = laneColors ? (every == 1 ? kLaneColorsEveryRound : kLaneColorsEveryN)
                                  : (every == 1 ? kWingFlagsEveryRound : kWingFlagsEveryN);
        if (!confirm(ui, id, every)) return FormOutcome::retry(FormField::RotateEvery);
    }
    context.regenerate = false;
    if (context.changing && context.anyMatrixed && every != context.storedRotateEvery) {
        if (!askYesNo(ui, kRotationChanged, Icon::Question, Answer::Yes, context.storedRotateEvery,
                      every)) {
            form.rotateEvery = context.storedRotateEvery;
            return FormOutcome::retry(FormField::RotateEvery);
        }
        context.regenerate = true;
    }
    return FormOutcome::accept();
}

FormOutcome checkChannelLimits(Interaction& ui, ChannelLimitForm& form) {
    for (std::size_t b = 0; b < form.limits.size(); ++b) {
        if (form.shown[b] &&
            !checkRange(ui, form.limits[b], 0, kMaxChannelLimit, kChannelLimitLabel)) {
            return FormOutcome::retry(FormField::ChannelLimits);
        }
    }
    return FormOutcome::accept();
}

FormOutcome checkRoundQuantity(Interaction& ui, RoundQuantityForm& form) {
    if (!checkRange(ui, form.rounds, 1, kMaxRounds, kRoundsLabel)) {
        return FormOutcome::retry(FormField::RoundQuantity);
    }
    return FormOutcome::accept();
}

}  // namespace korva

#include "properties/RacePropertiesEditor.h"

#include <algorithm>
#include <set>

#include "properties/FaiForms.h"
#include "race/FileIo.h"
#include "race/KORVARaceDoc.h"
#include "properties/RaceProperties.h"
#include "properties/RacePropertiesRules.h"
#include "race/RaceTextCheck.h"
#include "ui/Messages.h"

namespace korva {

namespace {
constexpr int kLanesDiffer = 336;
constexpr int kNoClass = 148;
constexpr int kMaxAwardPlaces = 10;
constexpr int kMaxSaveReminder = 99;
constexpr int kFlagLaneLabel = 70405;
constexpr int kAwardPlacesLabel = 70406;
constexpr int kSaveReminderLabel = 70407;

// The texts the race file keeps, with the label a refusal names.
struct TypedText {
    std::string RaceProperties::*field;
    int labelId;
    FormField focus;
};

constexpr TypedText kTypedTexts[] = {
    {&RaceProperties::title, str::kRaceTitleLabel, FormField::Title},
    {&RaceProperties::userClassName, str::kOwnClassLabel, FormField::UserClassName},
    {&RaceProperties::printFont, str::kFontLabel, FormField::PrintFont},
    {&RaceProperties::printTitleFont, str::kTitleFontLabel, FormField::PrintTitleFont},
};

bool anyMatrixed(const KORVARaceDoc& race) {
    const auto& m = race.raceMatrix.Matrixed;
    return std::any_of(m.begin(), m.end(), [](int matrixed) { return matrixed != 0; });
}

void changeRace(RacePropertiesHost& host, KORVARaceDoc& race, RaceProperties values,
                bool regenerate) {
    keepRacedClasses(values, race);
    const bool classesChanged = applyProperties(race, values);
    writeBackDefaults(host.services.settings, values);
    host.refreshClassMenus();
    race.setModified(true);
    if (regenerate) host.regenerateFaiMatrix(race);
    host.services.ui.refreshViews(classesChanged);
}
}  // namespace

FormOutcome RacePropertiesCheck::checkFields(RaceProperties& v) {
    Interaction& ui = host_.services.ui;
    for (const TypedText& t : kTypedTexts) {
        if (!checkRaceText(ui, v.*t.field, t.labelId)) return FormOutcome::retry(t.focus);
    }
    for (int lane : v.flagLanes) {
        if (!checkRange(ui, lane, 1, 4, kFlagLaneLabel)) {
            return FormOutcome::retry(FormField::FlagLanes);
        }
    }
    if (!checkRange(ui, v.awardPlaces, 0, kMaxAwardPlaces, kAwardPlacesLabel)) {
        return FormOutcome::retry(FormField::AwardPlaces);
    }
    if (!checkRange(ui, v.saveReminder, 0, kMaxSaveReminder, kSaveReminderLabel)) {
        return FormOutcome::retry(FormField::SaveReminder);
    }
    if (std::set<int>(v.flagLanes.begin(), v.flagLanes.end()).size() != v.flagLanes.size()) {
        showWarning(ui, kLanesDiffer);
        return FormOutcome::retry(FormField::FlagLanes);
    }
    if (!anyClassTicked(v)) {
        showWarning(ui, kNoClass);
        return FormOutcome::retry(FormField::Classes);
    }
    return FormOutcome::accept();
}

FormOutcome RacePropertiesCheck::checkFileName(const RaceProperties& v) {
    Interaction& ui = host_.services.ui;
    path_ = korva::newRacePath(v.fileName, host_.newRaceFolder);
    if (path_.empty()) {
        showWarning(ui, str::kMustEnter, std::string(text(str::kRaceFileNameField)));
        return FormOutcome::retry(FormField::FileName);
    }
    if (fileExists(path_)) {
        showWarning(ui, str::kFileExists);
        return FormOutcome::retry(FormField::FileName);
    }
    return FormOutcome::accept();
}

bool RacePropertiesCheck::askChannelLimits(RaceProperties& v) {
    Interaction& ui = host_.services.ui;
    const auto limits = host_.forms.channelLimits(
        channelLimitForm(v), [&ui](ChannelLimitForm& f) { return checkChannelLimits(ui, f); });
    if (!limits) return false;
    v.channelLimits = limits->limits;
    return true;
}

bool RacePropertiesCheck::askFaiForms(RaceProperties& v) {
    const auto colors = host_.forms.faiColors(FaiColorsForm{v.wingFlagSet, v.flagLanes});
    if (!colors) return false;
    v.wingFlagSet = colors->wingFlagSet;

    RotationContext context;
    context.changing = !creating_ && host_.race != nullptr;
    if (context.changing) {
        context.anyMatrixed = anyMatrixed(*host_.race);
        context.storedRotateEvery = host_.race->rotateEvery;
    }
    Interaction& ui = host_.services.ui;
    const auto rotation =
        host_.forms.faiRotation(FaiRotationForm{v.rotateEvery, v.rotationKind},
                                [&](FaiRotationForm& f) { return checkRotation(ui, f, context); });
    if (!rotation) return false;
    v.rotateEvery = rotation->rotateEvery;
    v.rotationKind = rotation->rotationKind;
    regenerate_ = context.regenerate;
    return true;
}

bool RacePropertiesCheck::createRace(const RaceProperties& v) {
    // The new race exists only once its file does; until then the open race stays.
    auto race = std::make_unique<KORVARaceDoc>(host_.services);
    applyProperties(*race, v);
    if (!race->saveDocument(path_)) return false;
    created_ = std::move(race);
    return true;
}

std::unique_ptr<KORVARaceDoc> RacePropertiesCheck::takeNewRace() {
    return std::move(created_);
}

FormOutcome RacePropertiesCheck::operator()(RaceProperties& v) {
    regenerate_ = false;
    if (FormOutcome out = checkFields(v); !out.accepted) return out;
    if (creating_) {
        if (FormOutcome out = checkFileName(v); !out.accepted) return out;
    }
    if (v.limitChannels && !askChannelLimits(v))
        return FormOutcome::retry(FormField::LimitChannels);
    if (v.faiClass && !askFaiForms(v)) return FormOutcome::retry(FormField::None);
    if (creating_ && !createRace(v)) return FormOutcome::retry(FormField::FileName);
    return FormOutcome::accept();
}

bool editRaceProperties(RacePropertiesHost& host, bool creating) {
    KORVARaceDoc* race = creating ? nullptr : host.race;
    if (!creating && race == nullptr) return false;
    const RaceProperties shown =
        creating ? propertiesFromDefaults(host.services.settings) : propertiesOf(*race);
    RacePropertiesCheck check(host, creating);
    RacePropertiesSetup setup = propertiesSetup(race);
    setup.folder = host.newRaceFolder;
    const auto values =
        host.forms.raceProperties(setup, shown, [&check](RaceProperties& v) { return check(v); });
    if (!values) return false;
    if (!creating) {
        changeRace(host, *race, *values, check.regenerateFaiMatrix());
        return true;
    }
    writeBackDefaults(host.services.settings, *values);
    host.installRace(check.takeNewRace());
    host.refreshClassMenus();
    host.services.ui.refreshViews(true);
    return true;
}

}  // namespace korva

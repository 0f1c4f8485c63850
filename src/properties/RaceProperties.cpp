#include "properties/RaceProperties.h"

#include <algorithm>

#include "race/KORVARaceDoc.h"
#include "properties/LaneColors.h"
#include "properties/RaceDefaults.h"
#include "race/TextCodec.h"
#include "ui/Strings.h"
#include "ui/TextCase.h"

namespace korva {

using namespace defaults;

namespace {
constexpr const char* kExtension = ".kvr";

// Values the form shows as they are stored: the document's field and the form's.
struct BoolField {
    std::int32_t KORVARaceDoc::*doc;
    bool RaceProperties::*form;
};
struct IntField {
    std::int32_t KORVARaceDoc::*doc;
    int RaceProperties::*form;
};
struct TextField {
    std::string KORVARaceDoc::*doc;
    std::string RaceProperties::*form;
};

constexpr BoolField kBoolFields[] = {
    {&KORVARaceDoc::class424Ama, &RaceProperties::class424Ama},
    {&KORVARaceDoc::class424Apra, &RaceProperties::class424Apra},
    {&KORVARaceDoc::class426, &RaceProperties::class426},
    {&KORVARaceDoc::faiClass, &RaceProperties::faiClass},
    {&KORVARaceDoc::userClass, &RaceProperties::userClass},
    {&KORVARaceDoc::staggeredStart, &RaceProperties::staggeredStart},
    {&KORVARaceDoc::fastRegistration, &RaceProperties::fastRegistration},
    {&KORVARaceDoc::maxThreeLanes, &RaceProperties::maxThreeLanes},
    {&KORVARaceDoc::colorPrinting, &RaceProperties::colorPrinting},
    {&KORVARaceDoc::heatCardPageBreak, &RaceProperties::heatCardPageBreak},
    {&KORVARaceDoc::locked424, &RaceProperties::locked424},
    {&KORVARaceDoc::locked426, &RaceProperties::locked426},
    {&KORVARaceDoc::lockedThird, &RaceProperties::lockedThird},
};

constexpr IntField kIntFields[] = {
    {&KORVARaceDoc::matrixType, &RaceProperties::matrixType},
    {&KORVARaceDoc::awardPlaces, &RaceProperties::awardPlaces},
    {&KORVARaceDoc::heatScoring, &RaceProperties::heatScoring},
    {&KORVARaceDoc::resolveTiesByFlyOff, &RaceProperties::resolveTies},
    {&KORVARaceDoc::saveReminder, &RaceProperties::saveReminder},
    {&KORVARaceDoc::printResolution, &RaceProperties::printResolution},
    {&KORVARaceDoc::wingFlagSet, &RaceProperties::wingFlagSet},
    {&KORVARaceDoc::rotateEvery, &RaceProperties::rotateEvery},
    {&KORVARaceDoc::rotationKind, &RaceProperties::rotationKind},
};

const TextField kTextFields[] = {
    {&KORVARaceDoc::raceTitle, &RaceProperties::title},
    {&KORVARaceDoc::userClassName, &RaceProperties::userClassName},
    {&KORVARaceDoc::printFont, &RaceProperties::printFont},
    {&KORVARaceDoc::printTitleFont, &RaceProperties::printTitleFont},
};

bool endsWithExtension(const std::string& name) { return endsWithNoCase(name, kExtension); }
}  // namespace

RaceProperties propertiesFromDefaults(const SettingsStore& s) {
    RaceProperties v;
    v.awardPlaces = readDefault(s, kAwardPlaces);
    v.heatScoring = readDefault(s, kHeatScoring);
    v.resolveTies = readDefault(s, kResolveTies);
    v.saveReminder = readDefault(s, kSaveReminder);
    v.limitChannels = readDefault(s, kLimitChannels) != 0;
    for (std::size_t b = 0; b < 3; ++b) v.channelLimits[b] = readDefault(s, kChannelLimits[b]);
    v.staggeredStart = readDefault(s, kStaggeredStart) != 0;
    v.fastRegistration = readDefault(s, kFastPilotRegister) != 0;
    v.maxThreeLanes = readDefault(s, kLimit3Lanes) != 0;
    v.colorPrinting = readDefault(s, kColorPrinter) != 0;
    v.heatCardLaneColors = v.colorPrinting && readDefault(s, kHeatCardLaneColors) != 0;
    v.heatCardPageBreak = readDefault(s, kHeatCardPageBreak) != 0;
    v.printFont = readDefault(s, kPrintFont);
    v.printTitleFont = readDefault(s, kPrintTitleFont);
    v.printResolution = readDefault(s, kPrintResolution);
    for (std::size_t c = 0; c < 4; ++c) v.flagLanes[c] = readDefault(s, kFlagLanes[c]);
    return v;
}

std::array<int, 4> flagLanesFromCodes(const std::array<std::string, 4>& codes, bool fai) {
    std::array<int, 4> lanes{0, 0, 0, 0};
    const int entries = fai ? 3 : 4;
    for (int p = 1; p <= entries; ++p) {
        const int colour = laneColorIndex(codes[static_cast<std::size_t>(p - 1)]);
        if (colour >= 0) lanes[static_cast<std::size_t>(colour)] = p;
    }
    // A colour named twice leaves its first lane unused: hand such lanes out in order.
    for (int& lane : lanes) {
        if (lane != 0) continue;
        for (int free = 1; free <= 4; ++free) {
            if (std::find(lanes.begin(), lanes.end(), free) == lanes.end()) {
                lane = free;
                break;
            }
        }
    }
    return lanes;
}

RaceProperties propertiesOf(const KORVARaceDoc& doc) {
    RaceProperties v;
    for (const BoolField& f : kBoolFields) v.*f.form = doc.*f.doc != 0;
    for (const IntField& f : kIntFields) v.*f.form = doc.*f.doc;
    for (const TextField& f : kTextFields) v.*f.form = cp1252ToUtf8(doc.*f.doc);
    v.classQ40 = doc.classQ40 || doc.userClass || doc.faiClass;
    v.heatCardLaneColors = v.colorPrinting && doc.heatCardLaneColors != 0;
    v.limitChannels = std::any_of(doc.channelLimit.begin(), doc.channelLimit.end(),
                                  [](int limit) { return limit != 0; });
    std::copy(doc.channelLimit.begin(), doc.channelLimit.end(), v.channelLimits.begin());
    v.flagLanes = flagLanesFromCodes(doc.laneColorCode, doc.faiClass != 0);
    return v;
}

RacePropertiesSetup propertiesSetup(const KORVARaceDoc* race) {
    RacePropertiesSetup s;
    s.creating = race == nullptr;
    s.titlePlaceholder = std::string(text(str::kSomeTitle));
    if (s.creating) {
        s.windowTitle = std::string(text(str::kNewRaceTitle));
        return s;
    }
    s.windowTitle = std::string(text(str::kRacePropertiesTitle));
    s.racedSpecial = race->faiClass || race->userClass;
    s.raced424 = race->class424Ama || race->class424Apra || s.racedSpecial;
    s.raced426 = race->class426 || s.racedSpecial;
    s.racedQ40 = race->classQ40 || s.racedSpecial;
    return s;
}

ChannelLimitForm channelLimitForm(const RaceProperties& v) {
    ChannelLimitForm form;
    form.limits = v.channelLimits;
    form.shown = {v.class424Ama || v.class424Apra, v.class426,
                  v.classQ40 || v.faiClass || v.userClass};
    form.labels[0] = v.class424Apra ? "APRA" : "424";
    form.labels[1] = "426";
    form.labels[2] = v.userClass ? trimmed(v.userClassName) : v.faiClass ? "FAI" : "Q40";
    return form;
}

std::string newRacePath(const std::string& name, const std::string& folder) {
    std::string file = trimmed(name);
    if (file.empty()) return {};
    if (!endsWithExtension(file)) file += kExtension;
    if (file.find('/') != std::string::npos || folder.empty()) return file;
    return folder.back() == '/' ? folder + file : folder + "/" + file;
}

void keepRacedClasses(RaceProperties& v, const KORVARaceDoc& race) {
    if (race.class424Ama || race.class424Apra) {
        v.class424Ama = race.class424Ama != 0;
        v.class424Apra = race.class424Apra != 0;
    }
    v.class426 = v.class426 || race.class426;
    v.classQ40 = v.classQ40 || race.classQ40;
    v.faiClass = race.faiClass != 0;
    v.userClass = race.userClass != 0;
}

bool applyProperties(KORVARaceDoc& doc, const RaceProperties& v) {
    const bool classesChanged = doc.class424Ama != v.class424Ama ||
                                doc.class424Apra != v.class424Apra || doc.class426 != v.class426 ||
                                doc.classQ40 != (v.classQ40 || v.userClass);
    for (std::size_t b = 0; b < 3; ++b) {
        doc.channelLimit[b] = v.limitChannels ? v.channelLimits[b] : 0;
    }
    for (const BoolField& f : kBoolFields) doc.*f.doc = v.*f.form ? 1 : 0;
    for (const IntField& f : kIntFields) doc.*f.doc = v.*f.form;
    for (const TextField& f : kTextFields) doc.*f.doc = utf8ToCp1252(trimmed(v.*f.form));
    doc.classQ40 = v.classQ40 || v.userClass;
    doc.heatCardLaneColors = v.colorPrinting && v.heatCardLaneColors;
    doc.maxLanes = {4, 4, 4};
    doc.minLanes = {3, 3, 3};
    doc.selectMenus();

    const bool blue = v.faiClass && v.wingFlagSet == 0;
    for (int c = 0; c < 4; ++c) {
        const int lane = v.flagLanes[static_cast<std::size_t>(c)];
        if (lane >= 1 && lane <= 4) {
            doc.laneColorCode[static_cast<std::size_t>(lane - 1)] = laneColorCode(c, blue);
        }
    }
    return classesChanged;
}

void writeBackDefaults(SettingsStore& s, const RaceProperties& v) {
    writeDefault(s, kLimitChannels, v.limitChannels ? 1 : 0);
    for (std::size_t b = 0; b < 3; ++b) writeDefault(s, kChannelLimits[b], v.channelLimits[b]);
    if (!v.faiClass) {
        writeDefault(s, kLimit3Lanes, v.maxThreeLanes ? 1 : 0);
        writeDefault(s, kStaggeredStart, v.staggeredStart ? 1 : 0);
        for (std::size_t c = 0; c < 4; ++c) writeDefault(s, kFlagLanes[c], v.flagLanes[c]);
        writeDefault(s, kHeatScoring, v.heatScoring);
    }
    writeDefault(s, kFastPilotRegister, v.fastRegistration ? 1 : 0);
    writeDefault(s, kResolveTies, v.resolveTies);
    writeDefault(s, kSaveReminder, v.saveReminder);
    writeDefault(s, kColorPrinter, v.colorPrinting ? 1 : 0);
    writeDefault(s, kHeatCardLaneColors, v.heatCardLaneColors ? 1 : 0);
    writeDefault(s, kHeatCardPageBreak, v.heatCardPageBreak ? 1 : 0);
    writeDefault(s, kPrintFont, trimmed(v.printFont));
    writeDefault(s, kPrintTitleFont, trimmed(v.printTitleFont));
    writeDefault(s, kPrintResolution, v.printResolution);
    writeDefault(s, kAwardPlaces, v.awardPlaces);
}

}  // namespace korva

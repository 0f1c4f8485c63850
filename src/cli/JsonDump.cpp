#include "cli/JsonDump.h"

#include "race/TextCodec.h"

namespace korva {

using nlohmann::json;

namespace {
json text(const std::string& s) { return cp1252ToUtf8(s); }

template <typename T, std::size_t N>
json array(const std::array<T, N>& values) {
    json out = json::array();
    for (const auto& v : values) out.push_back(v);
    return out;
}
}  // namespace

json toJson(const KORVAHeatTime& t) {
    return {{"minutes", t.minutes},
            {"seconds", t.seconds},
            {"hundredths", t.hundredths},
            {"totalHundredths", t.totalHundredths},
            {"recordVersion", t.recordVersion},
            {"text", t.text()}};
}

json toJson(const KORVAPilot& p) {
    json planes = json::array();
    for (auto n : p.planeNumbers) planes.push_back(n);
    return {{"pilotNumber", p.pilotNumber},
            {"active", p.active},
            {"planeCount", p.planeCount},
            {"paid", p.paid},
            {"signedWaiver", p.signedWaiver},
            {"classIndex", p.classIndex},
            {"bracket", p.bracket},
            {"lastName", text(p.lastName)},
            {"firstName", text(p.firstName)},
            {"middleInitial", text(p.middleInitial)},
            {"city", text(p.city)},
            {"state", text(p.state)},
            {"postalCode", text(p.postalCode)},
            {"address", text(p.address)},
            {"extra1", text(p.extra1)},
            {"extra2", text(p.extra2)},
            {"associationNumber", text(p.associationNumber)},
            {"pilotId", text(p.pilotId)},
            {"channel", p.channel},
            {"reservedA", p.reservedA},
            {"reservedB", p.reservedB},
            {"classChangedAt", p.classChangedAt},
            {"planeNumbers", planes},
            {"phoneDay", text(p.phoneDay)},
            {"phoneNight", text(p.phoneNight)},
            {"phoneCell", text(p.phoneCell)},
            {"email", text(p.email)},
            {"pager", text(p.pager)},
            {"category", text(p.category)},
            {"dqFlag", p.dqFlag},
            {"lane1Affinity", p.lane1Affinity},
            {"versionText", text(p.versionText)},
            {"buddy", p.buddy},
            {"recordVersion", p.recordVersion},
            {"modifiedAt", p.modifiedAt},
            {"flyOffPoints", p.flyOffPoints},
            {"flyOffCuts", p.flyOffCuts},
            {"flyOffTime", toJson(p.flyOffTime)}};
}

json toJson(const KORVAPlane& p) {
    return {{"backup", p.backup},
            {"safetyChecked", p.safetyChecked},
            {"pilotNumber", p.pilotNumber},
            {"planeNumber", p.planeNumber},
            {"type", text(p.type)},
            {"mainColor", text(p.mainColor)},
            {"engine", text(p.engine)},
            {"recordVersion", p.recordVersion}};
}

json toJson(const KORVAHeat& h) {
    json lanes = json::array();
    for (std::size_t l = 0; l < KORVAHeat::kLanes; ++l) {
        lanes.push_back({{"lanePilot", h.lanePilot[l]},
                         {"laneTime", toJson(h.laneTime[l])},
                         {"laneCuts", h.laneCuts[l]},
                         {"lanePoints", h.lanePoints[l]},
                         {"laneFinish", h.laneFinish[l]},
                         {"laneStarted", h.laneStarted[l]},
                         {"laneFinished", h.laneFinished[l]},
                         {"laneExtra", h.laneExtra[l]}});
    }
    return {{"heatNumber", h.heatNumber}, {"heatExtra", h.heatExtra},
            {"complete", h.complete},     {"recordVersion", h.recordVersion},
            {"modifiedAt", h.modifiedAt}, {"lanes", lanes}};
}

json toJson(const KORVARound& r) {
    json heats = json::array();
    for (const auto& h : r.heats) heats.push_back(toJson(*h));
    return {{"heatCount", r.heatCount},     {"roundValue1", r.roundValue1},
            {"roundValue2", r.roundValue2}, {"roundValue3", r.roundValue3},
            {"roundValue4", r.roundValue4}, {"roundValue5", r.roundValue5},
            {"recordVersion", r.recordVersion}, {"heats", heats}};
}

json toJson(const KORVAMatrix& m) {
    json rounds = json::array();
    for (const auto& r : m.rounds) rounds.push_back(toJson(*r));
    return {{"ClassCode", m.ClassCode},
            {"LaneQuan", m.LaneQuan},
            {"RoundCount", m.RoundCount},
            {"MatrixTime", array(m.MatrixTime)},
            {"furtherWords", array(m.furtherWords)},
            {"Version", m.Version},
            {"rounds", rounds}};
}

json toJson(const KORVARaceDoc& d, const std::string& raceFileName) {
    const KORVARaceMatrix& rm = d.raceMatrix;
    json brackets = json::array();
    for (std::size_t b = 0; b < kBracketCount; ++b) {
        json channelUse = json::object();
        for (std::size_t c = 0; c < kChannelCount; ++c) {
            if (rm.ChannelUse[b][c] != 0) channelUse[std::to_string(c)] = rm.ChannelUse[b][c];
        }
        brackets.push_back({{"bracket", b},
                            {"maxLanes", d.maxLanes[b]},
                            {"minLanes", d.minLanes[b]},
                            {"channelLimit", d.channelLimit[b]},
                            {"PilotInfoChanged", rm.PilotInfoChanged[b]},
                            {"Matrixed", rm.Matrixed[b]},
                            {"BracketPilotCount", rm.BracketPilotCount[b]},
                            {"CrowdedChannelCount", rm.CrowdedChannelCount[b]},
                            {"CrowdedChannel", rm.CrowdedChannel[b]},
                            {"Selected", rm.Selected[b]},
                            {"ChannelUse", channelUse},
                            {"matrix", toJson(rm.matrices[b])}});
    }
    json pilots = json::array();
    for (const auto& p : d.pilots) pilots.push_back(toJson(*p));
    json planes = json::array();
    for (const auto& p : d.planes) planes.push_back(toJson(*p));
    json codes = json::array();
    for (const auto& c : d.laneColorCode) codes.push_back(text(c));
    return {{"kind", "race"},
            {"raceTitle", text(d.raceTitle)},
            {"class426", d.class426},
            {"classQ40", d.classQ40},
            {"class424Ama", d.class424Ama},
            {"class424Apra", d.class424Apra},
            {"matrixType", d.matrixType},
            {"menuIds", array(d.menuIds)},
            {"awardPlaces", d.awardPlaces},
            {"printFont", text(d.printFont)},
            {"printTitleFont", text(d.printTitleFont)},
            {"versionText", text(d.versionText)},
            {"heatCardLaneColors", d.heatCardLaneColors},
            {"heatCardPageBreak", d.heatCardPageBreak},
            {"wingFlagSet", d.wingFlagSet},
            {"rotationKind", d.rotationKind},
            {"locked424", d.locked424},
            {"locked426", d.locked426},
            {"lockedThird", d.lockedThird},
            {"showInactive", d.showInactive},
            {"timingFileWanted", d.timingFileWanted},
            {"raceFileName", text(raceFileName)},
            {"formatMarker", d.formatMarker},
            {"staggeredStart", d.staggeredStart},
            {"fastRegistration", d.fastRegistration},
            {"printResolution", d.printResolution},
            {"colorPrinting", d.colorPrinting},
            {"pilotCardsPrintedAt", d.pilotCardsPrintedAt},
            {"reservedC", d.reservedC},
            {"totalTies", d.totalTies},
            {"resolveTiesByFlyOff", d.resolveTiesByFlyOff},
            {"raceFinished", d.raceFinished},
            {"heatScoring", d.heatScoring},
            {"saveReminder", d.saveReminder},
            {"maxThreeLanes", d.maxThreeLanes},
            {"userClass", d.userClass},
            {"userClassName", text(d.userClassName)},
            {"faiClass", d.faiClass},
            {"laneColorCode", codes},
            {"rotateEvery", d.rotateEvery},
            {"channelSortOrder", d.channelSortOrder},
            {"cardPrintCounter", d.cardPrintCounter},
            {"pilots", pilots},
            {"planes", planes},
            {"brackets", brackets},
            {"RoundQuan", rm.RoundQuan},
            {"MaxHeatsPerRound", rm.MaxHeatsPerRound},
            {"IncludeNoWaiver", rm.IncludeNoWaiver},
            {"IncludeUnpaid", rm.IncludeUnpaid},
            {"AnyBracketFilled", rm.AnyBracketFilled},
            {"furtherWord", rm.furtherWord},
            {"raceMatrixVersion", rm.Version}};
}

json toJson(const PilotArray& masterPilots) {
    json pilots = json::array();
    for (const auto& p : masterPilots) pilots.push_back(toJson(*p));
    return {{"kind", "pilots"}, {"pilots", pilots}};
}

}  // namespace korva

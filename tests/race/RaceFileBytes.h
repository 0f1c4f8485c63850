#pragma once
// Race file bytes of every layout, assembled from the primitive encodings.

#include <array>
#include <string>

#include "race/KORVARaceDoc.h"
#include "support/ByteBuilder.h"

namespace korva::test {

// The pilot record layouts: current, version text below 118, and the oldest (version 0).
enum class PilotLayout { Current, Before118, Oldest };

void heatTimeBytes(ByteBuilder& b, const KORVAHeatTime& t, bool oldest = false);
void pilotBytes(ByteBuilder& b, const KORVAPilot& p, PilotLayout layout = PilotLayout::Current,
                const std::string& dq = "", const std::string& lane1 = "");
void planeBytes(ByteBuilder& b, const KORVAPlane& p, bool oldest = false);
void heatBytes(ByteBuilder& b, const KORVAHeat& h, bool oldest = false);
// The round record without its heat list.
void roundHeadBytes(ByteBuilder& b, const KORVARound& r, bool oldest = false);

// Header fields of a race file written at a given version text; `oldestMarker` writes
// formatMarker 0 with the oldest block of skipped values instead of steps 12 to 17.
struct HeaderSpec {
    std::string title = "Old Race";
    int version = 120;
    bool oldestMarker = false;
    std::string raceFileName = "old.kvr";
    std::array<int, 3> channelLimit{3, 2, 0};
    int raceFinished = 1;
    int heatScoring = 2;
    int saveReminder = 5;
    int maxThreeLanes = 1;
    int userClass = 1;
    std::string userClassName = "Pylon";
    int faiClass = 1;
    std::array<std::string, 4> laneColors{"HR", "HG", "HB", "LG"};
    int rotateEvery = 2;
    int channelSortOrder = 1;
    int cardPrintCounter = 9;
};
void headerBytes(ByteBuilder& b, const HeaderSpec& h);

// The bracket-matrix section with three empty matrices; `channelEntries` per table.
void emptyMatrixSectionBytes(ByteBuilder& b, int channelEntries, bool oldestRaceMatrix = false,
                             bool oldestMatrices = false);

}  // namespace korva::test

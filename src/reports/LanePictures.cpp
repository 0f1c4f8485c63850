#include "reports/LanePictures.h"

#include "race/KORVARaceDoc.h"
#include "reports/PrintForms.h"
#include "reports/ReportPictureNames.h"
#include "reports/html/EscapeHtml.h"

namespace korva {

namespace {
constexpr int kRotatingSlots = 3;
constexpr int kLaneColorRotation = 0;  // rotationKind: 0 lane colours, 1 wing flags

// Codes come from the race file; escaped, none can break out of the picture's attribute.
std::string picture(const std::string& name) {
    return pictureUrl(escapeHtml(name));
}
}  // namespace

int printedLanes(const KORVARaceDoc& doc) {
    return doc.faiClass != 0 ? 3 : 4;
}

bool rotatesLaneColors(const KORVARaceDoc& doc) {
    return doc.faiClass != 0 && doc.rotateEvery > 0 && doc.rotationKind == kLaneColorRotation;
}

int startGroupPeriod(const KORVARaceDoc& doc) {
    return doc.faiClass != 0 ? doc.rotateEvery : 0;
}

std::string laneColorCodeAt(const KORVARaceDoc& doc, int slot, int roundIndex) {
    int entry = slot;
    if (rotatesLaneColors(doc)) {
        entry = (slot + (roundIndex / doc.rotateEvery) % kRotatingSlots) % kRotatingSlots;
    }
    if (entry < 0 || entry >= static_cast<int>(doc.laneColorCode.size())) return {};
    return doc.laneColorCode[static_cast<std::size_t>(entry)];
}

std::string heatCardLanePicture(const KORVARaceDoc& doc, int lane, int roundIndex) {
    return picture(laneCellPictureName(lane + 1, laneColorCodeAt(doc, lane, roundIndex)));
}

std::string wingFlagPicture(const KORVARaceDoc& doc, int lane, WingFlags flags, bool color) {
    return picture(
        wingFlagPictureName(laneColorCodeAt(doc, lane, 0), flags == WingFlags::NoseLeft, color));
}

std::string colorChangePicture(const KORVARaceDoc& doc, int lane, int roundIndex, WingFlags flags) {
    return picture(laneChangePictureName(laneColorCodeAt(doc, lane, roundIndex),
                                         flags == WingFlags::NoseLeft));
}

}  // namespace korva

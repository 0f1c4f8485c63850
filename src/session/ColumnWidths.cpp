#include "session/ColumnWidths.h"

#include <limits>

namespace korva {

namespace {
constexpr const char* kViews = "Views";
constexpr int kMaxPilotWidth = 200;
constexpr int kNotStored = std::numeric_limits<int>::min();
}  // namespace

const std::vector<ColumnWidthKey>& pilotColumnWidths() {
    static const std::vector<ColumnWidthKey> keys{
        {"PilotsNameWidth", 120},  {"PilotsNumberWidth", 30},  {"PilotsClassWidth", 60},
        {"PilotsPointsWidth", 45}, {"PilotsLowTimeWidth", 60}, {"PilotsChanWidth", 45},
        {"PilotsLaneWidth", 40},   {"PilotsKorvaWidth", 60}};
    return keys;
}

const std::vector<ColumnWidthKey>& planeColumnWidths() {
    static const std::vector<ColumnWidthKey> keys{
        {"PlanesNameWidth", 120}, {"PlanesNumberWidth", 40}, {"PlanesClassWidth", 60},
        {"PlanesColorWidth", 50}, {"PlanesDescWidth", 100},  {"PlanesEngineWidth", 60}};
    return keys;
}

const std::vector<ColumnWidthKey>& heatColumnWidths(bool cardLayout) {
    static const std::vector<ColumnWidthKey> cards{
        {"HeatsCardIDWidth", 90},     {"HeatsCardAbsWidth", 40},    {"HeatsCardLane1Width", 350},
        {"HeatsCardLane2Width", 350}, {"HeatsCardLane3Width", 350}, {"HeatsCardLane4Width", 350}};
    static const std::vector<ColumnWidthKey> sheets{
        {"HeatsSheetIDWidth", 90},    {"HeatsSheetAbsWidth", 40},   {"HeatsSheetLane1Width", 90},
        {"HeatsSheetLane2Width", 90}, {"HeatsSheetLane3Width", 90}, {"HeatsSheetLane4Width", 90}};
    return cardLayout ? cards : sheets;
}

int readPilotColumnWidth(const SettingsStore& s, const ColumnWidthKey& column) {
    const int width = readColumnWidth(s, column);
    return width >= 1 && width <= kMaxPilotWidth ? width : column.width;
}

int readColumnWidth(const SettingsStore& s, const ColumnWidthKey& column) {
    return storedColumnWidth(s, column).value_or(column.width);
}

std::optional<int> storedColumnWidth(const SettingsStore& s, const ColumnWidthKey& column) {
    const int width = s.getInt(kViews, column.key, kNotStored);
    if (width == kNotStored) return std::nullopt;
    return width;
}

void storeColumnWidth(SettingsStore& s, const ColumnWidthKey& column, int width) {
    s.setInt(kViews, column.key, width);
}

}  // namespace korva

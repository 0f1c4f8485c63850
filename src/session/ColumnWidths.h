#pragma once
// Stored column widths of the pilot, plane and heat lists ("Views").

#include <optional>
#include <string>
#include <vector>

#include "ui/SettingsStore.h"

namespace korva {

struct ColumnWidthKey {
    const char* key;
    int width;  // default
};

const std::vector<ColumnWidthKey>& pilotColumnWidths();
const std::vector<ColumnWidthKey>& planeColumnWidths();
// Heat list columns of the card (results) or sheet (lanes) layout.
const std::vector<ColumnWidthKey>& heatColumnWidths(bool cardLayout);

// A pilot list width outside 1..200 falls back to its default.
int readPilotColumnWidth(const SettingsStore& settings, const ColumnWidthKey& column);
// Plane and heat list widths are taken as stored.
int readColumnWidth(const SettingsStore& settings, const ColumnWidthKey& column);
// The stored width; nothing when the user never set one.
std::optional<int> storedColumnWidth(const SettingsStore& settings, const ColumnWidthKey& column);
void storeColumnWidth(SettingsStore& settings, const ColumnWidthKey& column, int width);

}  // namespace korva

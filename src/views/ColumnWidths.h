#pragma once
// Column widths of the list windows, kept in the settings section "Views".

#include <string>

namespace korva {

class SettingsStore;

struct ColumnWidthKey {
    const char* key;
    int defaultWidth;
};

// The stored width; one outside 1..200 is replaced by the default.
int storedColumnWidth(const SettingsStore& settings, const ColumnWidthKey& column);
void storeColumnWidth(SettingsStore& settings, const ColumnWidthKey& column, int width);

}  // namespace korva

#include "views/ColumnWidths.h"

#include "ui/SettingsStore.h"

namespace korva {

namespace {
constexpr const char* kSection = "Views";
constexpr int kNarrowest = 1;
constexpr int kWidest = 200;
}  // namespace

int storedColumnWidth(const SettingsStore& settings, const ColumnWidthKey& column) {
    const int width = settings.getInt(kSection, column.key, column.defaultWidth);
    return width < kNarrowest || width > kWidest ? column.defaultWidth : width;
}

void storeColumnWidth(SettingsStore& settings, const ColumnWidthKey& column, int width) {
    settings.setInt(kSection, column.key, width);
}

}  // namespace korva

#pragma once
// The list of the last race files opened, newest first, kept in the settings store.

#include <string>
#include <vector>

#include "ui/SettingsStore.h"

namespace korva {

class RecentFiles {
public:
    static constexpr int kSize = 4;

    void load(const SettingsStore& settings);
    void save(SettingsStore& settings) const;
    // Puts a file at the front; an entry already listed moves there.
    void add(const std::string& path);
    void remove(const std::string& path);
    const std::vector<std::string>& files() const { return files_; }

private:
    std::vector<std::string> files_;
};

}  // namespace korva

#include "ui/SettingsStore.h"

namespace korva {

int MemorySettingsStore::getInt(const std::string& section, const std::string& key,
                                int def) const {
    auto it = ints_.find({section, key});
    return it == ints_.end() ? def : it->second;
}

void MemorySettingsStore::setInt(const std::string& section, const std::string& key, int value) {
    ints_[{section, key}] = value;
}

std::string MemorySettingsStore::getString(const std::string& section, const std::string& key,
                                           const std::string& def) const {
    auto it = strings_.find({section, key});
    return it == strings_.end() ? def : it->second;
}

void MemorySettingsStore::setString(const std::string& section, const std::string& key,
                                    const std::string& value) {
    strings_[{section, key}] = value;
}

bool MemorySettingsStore::contains(const std::string& section, const std::string& key) const {
    return ints_.count({section, key}) != 0 || strings_.count({section, key}) != 0;
}

}  // namespace korva

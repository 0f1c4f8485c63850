#include "session/RecentFiles.h"

#include <algorithm>

namespace korva {

namespace {
constexpr const char* kSection = "Recent File List";

std::string keyOf(int i) {
    return "File" + std::to_string(i + 1);
}
}  // namespace

void RecentFiles::load(const SettingsStore& s) {
    files_.clear();
    for (int i = 0; i < kSize; ++i) {
        const std::string path = s.getString(kSection, keyOf(i), "");
        if (!path.empty() && std::find(files_.begin(), files_.end(), path) == files_.end()) {
            files_.push_back(path);
        }
    }
}

void RecentFiles::save(SettingsStore& s) const {
    for (int i = 0; i < kSize; ++i) {
        const auto index = static_cast<std::size_t>(i);
        s.setString(kSection, keyOf(i), index < files_.size() ? files_[index] : "");
    }
}

void RecentFiles::add(const std::string& path) {
    remove(path);
    files_.insert(files_.begin(), path);
    if (files_.size() > static_cast<std::size_t>(kSize)) files_.resize(kSize);
}

void RecentFiles::remove(const std::string& path) {
    files_.erase(std::remove(files_.begin(), files_.end(), path), files_.end());
}

}  // namespace korva

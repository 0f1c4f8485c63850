#pragma once
// Per-user settings by section and key; a missing value reads as the default given.

#include <map>
#include <string>
#include <utility>

namespace korva {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual int getInt(const std::string& section, const std::string& key, int def) const = 0;
    virtual void setInt(const std::string& section, const std::string& key, int value) = 0;
    virtual std::string getString(const std::string& section, const std::string& key,
                                  const std::string& def) const = 0;
    virtual void setString(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
};

// Settings held in memory: for tests and for the command-line tool.
class MemorySettingsStore final : public SettingsStore {
public:
    int getInt(const std::string& section, const std::string& key, int def) const override;
    void setInt(const std::string& section, const std::string& key, int value) override;
    std::string getString(const std::string& section, const std::string& key,
                          const std::string& def) const override;
    void setString(const std::string& section, const std::string& key,
                   const std::string& value) override;
    bool contains(const std::string& section, const std::string& key) const;

private:
    using Key = std::pair<std::string, std::string>;
    std::map<Key, int> ints_;
    std::map<Key, std::string> strings_;
};

}  // namespace korva

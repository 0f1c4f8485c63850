#pragma once
// The settings store of the program: QSettings of "Zelbrook" / "KORVARace", one group per
// section.

#include <QSettings>

#include "ui/SettingsStore.h"

namespace korva {

class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    // A store in a given file; for tests.
    explicit QtSettingsStore(const QString& iniFile);

    int getInt(const std::string& section, const std::string& key, int def) const override;
    void setInt(const std::string& section, const std::string& key, int value) override;
    std::string getString(const std::string& section, const std::string& key,
                          const std::string& def) const override;
    void setString(const std::string& section, const std::string& key,
                   const std::string& value) override;
    void sync() { settings_.sync(); }

private:
    mutable QSettings settings_;
};

}  // namespace korva

#include "app/QtSettingsStore.h"

namespace korva {

namespace {
QString keyOf(const std::string& section, const std::string& key) {
    // A slash would open a subgroup; the store's keys never hold one, but names may.
    QString k = QString::fromStdString(key);
    k.replace('/', '\\');
    return QString::fromStdString(section) + '/' + k;
}
}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Zelbrook"),
                QStringLiteral("KORVARace")) {}

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : settings_(iniFile, QSettings::IniFormat) {}

int QtSettingsStore::getInt(const std::string& section, const std::string& key, int def) const {
    // A value that is not a number (a damaged file) reads as missing.
    bool ok = false;
    const int v = settings_.value(keyOf(section, key)).toInt(&ok);
    return ok ? v : def;
}

void QtSettingsStore::setInt(const std::string& section, const std::string& key, int value) {
    settings_.setValue(keyOf(section, key), value);
}

std::string QtSettingsStore::getString(const std::string& section, const std::string& key,
                                       const std::string& def) const {
    const QVariant v = settings_.value(keyOf(section, key));
    return v.isValid() ? v.toString().toStdString() : def;
}

void QtSettingsStore::setString(const std::string& section, const std::string& key,
                                const std::string& value) {
    settings_.setValue(keyOf(section, key), QString::fromStdString(value));
}

}  // namespace korva

#pragma once
// Conversions between the race's single-byte text and Qt's strings.

#include <QString>
#include <string>

#include "race/TextCodec.h"

namespace korva {

inline QString toQt(const std::string& s) {
    return QString::fromStdString(cp1252ToUtf8(s));
}
inline std::string fromQt(const QString& s) {
    return utf8ToCp1252(s.toStdString());
}

// Texts of forms, paths and messages marked UTF-8 are kept as typed: the core checks form
// texts before they become race text, so nothing is replaced by "?" on the way.
inline QString typedToQt(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string typedFromQt(const QString& s) {
    return s.toStdString();
}

}  // namespace korva

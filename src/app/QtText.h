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

}  // namespace korva

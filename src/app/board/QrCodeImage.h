#pragma once
// A QR code as a picture, for addresses a phone should open.

#include <QImage>
#include <QString>

namespace korva {

// Black modules of `moduleSize` pixels on white with the four-module quiet zone scanners
// need; a null image when the text cannot be encoded.
QImage qrCodeImage(const QString& text, int moduleSize);

}  // namespace korva

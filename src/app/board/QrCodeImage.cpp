#include "app/board/QrCodeImage.h"

#include <qrencode.h>

#include <QPainter>
#include <memory>

namespace korva {

namespace {
constexpr int kQuietZone = 4;
}

QImage qrCodeImage(const QString& text, int moduleSize) {
    if (text.isEmpty() || moduleSize < 1) return {};
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(utf8.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code) return {};
    const int width = code->width;
    const int side = (width + 2 * kQuietZone) * moduleSize;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < width; ++y) {
        for (int x = 0; x < width; ++x) {
            // The low bit of each module is its colour; the others say what it is for.
            if (code->data[y * width + x] & 1) {
                painter.fillRect((x + kQuietZone) * moduleSize, (y + kQuietZone) * moduleSize,
                                 moduleSize, moduleSize, Qt::black);
            }
        }
    }
    return image;
}

}  // namespace korva

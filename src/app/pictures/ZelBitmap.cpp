#include "app/pictures/ZelBitmap.h"

#include <QPainter>

namespace korva {

ZelBitmap::ZelBitmap(const QImage& image, QRgb transparent) {
    QImage cut = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < cut.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(cut.scanLine(y));
        for (int x = 0; x < cut.width(); ++x) {
            if ((line[x] & 0xffffff) == (transparent & 0xffffff)) line[x] = 0;
        }
    }
    pixmap_ = QPixmap::fromImage(cut);
}

void ZelBitmap::draw(QPainter& painter, int x, int y) const {
    painter.drawPixmap(x, y, pixmap_);
}

}  // namespace korva

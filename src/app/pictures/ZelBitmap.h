#pragma once
// A picture drawn with one colour left out, the way the animation and icons want it.

#include <QImage>
#include <QPixmap>

class QPainter;

namespace korva {

class ZelBitmap {
public:
    ZelBitmap() = default;
    ZelBitmap(const QImage& image, QRgb transparent);

    void draw(QPainter& painter, int x, int y) const;
    int width() const { return pixmap_.width(); }
    int height() const { return pixmap_.height(); }
    bool isNull() const { return pixmap_.isNull(); }

private:
    QPixmap pixmap_;
};

}  // namespace korva

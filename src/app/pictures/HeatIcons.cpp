#include "app/pictures/HeatIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace korva {

namespace {
constexpr int kSize = 64;  // drawn large, shown scaled
}  // namespace

QImage completeHeatImage(int size, const QColor& background) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / double(kSize), size / double(kSize));
    // A dark rim keeps the green disc visible on a selected (blue) row and in bright light.
    p.setPen(QPen(QColor(0, 70, 20), 4));
    p.setBrush(QColor(20, 150, 50));
    p.drawEllipse(QRectF(4, 4, 56, 56));
    QPainterPath tick;
    tick.moveTo(17, 33);
    tick.lineTo(28, 44);
    tick.lineTo(48, 21);
    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    return image;
}

QIcon completeHeatIcon() {
    return QIcon(QPixmap::fromImage(completeHeatImage(kSize, Qt::transparent)));
}

}  // namespace korva

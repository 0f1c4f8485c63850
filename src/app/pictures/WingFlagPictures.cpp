#include "app/pictures/WingFlagPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace korva {

namespace {
const QColor kGreen(0, 155, 60);
const QColor kRed(215, 30, 30);
const QColor kBlue(30, 80, 225);

// A wing seen from behind, with a flag hanging above it (high) or below it (low).
QPixmap flag(const QColor& color, bool high, int height, bool empty = false) {
    const int width = height * 3 / 2;
    QPixmap pm(width, height);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width / 60.0, height / 40.0);
    const QPen ink(QColor(30, 30, 30), 1.5);
    p.setPen(ink);
    p.setBrush(QColor(200, 200, 205));
    QPainterPath wing;
    wing.moveTo(2, 20);
    wing.cubicTo(16, 16, 44, 16, 58, 20);
    wing.cubicTo(44, 23, 16, 23, 2, 20);
    p.drawPath(wing);
    if (empty) return pm;
    p.setBrush(color);
    const double top = high ? 3 : 22;
    QPainterPath f;
    f.moveTo(40, top);
    f.lineTo(56, top + 3);
    f.lineTo(56, top + 14);
    f.lineTo(40, top + 11);
    f.closeSubpath();
    p.drawPath(f);
    p.drawLine(QPointF(40, high ? top + 11 : top), QPointF(40, 20));
    return pm;
}
}  // namespace

QPixmap laneColorFlag(int colour, bool blue, int height) {
    switch (colour) {
        case 0: return flag(kGreen, false, height);
        case 1: return blue ? flag(kBlue, true, height) : flag(kRed, false, height);
        case 2: return flag(kGreen, true, height);
        case 3: return flag(kRed, true, height);
        default: return flag(Qt::gray, true, height, true);
    }
}

QPixmap wingFlagPicture(WingFlagPicture picture, int height) {
    switch (picture) {
        case WingFlagPicture::HighGreen: return laneColorFlag(2, false, height);
        case WingFlagPicture::LowRed: return laneColorFlag(1, false, height);
        case WingFlagPicture::HighRed: return laneColorFlag(3, false, height);
        case WingFlagPicture::HighBlue: return laneColorFlag(1, true, height);
        case WingFlagPicture::None: break;
    }
    return flag(Qt::gray, true, height, true);
}

}  // namespace korva

#include "app/pictures/WingFlagPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <functional>

#include "properties/LaneColors.h"
#include "ui/TextCase.h"

namespace korva {

namespace {
const QColor kGreen(0, 155, 60);
const QColor kRed(215, 30, 30);
const QColor kBlue(30, 80, 225);
const QColor kInk(30, 30, 30);

// A colour index with its flag position; the blue flag sits high.
struct LaneLook {
    int index = -1;
    bool blue = false;
    bool high() const { return index >= 2 || blue; }
};

LaneLook lookOf(std::string_view code) {
    return {laneColorIndex(code), equalsNoCase(code, laneColorCode(1, true))};
}

QColor colorOf(const LaneLook& look) {
    if (look.blue) return kBlue;
    switch (look.index) {
        case 0:
        case 2: return kGreen;
        case 1:
        case 3: return kRed;
        default: return Qt::gray;
    }
}

// Parallel lines across `area`, in the painter's units, both ways when `cross`.
void hatch(QPainter& p, const QPainterPath& area, bool cross) {
    const QRectF r = area.boundingRect();
    const double span = r.width() + r.height();
    p.save();
    p.setClipPath(area, Qt::IntersectClip);
    p.setPen(QPen(Qt::black, std::max(1.0, span / 45)));
    const double step = std::max(3.0, span / 14);
    for (double d = 0; d <= span; d += step) {
        p.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d - r.height(), r.top()));
        if (cross) {
            p.drawLine(QPointF(r.left() + d - r.height(), r.bottom()),
                       QPointF(r.left() + d, r.top()));
        }
    }
    p.restore();
}

// A wing seen from behind on a 60 x 40 grid, with a flag hanging above it (high) or below it
// (low); no flag for an unknown colour.
void paintFlag(QPainter& p, const QRectF& box, const LaneLook& look,
               const std::function<void(const QPainterPath&)>& fill) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.topLeft());
    p.scale(box.width() / 60.0, box.height() / 40.0);
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(200, 200, 205));
    QPainterPath wing;
    wing.moveTo(2, 20);
    wing.cubicTo(16, 16, 44, 16, 58, 20);
    wing.cubicTo(44, 23, 16, 23, 2, 20);
    p.drawPath(wing);
    if (look.index >= 0) {
        const double top = look.high() ? 3 : 22;
        QPainterPath f;
        f.moveTo(40, top);
        f.lineTo(56, top + 3);
        f.lineTo(56, top + 14);
        f.lineTo(40, top + 11);
        f.closeSubpath();
        fill(f);
        p.setBrush(Qt::NoBrush);
        p.drawPath(f);
        p.drawLine(QPointF(40, look.high() ? top + 11 : top), QPointF(40, 20));
    }
    p.restore();
}

QPixmap flag(const LaneLook& look, int height) {
    const int width = height * 3 / 2;
    QPixmap pm(width, height);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    paintFlag(p, QRectF(0, 0, width, height), look,
              [&p, color = colorOf(look)](const QPainterPath& f) { p.fillPath(f, color); });
    return pm;
}
}  // namespace

void fillLaneColor(QPainter& p, const QPainterPath& area, std::string_view code, bool color) {
    const LaneLook look = lookOf(code);
    if (color || look.index < 0) {
        p.fillPath(area, colorOf(look));
    } else if (look.blue) {
        p.fillPath(area, Qt::white);
        hatch(p, area, true);
    } else if (look.index == 1 || look.index == 3) {
        p.fillPath(area, Qt::black);
    } else {
        p.fillPath(area, Qt::white);
        hatch(p, area, false);
    }
}

void paintLaneFlag(QPainter& p, const QRectF& box, std::string_view code, bool color) {
    paintFlag(p, box, lookOf(code),
              [&p, code, color](const QPainterPath& f) { fillLaneColor(p, f, code, color); });
}

QPixmap laneColorFlag(int colour, bool blue, int height) {
    return flag(lookOf(laneColorCode(colour, blue)), height);
}

QPixmap wingFlagPicture(WingFlagPicture picture, int height) {
    switch (picture) {
        case WingFlagPicture::HighGreen: return laneColorFlag(2, false, height);
        case WingFlagPicture::LowRed: return laneColorFlag(1, false, height);
        case WingFlagPicture::HighRed: return laneColorFlag(3, false, height);
        case WingFlagPicture::HighBlue: return laneColorFlag(1, true, height);
        case WingFlagPicture::None: break;
    }
    return flag(LaneLook{}, height);
}

}  // namespace korva

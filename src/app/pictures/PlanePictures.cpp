#include "app/pictures/PlanePictures.h"

#include <QPainter>
#include <QPainterPath>

namespace korva {

namespace {
constexpr int kPictureWidth = 156;
constexpr int kPictureHeight = 60;

const PlaneLivery kLiveries[2] = {
    {QColor(200, 24, 30), QColor(250, 250, 250), QColor(40, 60, 90)},
    {QColor(20, 70, 180), QColor(255, 205, 0), QColor(30, 30, 30)},
};
}  // namespace

void paintPlane(QPainter& p, const QRectF& box, const PlaneLivery& livery) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 40.0);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(20, 20, 20), 1.2);

    // Fin and rudder at the tail.
    QPainterPath fin;
    fin.moveTo(4, 22);
    fin.lineTo(2, 5);
    fin.lineTo(10, 5);
    fin.lineTo(20, 21);
    fin.closeSubpath();
    p.setPen(outline);
    p.setBrush(livery.trim);
    p.drawPath(fin);

    // Slim fuselage tapering to the tail.
    QPainterPath body;
    body.moveTo(2, 22);
    body.cubicTo(20, 16, 55, 14, 82, 16);
    body.cubicTo(90, 17, 94, 20, 95, 23);
    body.cubicTo(94, 26, 90, 28, 82, 29);
    body.cubicTo(55, 30, 20, 28, 2, 25);
    body.closeSubpath();
    p.setBrush(livery.body);
    p.drawPath(body);

    // Racing stripe along the side.
    p.setPen(QPen(livery.trim, 2.2));
    p.drawLine(QPointF(18, 23), QPointF(86, 23));

    // Canopy.
    QPainterPath canopy;
    canopy.moveTo(48, 16);
    canopy.cubicTo(52, 9, 62, 9, 68, 15.5);
    canopy.closeSubpath();
    p.setPen(outline);
    p.setBrush(livery.canopy);
    p.drawPath(canopy);

    // Wing seen edge-on, and the tailplane.
    p.setBrush(livery.trim);
    p.drawRoundedRect(QRectF(44, 25, 26, 4), 2, 2);
    p.drawRoundedRect(QRectF(4, 22, 13, 2.5), 1, 1);

    // Spinner and the propeller disc.
    p.setBrush(livery.trim);
    p.drawEllipse(QRectF(93, 20, 5, 6));
    p.setPen(QPen(QColor(60, 60, 60), 1.6));
    p.drawLine(QPointF(98, 8), QPointF(98, 38));
    p.restore();
}

QPainterPath planeFromAbove() {
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);  // the parts overlap: their union
    shape.addRoundedRect(QRectF(27, 3, 10, 56), 5, 5);
    shape.addPolygon(QPolygonF({QPointF(3, 30), QPointF(29, 20), QPointF(35, 20), QPointF(61, 30),
                                QPointF(61, 37), QPointF(3, 37), QPointF(3, 30)}));
    shape.addPolygon(QPolygonF({QPointF(16, 53), QPointF(29, 47), QPointF(35, 47), QPointF(48, 53),
                                QPointF(48, 58), QPointF(16, 58), QPointF(16, 53)}));
    return shape.simplified();
}

QImage planePicture(int which, bool facingRight) {
    QImage drawn(kPictureWidth, kPictureHeight, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    {
        QPainter p(&drawn);
        paintPlane(p, QRectF(2, 4, kPictureWidth - 4, kPictureHeight - 8), kLiveries[which & 1]);
    }
    // Edges drawn over the green itself would blend into a green fringe once it is cut out.
    QImage image(drawn.size(), QImage::Format_RGB32);
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            to[x] = qAlpha(from[x]) >= 128 ? (from[x] | 0xff000000) : kTransparentGreen;
        }
    }
    return facingRight ? image : image.mirrored(true, false);
}

}  // namespace korva

#include "app/pictures/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "app/AppCommands.h"
#include "app/pictures/PlanePictures.h"

namespace korva {

namespace {
constexpr int kSize = 64;  // drawn large, shown scaled
const QColor kInk(25, 25, 25);

using Drawing = std::function<void(QPainter&)>;

QIcon drawn(const Drawing& draw) {
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(p);
    return QIcon(pm);
}

void chequered(QPainter& p, const QRectF& r, int n) {
    const double w = r.width() / n;
    const double h = r.height() / n;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setBrush(kInk);
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col) {
            if ((row + col) % 2 == 0) p.drawRect(QRectF(r.x() + col * w, r.y() + row * h, w, h));
        }
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

void page(QPainter& p) {
    QPainterPath path;
    path.moveTo(14, 6);
    path.lineTo(40, 6);
    path.lineTo(52, 18);
    path.lineTo(52, 58);
    path.lineTo(14, 58);
    path.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawPolyline(QPolygonF({QPointF(40, 6), QPointF(40, 18), QPointF(52, 18)}));
}

void plus(QPainter& p, QPointF c, const QColor& color) {
    p.save();
    p.setPen(QPen(color, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c - QPointF(9, 0), c + QPointF(9, 0));
    p.drawLine(c - QPointF(0, 9), c + QPointF(0, 9));
    p.restore();
}

void person(QPainter& p, const QColor& color, QPointF at = {0, 0}) {
    p.setBrush(color);
    p.drawEllipse(QRectF(22, 6, 20, 20).translated(at));
    p.drawRoundedRect(QRectF(12, 30, 40, 28).translated(at), 14, 14);
}

void grid(QPainter& p, const QColor& fill) {
    p.setBrush(fill);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 2; ++col) p.drawRect(QRectF(8 + col * 25, 8 + row * 16, 23, 14));
    }
}

void printer(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(18, 6, 28, 20));
    p.setBrush(QColor(90, 90, 100));
    p.drawRoundedRect(QRectF(6, 24, 52, 24), 5, 5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(18, 40, 28, 18));
}

Drawing drawingOf(Cmd cmd) {
    switch (cmd) {
        case Cmd::NewRace:
            return [](QPainter& p) {
                page(p);
                plus(p, {44, 48}, QColor(0, 150, 40));
            };
        case Cmd::OpenRace:
            return [](QPainter& p) {
                p.setBrush(QColor(240, 190, 40));
                p.drawPolygon(QPolygonF({QPointF(4, 14), QPointF(24, 14), QPointF(30, 20),
                                         QPointF(58, 20), QPointF(58, 54), QPointF(4, 54)}));
                p.setBrush(QColor(255, 215, 90));
                p.drawPolygon(
                    QPolygonF({QPointF(4, 54), QPointF(14, 28), QPointF(62, 28), QPointF(58, 54)}));
            };
        case Cmd::SaveRace:
            return [](QPainter& p) {
                p.setBrush(QColor(30, 80, 180));
                p.drawRoundedRect(QRectF(6, 6, 52, 52), 5, 5);
                p.setBrush(Qt::white);
                p.drawRect(QRectF(16, 6, 32, 20));
                p.setBrush(QColor(200, 200, 210));
                p.drawRect(QRectF(14, 36, 36, 22));
            };
        case Cmd::Properties:
            return [](QPainter& p) {
                page(p);
                p.setPen(QPen(QColor(0, 140, 40), 4, Qt::SolidLine, Qt::RoundCap));
                for (int y : {24, 36, 48}) {
                    p.drawPolyline(
                        QPolygonF({QPointF(19, y), QPointF(23, y + 4), QPointF(29, y - 4)}));
                }
                p.setPen(QPen(kInk, 3));
                for (int y : {24, 36, 48}) p.drawLine(QPointF(33, y), QPointF(46, y));
            };
        case Cmd::ViewPilots: return [](QPainter& p) { person(p, QColor(30, 110, 200)); };
        case Cmd::AddNew:
            return [](QPainter& p) {
                person(p, QColor(30, 110, 200), {-6, 0});
                plus(p, {48, 46}, QColor(0, 150, 40));
            };
        case Cmd::SafetyChecked:
            return [](QPainter& p) {
                paintPlane(p, QRectF(0, 4, 56, 30),
                           {QColor(200, 24, 30), Qt::white, QColor(40, 60, 90)});
                p.setPen(QPen(QColor(0, 150, 40), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.drawPolyline(QPolygonF({QPointF(22, 44), QPointF(34, 56), QPointF(58, 28)}));
            };
        case Cmd::ViewPlanes:
            return [](QPainter& p) {
                paintPlane(p, QRectF(0, 12, 64, 36),
                           {QColor(200, 24, 30), Qt::white, QColor(40, 60, 90)});
            };
        case Cmd::ViewHeats: return [](QPainter& p) { grid(p, QColor(255, 230, 120)); };
        case Cmd::EnterResults:
            return [](QPainter& p) {
                p.setBrush(Qt::white);
                p.drawEllipse(QRectF(8, 12, 46, 46));
                p.drawLine(QPointF(31, 35), QPointF(31, 18));
                p.drawLine(QPointF(31, 35), QPointF(44, 40));
                p.setBrush(kInk);
                p.drawRect(QRectF(26, 3, 10, 7));
            };
        case Cmd::BuildMatrix: return [](QPainter& p) { chequered(p, QRectF(8, 8, 48, 48), 4); };
        case Cmd::FinishRace:
            return [](QPainter& p) {
                p.drawLine(QPointF(10, 6), QPointF(10, 60));
                chequered(p, QRectF(12, 8, 44, 30), 4);
            };
        case Cmd::Print:
        case Cmd::QuickPrint: return printer;
        case Cmd::About:
            return [](QPainter& p) {
                p.setBrush(QColor(30, 110, 200));
                p.drawEllipse(QRectF(6, 6, 52, 52));
                p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
                p.drawPoint(QPointF(32, 19));
                p.drawLine(QPointF(32, 29), QPointF(32, 46));
            };
        default: return {};
    }
}
}  // namespace

void paintPage(QPainter& p) {
    page(p);
}

QIcon commandIcon(Cmd cmd) {
    const Drawing draw = drawingOf(cmd);
    return draw ? drawn(draw) : QIcon();
}

QImage programIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / double(kSize), size / double(kSize));
    p.setPen(QPen(kInk, 3));
    chequered(p, QRectF(4, 4, 56, 56), 5);
    paintPlane(p, QRectF(6, 20, 52, 22), {QColor(200, 24, 30), Qt::white, QColor(40, 60, 90)});
    return image;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
    return icon;
}

}  // namespace korva

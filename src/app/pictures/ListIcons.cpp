#include "app/pictures/ListIcons.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "app/pictures/PlanePictures.h"
#include "app/pictures/ToolIcons.h"
#include "views/PilotListRows.h"
#include "views/PlaneListRows.h"

namespace korva {

namespace {

constexpr double kUnit = 64.0;  // drawn on a 64 x 64 grid, scaled to the size asked for
const QColor kInk(20, 20, 20);
const QColor kGreen(0, 150, 50);
const QColor kGold(255, 196, 0);
const QColor kRed(210, 20, 30);
const QColor kGrey(125, 125, 125);
const QColor kBlue(20, 90, 200);
const QColor kOrange(235, 100, 0);

using Drawing = std::function<void(QPainter&)>;

void paintScaled(QPaintDevice& device, int size, const Drawing& draw) {
    QPainter p(&device);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / kUnit, size / kUnit);
    p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(p);
}

QPixmap drawn(int size, const Drawing& draw) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pm(QSize(size, size) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    paintScaled(pm, size, draw);
    return pm;
}

void disc(QPainter& p, const QColor& fill) {
    p.setBrush(fill);
    p.drawEllipse(QRectF(4, 4, 56, 56));
}

void label(QPainter& p, const QRectF& box, const QString& text, int pixels, const QColor& color) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    p.save();
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

void tick(QPainter& p, const QColor& color, double width) {
    p.save();
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(17, 33), QPointF(28, 45), QPointF(48, 20)}));
    p.restore();
}

void plane(QPainter& p, const QColor& body, bool hollow = false) {
    p.save();
    p.setPen(
        QPen(hollow ? body : kInk, hollow ? 5 : 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(hollow ? QBrush(Qt::white) : QBrush(body));
    p.drawPath(planeFromAbove());
    p.restore();
}

// A small badge in the lower right corner, over a plane.
void checkBadge(QPainter& p) {
    p.save();
    p.setPen(QPen(kInk, 3));
    p.setBrush(kGreen);
    p.drawEllipse(QRectF(30, 30, 32, 32));
    p.translate(28, 29);
    p.scale(0.56, 0.56);
    tick(p, Qt::white, 12);
    p.restore();
}

void warningBadge(QPainter& p) {
    p.save();
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kGold);
    p.drawPolygon(QPolygonF({QPointF(45, 22), QPointF(63, 61), QPointF(27, 61)}));
    p.setPen(QPen(kInk, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(45, 35), QPointF(45, 48));
    p.drawPoint(QPointF(45, 55));
    p.restore();
}

// The two channel badges differ in their letters' colour too, so that they stay apart where
// the colours print as greys of nearly the same shade.
void channelBadge(QPainter& p, const QColor& fill, const QColor& letters) {
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(3, 8, 58, 48), 10, 10);
    label(p, QRectF(3, 8, 58, 46), QStringLiteral("Ch"), 34, letters);
}

void waiverPage(QPainter& p) {
    paintPage(p);
    p.setPen(QPen(kGrey, 3));
    for (int y : {18, 28, 38, 48}) p.drawLine(QPointF(20, y), QPointF(y == 18 ? 34 : 46, y));
    p.setPen(QPen(kRed, 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 24), QPointF(60, 62));
    p.drawLine(QPointF(60, 24), QPointF(20, 62));
}

void octagon(QPainter& p, const QColor& fill) {
    QPolygonF shape;
    for (const auto& [x, y] :
         {std::pair{21, 3}, {43, 3}, {61, 21}, {61, 43}, {43, 61}, {21, 61}, {3, 43}, {3, 21}}) {
        shape << QPointF(x, y);
    }
    p.setBrush(fill);
    p.drawPolygon(shape);
}

Drawing pilotDrawing(int status) {
    switch (status) {
        case kIconUnpaid:
            return [](QPainter& p) {
                disc(p, kGold);
                label(p, QRectF(4, 2, 56, 58), QStringLiteral("$"), 46, kInk);
            };
        case kIconNoWaiver: return waiverPage;
        case kIconDisqualified:
            return [](QPainter& p) {
                octagon(p, kRed);
                label(p, QRectF(3, 3, 58, 58), QStringLiteral("DQ"), 28, Qt::white);
            };
        case kIconInactive:
            return [](QPainter& p) {
                disc(p, kGrey);
                p.setPen(Qt::NoPen);
                p.setBrush(Qt::white);
                p.drawRect(QRectF(21, 18, 8, 28));
                p.drawRect(QRectF(35, 18, 8, 28));
            };
        case kIconChannelInRace: return [](QPainter& p) { channelBadge(p, kBlue, Qt::white); };
        case kIconChannelInBracket: return [](QPainter& p) { channelBadge(p, kOrange, kInk); };
        case kIconNoPrimaryPlane:
            return [](QPainter& p) {
                plane(p, QColor(150, 150, 150));
                p.setPen(QPen(Qt::white, 14, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(9, 9), QPointF(55, 55));
                p.setPen(QPen(kRed, 8, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(9, 9), QPointF(55, 55));
            };
        case kIconNotSafetyChecked:
            return [](QPainter& p) {
                plane(p, kBlue);
                warningBadge(p);
            };
        default:
            return [](QPainter& p) {
                disc(p, kGreen);
                tick(p, Qt::white, 9);
            };
    }
}

}  // namespace

QPixmap pilotStatusIcon(int status, int size) {
    return drawn(size, pilotDrawing(status));
}

QImage pilotStatusImage(int status, int size, const QColor& background) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    paintScaled(image, size, pilotDrawing(status));
    return image;
}

QString pilotStatusTip(int status) {
    switch (status) {
        case kIconUnpaid: return QObject::tr("Not paid");
        case kIconNoWaiver: return QObject::tr("No signed waiver");
        case kIconDisqualified: return QObject::tr("Disqualified");
        case kIconInactive: return QObject::tr("Not active");
        case kIconChannelInRace: return QObject::tr("Channel shared with a pilot of another class");
        case kIconChannelInBracket: return QObject::tr("Channel shared with a pilot of this class");
        case kIconNoPrimaryPlane: return QObject::tr("No primary plane");
        case kIconNotSafetyChecked: return QObject::tr("Primary plane not safety checked");
        default: return QObject::tr("Ready to race");
    }
}

QPixmap planeListIcon(int icon, int size) {
    return drawn(size, [icon](QPainter& p) {
        switch (icon) {
            case kIconCheckedPrimary:
                plane(p, kBlue);
                checkBadge(p);
                break;
            case kIconCheckedBackup:
                plane(p, kBlue, true);
                checkBadge(p);
                break;
            default:
                plane(p, kBlue);
                warningBadge(p);
                break;
        }
    });
}

QString planeIconTip(int icon) {
    switch (icon) {
        case kIconCheckedPrimary: return QObject::tr("Primary plane, safety checked");
        case kIconCheckedBackup: return QObject::tr("Backup plane, safety checked");
        default: return QObject::tr("Not safety checked");
    }
}

}  // namespace korva

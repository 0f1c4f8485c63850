#include "app/pictures/ReportPictures.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "app/QtText.h"
#include "app/pictures/HeatIcons.h"
#include "app/pictures/ListIcons.h"
#include "app/pictures/PlanePictures.h"
#include "app/pictures/WingFlagPictures.h"
#include "properties/LaneColors.h"
#include "views/PilotListRows.h"

namespace korva {

namespace {

constexpr int kJpegQuality = 92;  // crisp edges on lines and letters
constexpr int kMarkSize = 24;     // a status mark beside a line of text
const QColor kInk(20, 20, 20);

int listIconOf(PilotMark mark) {
    // The list window's icon numbers, so that screen and paper show the same marks.
    switch (mark) {
        case PilotMark::Unpaid: return kIconUnpaid;
        case PilotMark::NoWaiver: return kIconNoWaiver;
        case PilotMark::Disqualified: return kIconDisqualified;
        case PilotMark::Inactive: return kIconInactive;
        case PilotMark::ChannelInRace: return kIconChannelInRace;
        case PilotMark::ChannelInBracket: return kIconChannelInBracket;
        case PilotMark::NoPlane: return kIconNoPrimaryPlane;
        case PilotMark::NotSafetyChecked: return kIconNotSafetyChecked;
    }
    return kIconPlain;
}

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void setBold(QPainter& p, int pixels) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
}

// The colour's name on two lines ("Low" over "Green"), the way it is called out at the field.
void colorName(QPainter& p, const QRectF& box, std::string_view code, int pixels) {
    setBold(p, pixels);
    QString name = toQt(laneColorName(code));
    name.replace(' ', '\n');
    p.drawText(box, Qt::AlignCenter, name);
}

// The plane from above in `box`, nose up or nose left.
void orientPlane(QPainter& p, const QRectF& box, bool noseLeft) {
    p.translate(box.center());
    if (noseLeft) p.rotate(-90);
    p.scale(box.width() / 64.0, box.height() / 64.0);
    p.translate(-32, -32);
}

// The heat card's lane cell: the lane number beside a block in the lane's colour that carries
// the colour's code in white, which still reads where the colour prints as grey.
QImage laneCell(int lane, std::string_view code) {
    QImage image = blank(80, 36);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath block;
    block.addRoundedRect(QRectF(27, 1, 52, 34), 5, 5);
    fillLaneColor(p, block, code, true);
    p.setPen(QPen(kInk, 2));
    p.drawPath(block);
    p.drawRoundedRect(QRectF(1, 1, 78, 34), 5, 5);
    setBold(p, 26);
    p.drawText(QRectF(1, 1, 26, 34), Qt::AlignCenter, QString::number(lane));
    setBold(p, 18);
    p.setPen(Qt::white);
    p.drawText(QRectF(27, 1, 52, 34), Qt::AlignCenter, toQt(std::string(code)));
    return image;
}

// The heading of a lane column: the plane from above, as it stands on the course, with its
// wing flag trailing from the right wing tip, and the flag's name.
QImage wingFlagHeading(std::string_view code, bool noseLeft, bool color) {
    QImage image = blank(136, 72);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    orientPlane(p, QRectF(4, 4, 64, 64), noseLeft);
    p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(planeFromAbove());
    QPainterPath flag;
    flag.addPolygon(QPolygonF(
        {QPointF(53, 36), QPointF(62, 36), QPointF(63, 57), QPointF(54, 52), QPointF(53, 36)}));
    fillLaneColor(p, flag, code, color);
    p.setBrush(Qt::NoBrush);
    p.drawPath(flag);
    p.restore();
    paintLaneFlag(p, QRectF(74, 2, 42, 28), code, color);
    colorName(p, QRectF(68, 30, 68, 42), code, 14);
    return image;
}

// A lane's new colour in a round separator: the plane in that colour, and the colour's name.
QImage laneChange(std::string_view code, bool noseLeft) {
    QImage image = blank(112, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    orientPlane(p, QRectF(2, 2, 44, 44), noseLeft);
    const QPainterPath plane = planeFromAbove();
    fillLaneColor(p, plane, code, true);
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(plane);
    p.restore();
    colorName(p, QRectF(46, 0, 66, 48), code, 14);
    return image;
}

}  // namespace

QImage reportPicture(const ReportPicture& picture) {
    switch (picture.kind) {
        case ReportPicture::Kind::LaneCell: return laneCell(picture.lane, picture.code);
        case ReportPicture::Kind::WingFlag:
            return wingFlagHeading(picture.code, picture.noseLeft, picture.color);
        case ReportPicture::Kind::LaneChange: return laneChange(picture.code, picture.noseLeft);
        case ReportPicture::Kind::Finish: return completeHeatImage(kMarkSize, Qt::white);
        case ReportPicture::Kind::Mark:
            return pilotStatusImage(listIconOf(picture.mark), kMarkSize, Qt::white);
    }
    return {};
}

std::vector<std::uint8_t> reportPictureJpeg(const ReportPicture& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!reportPicture(picture)
             .convertToFormat(QImage::Format_RGB32)
             .save(&buffer, "JPEG", kJpegQuality)) {
        return {};
    }
    return {bytes.begin(), bytes.end()};
}

}  // namespace korva

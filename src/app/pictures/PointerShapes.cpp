#include "app/pictures/PointerShapes.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace korva {

namespace {
constexpr int kSize = 32;
constexpr const char* kOurs = "korvaPointer";

// An arrow with a small chequered flag at its tail; `waving` tilts the flag.
QPixmap pointerPixmap(bool waving) {
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF arrow({QPointF(1, 1), QPointF(1, 20), QPointF(6, 15), QPointF(10, 23),
                           QPointF(13, 22), QPointF(9, 14), QPointF(15, 14)});
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::black);
    p.drawPolygon(arrow);
    p.setPen(QPen(Qt::black, 1));
    p.drawPolygon(arrow);

    p.translate(17, 12);
    if (waving) p.rotate(-25);
    p.setPen(QPen(QColor(90, 60, 30), 2));
    p.drawLine(QPointF(0, 0), QPointF(0, 18));
    const double s = 3.5;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            p.fillRect(QRectF(1 + col * s, row * s, s, s), (row + col) % 2 ? Qt::white : Qt::black);
        }
    }
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 0, 4 * s, 3 * s));
    return pm;
}

bool isPress(const QEvent* e) {
    if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonDblClick) {
        return false;
    }
    const auto button = static_cast<const QMouseEvent*>(e)->button();
    return button == Qt::LeftButton || button == Qt::RightButton;
}
}  // namespace

PointerShapes::PointerShapes(QObject* parent)
    : QObject(parent), normal_(pointerPixmap(false), 1, 1), pressed_(pointerPixmap(true), 1, 1) {}

PointerShapes::~PointerShapes() {
    remove();
}

void PointerShapes::install() {
    if (installed_) return;
    installed_ = true;
    qApp->installEventFilter(this);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        w->setCursor(normal_);
        w->setProperty(kOurs, true);
    }
}

void PointerShapes::remove() {
    if (!installed_) return;
    installed_ = false;
    if (qApp) qApp->removeEventFilter(this);
}

bool PointerShapes::eventFilter(QObject* watched, QEvent* e) {
    // The pointer is set on windows only: widgets with a pointer of their own (text fields,
    // column borders) keep it, and the window frame belongs to the window manager.
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w) return QObject::eventFilter(watched, e);
    if (e->type() == QEvent::Show && w->isWindow() && !w->testAttribute(Qt::WA_SetCursor)) {
        w->setCursor(normal_);
        w->setProperty(kOurs, true);
    }
    QWidget* window = w->window();
    if (window->property(kOurs).toBool()) {
        if (isPress(e)) window->setCursor(pressed_);
        if (e->type() == QEvent::MouseButtonRelease) window->setCursor(normal_);
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace korva

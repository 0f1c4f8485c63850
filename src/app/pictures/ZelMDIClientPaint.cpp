#include "app/pictures/ZelMDIClientPaint.h"

#include <QPaintEvent>
#include <QPainter>

#include "app/pictures/PlanePictures.h"

namespace korva {

namespace {
constexpr int kSquares = 5;
constexpr int kLetterHeight = 20;
constexpr int kTextHeight = 15;
constexpr int kLineGap = 20;
constexpr int kStepPauseMs = 100;
constexpr int kPicturePauseMs = 250;
constexpr int kStepsPerPicture = 3;
constexpr int kPictures = 2;

QFont fontOf(const std::string& face, int pixels, QFont::StyleHint hint) {
    QFont f;
    f.setFamilies({QString::fromStdString(face)});
    f.setStyleHint(hint);
    f.setPixelSize(pixels);
    return f;
}

// Draws `text` with its top at `top`, centred on the middle of `width`.
void centred(QPainter& p, const QString& text, int width, int top) {
    const QFontMetrics m(p.font());
    p.drawText((width - m.horizontalAdvance(text)) / 2, top + m.ascent(), text);
}
}  // namespace

ZelMDIClientPaint::ZelMDIClientPaint(const ClientWindowTexts& texts, QWidget* parent)
    : QMdiArea(parent),
      texts_(texts),
      letterFont_(fontOf("Hobbit", kLetterHeight, QFont::Decorative)),
      msg2Font_(fontOf(texts.msg2Font, kTextHeight, QFont::Cursive)),
      msg3Font_(fontOf(texts.msg3Font, kTextHeight, QFont::Cursive)) {
    letterFont_.setBold(true);
    for (int right = 0; right < 2; ++right) {
        for (int which = 0; which < kPictures; ++which) {
            planes_[right][which] = ZelBitmap(planePicture(which, right != 0), kTransparentGreen);
        }
    }
    flightTimer_.setInterval(kFlightEveryMs);
    connect(&flightTimer_, &QTimer::timeout, this, [this] { startFlight(); });
    stepTimer_.setSingleShot(true);
    connect(&stepTimer_, &QTimer::timeout, this, [this] { nextStep(); });
}

void ZelMDIClientPaint::paintBackground(QPainter& p, const QRect& area) const {
    const int w = area.width();
    const int h = area.height();
    p.fillRect(area, Qt::white);
    for (int row = 0; row < kSquares; ++row) {
        for (int col = 0; col < kSquares; ++col) {
            if ((row + col) % 2 != 0) continue;
            // Edges from the same formula on both sides leave no seams between squares.
            const QRect square(QPoint(col * w / kSquares, row * h / kSquares),
                               QPoint((col + 1) * w / kSquares - 1, (row + 1) * h / kSquares - 1));
            p.fillRect(square, Qt::black);
        }
    }

    p.setFont(letterFont_);
    const QString word = QStringLiteral("KORVA");
    const QColor colours[] = {Qt::red, Qt::magenta, Qt::green, Qt::cyan, Qt::blue};
    for (int i = 0; i < word.size(); ++i) {
        QString line(13, ' ');
        line[3 * i] = word[i];
        p.setPen(colours[i]);
        centred(p, line, w, h / 2 - kLineGap);
    }
    p.setFont(msg2Font_);
    p.setPen(Qt::magenta);
    centred(p, QString::fromStdString(texts_.msg2Text), w, h / 2);
    p.setFont(msg3Font_);
    p.setPen(Qt::red);
    centred(p, QString::fromStdString(texts_.msg3Text), w, h / 2 + kLineGap);

    if (planeShown_) {
        planes_[rightward_ ? 1 : 0][planePicture_].draw(p, planeAt_.x(), planeAt_.y());
    }
}

void ZelMDIClientPaint::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    paintBackground(p, viewport()->rect());
    emit backgroundPainted();
}

void ZelMDIClientPaint::resizeEvent(QResizeEvent* event) {
    QMdiArea::resizeEvent(event);
    if (!flightTimer_.isActive()) flightTimer_.start();
    viewport()->update();
}

bool ZelMDIClientPaint::startFlight() {
    if (flying() || blocked_()) return false;
    rightward_ = !rightward_;
    step_ = -1;
    nextStep();
    return true;
}

void ZelMDIClientPaint::nextStep() {
    // Each picture: three positions 100 ms apart, then hidden for 250 ms.
    ++step_;
    const int picture = step_ / (kStepsPerPicture + 1);
    const int position = step_ % (kStepsPerPicture + 1);
    if (position == kStepsPerPicture) {
        planeShown_ = false;
        viewport()->update();
        if (picture + 1 >= kPictures) {
            step_ = -1;
            return;
        }
        stepTimer_.start(kPicturePauseMs);
        return;
    }
    const ZelBitmap& bitmap = planes_[rightward_ ? 1 : 0][picture];
    const int w = viewport()->width();
    const int stride = (w + bitmap.width()) / kStepsPerPicture;
    const int along = position * stride - bitmap.width() / 2;
    const int x = rightward_ ? along : w - bitmap.width() - along;
    planeAt_ = QPoint(x, viewport()->height() / 3 - bitmap.height() / 2);
    planePicture_ = picture;
    planeShown_ = true;
    viewport()->update();
    stepTimer_.start(kStepPauseMs);
}

}  // namespace korva

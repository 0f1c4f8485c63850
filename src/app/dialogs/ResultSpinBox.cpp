#include "app/dialogs/ResultSpinBox.h"

#include <QElapsedTimer>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>

namespace korva {

namespace {
// What may be typed: enough for any mistake the checks name, never a sign.
constexpr int kLargestTyped = 999;
constexpr qint64 kFasterAfterMs = 1000;
constexpr qint64 kFastestAfterMs = 2000;
const QColor kFocusColor(255, 236, 130);

bool isArrowKey(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down;
}

qint64 monotonicMs() {
    static QElapsedTimer timer;
    if (!timer.isValid()) timer.start();
    return timer.elapsed();
}
}  // namespace

ResultSpinBox::ResultSpinBox(const SpinRange& range, int digits, QWidget* parent)
    : QSpinBox(parent), range_(range), digits_(digits), clock_(monotonicMs) {
    setRange(std::min(0, range.low), std::max(kLargestTyped, range.high));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    connect(lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { emit edited(valueFromText(text)); });
}

int ResultSpinBox::heldStep() const {
    const qint64 held = heldSince_ < 0 ? 0 : clock_() - heldSince_;
    const std::size_t stage = held >= kFastestAfterMs ? 2 : held >= kFasterAfterMs ? 1 : 0;
    return range_.steps[stage];
}

void ResultSpinBox::stepBy(int steps) {
    const int next = std::clamp(value() + steps * heldStep(), range_.low, range_.high);
    if (next == value()) return;
    setValue(next);
    selectAll();
    emit edited(next);
}

QAbstractSpinBox::StepEnabled ResultSpinBox::stepEnabled() const {
    // A typed value out of range: either arrow brings it back.
    if (value() < range_.low || value() > range_.high) return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (value() < range_.high) enabled |= StepUpEnabled;
    if (value() > range_.low) enabled |= StepDownEnabled;
    return enabled;
}

QValidator::State ResultSpinBox::validate(QString& text, int& pos) const {
    // An emptied field counts as 0, as the director means when he deletes the number.
    if (text.trimmed().isEmpty()) return QValidator::Acceptable;
    return QSpinBox::validate(text, pos);
}

int ResultSpinBox::valueFromText(const QString& text) const {
    return text.trimmed().isEmpty() ? 0 : QSpinBox::valueFromText(text);
}

QString ResultSpinBox::textFromValue(int value) const {
    return QStringLiteral("%1").arg(value, digits_, 10, QLatin1Char('0'));
}

void ResultSpinBox::focusInEvent(QFocusEvent* event) {
    QSpinBox::focusInEvent(event);
    QPalette marked = palette();
    marked.setColor(QPalette::Base, kFocusColor);
    setPalette(marked);
    lineEdit()->setPalette(marked);
    if (event->reason() == Qt::MouseFocusReason) {
        // After the click that brought the focus, which would otherwise place the cursor.
        QTimer::singleShot(0, this, [this] { selectAll(); });
    } else {
        // At once: keys typed ahead must land in the selection, not be selected themselves.
        selectAll();
    }
}

void ResultSpinBox::focusOutEvent(QFocusEvent* event) {
    setPalette(QPalette());
    lineEdit()->setPalette(QPalette());
    QSpinBox::focusOutEvent(event);
}

void ResultSpinBox::keyPressEvent(QKeyEvent* event) {
    if (!isArrowKey(event->key())) {
        QSpinBox::keyPressEvent(event);
        return;
    }
    // One step per key event, the keyboard's own repeat setting the pace while it is held.
    if (!event->isAutoRepeat()) heldSince_ = clock_();
    stepBy(event->key() == Qt::Key_Up ? 1 : -1);
    event->accept();
}

void ResultSpinBox::keyReleaseEvent(QKeyEvent* event) {
    if (isArrowKey(event->key()) && !event->isAutoRepeat()) heldSince_ = -1;
    QSpinBox::keyReleaseEvent(event);
}

void ResultSpinBox::mousePressEvent(QMouseEvent* event) {
    heldSince_ = clock_();
    QSpinBox::mousePressEvent(event);
}

void ResultSpinBox::mouseReleaseEvent(QMouseEvent* event) {
    heldSince_ = -1;
    QSpinBox::mouseReleaseEvent(event);
}

}  // namespace korva

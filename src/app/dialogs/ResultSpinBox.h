#pragma once
// A number field of the result forms. Its arrows keep to the field's spin range and step
// faster the longer they are held; a typed number may leave the range, so that the form's
// check can name the field instead of the field quietly changing what was typed. Focus
// always selects the whole number, so typing replaces it, and colours the field, so that
// the director finds his place at a glance.

#include <QSpinBox>
#include <functional>

#include "scoring/HeatResultForm.h"

namespace korva {

class ResultSpinBox : public QSpinBox {
    Q_OBJECT
public:
    // `digits`: shown at least this many, so that seconds read "05" as in a time.
    ResultSpinBox(const SpinRange& range, int digits, QWidget* parent);

    // The number as the field shows it now, even before the field has taken it as its value.
    int shownValue() const { return valueFromText(text()); }

    // Milliseconds from some fixed point; the tests hold the arrows on a clock of their own.
    void setClock(std::function<qint64()> clock) { clock_ = std::move(clock); }

signals:
    // The user typed or spun a new value; never sent for setValue.
    void edited(int value);

protected:
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int heldStep() const;

    SpinRange range_;
    int digits_;
    std::function<qint64()> clock_;
    qint64 heldSince_ = -1;  // while an arrow key or button is held down
};

}  // namespace korva

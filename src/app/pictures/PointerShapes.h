#pragma once
// The program's own mouse pointers: a flag pointer, and a second one while a button is down.

#include <QCursor>
#include <QObject>

namespace korva {

class PointerShapes : public QObject {
    Q_OBJECT
public:
    explicit PointerShapes(QObject* parent = nullptr);
    ~PointerShapes() override;

    // Installs the pointers on every window of the program from now on.
    void install();
    void remove();
    const QCursor& normal() const { return normal_; }
    const QCursor& pressed() const { return pressed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCursor normal_;
    QCursor pressed_;
    bool installed_ = false;
};

}  // namespace korva

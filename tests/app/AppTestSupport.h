#pragma once
// Helpers of the program's tests: screenshots, and a scripted hand on modal dialogs.

#include <gtest/gtest.h>

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

class QWidget;

namespace korva::test {

// Saves a picture of the widget as NAME.png when KORVA_SCREENSHOTS names a folder.
void screenshot(QWidget* widget, const QString& name);

// Acts on modal dialogs as they come up, in order: each step names the dialog (its object
// name) and what to do with it, once. A dialog out of order, or steps left when the driver is
// done, fail the test; a dialog still open after the time-out is cancelled. Busy dialogs
// are left alone.
class DialogDriver : public QObject {
    Q_OBJECT
public:
    using Step = std::function<void(QDialog*)>;

    DialogDriver();
    ~DialogDriver() override;
    DialogDriver& then(const QString& dialogName, Step step);

private:
    void poll();

    std::deque<std::pair<QString, Step>> steps_;
    QTimer timer_;
    std::vector<QPointer<QWidget>> handled_;
    int ticks_ = 0;
};

// A widget of a dialog by its object name; a missing one fails the test.
template <typename W>
W* field(QDialog* d, const char* name) {
    W* w = d->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Presses a dialog's button (by object name) once the current event has been handled.
void press(QDialog* dialog, const char* button = "ok");

}  // namespace korva::test

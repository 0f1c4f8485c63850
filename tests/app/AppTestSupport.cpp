#include "AppTestSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QProgressDialog>
#include <algorithm>

namespace korva::test {

namespace {
constexpr int kPollMs = 10;
constexpr int kGiveUpTicks = 1000;  // ten seconds
}  // namespace

void screenshot(QWidget* widget, const QString& name) {
    const QByteArray folder = qgetenv("KORVA_SCREENSHOTS");
    if (folder.isEmpty() || !widget) return;
    QDir().mkpath(QString::fromLocal8Bit(folder));
    widget->grab().save(QString::fromLocal8Bit(folder) + '/' + name + ".png");
}

DialogDriver::DialogDriver() {
    timer_.setInterval(kPollMs);
    connect(&timer_, &QTimer::timeout, this, &DialogDriver::poll);
    timer_.start();
}

DialogDriver::~DialogDriver() {
    for (const auto& step : steps_)
        ADD_FAILURE() << "dialog " << step.first.toStdString() << " never came";
}

DialogDriver& DialogDriver::then(const QString& dialogName, Step step) {
    steps_.emplace_back(dialogName, std::move(step));
    return *this;
}

void DialogDriver::poll() {
    QWidget* top = QApplication::activeModalWidget();
    // A busy dialog comes up by itself when work takes long, and goes by itself.
    if (qobject_cast<QProgressDialog*>(top)) return;
    if (top && ++ticks_ > kGiveUpTicks) {
        ADD_FAILURE() << "dialog " << top->objectName().toStdString() << " left open";
        if (auto* d = qobject_cast<QDialog*>(top)) d->reject();
        return;
    }
    // A dialog is acted on once, when it first comes up; it may be back on top later, when
    // a dialog it opened closes.
    if (!top) ticks_ = 0;
    if (!top || std::find(handled_.begin(), handled_.end(), top) != handled_.end()) return;
    handled_.emplace_back(top);
    ticks_ = 0;
    auto* dialog = qobject_cast<QDialog*>(top);
    if (steps_.empty() || !dialog) {
        ADD_FAILURE() << "unexpected dialog " << top->objectName().toStdString();
        if (dialog) dialog->reject();
        return;
    }
    auto [name, step] = steps_.front();
    steps_.pop_front();
    EXPECT_EQ(top->objectName(), name);
    step(dialog);
}

void press(QDialog* dialog, const char* button) {
    auto* b = dialog->findChild<QAbstractButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    QMetaObject::invokeMethod(b, &QAbstractButton::click, Qt::QueuedConnection);
}

}  // namespace korva::test

// The number fields of the result form: arrows that keep to the spin range and speed up
// while held, typing that may leave the range for the checks to name.

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/dialogs/ResultSpinBox.h"

namespace korva::test {
namespace {

void key(QWidget* w, QEvent::Type type, bool autoRepeat) {
    QKeyEvent event(type, Qt::Key_Up, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(w, &event);
}

TEST(ResultSpinBox, HeldArrowsStepFasterStayInRangeAndTypingMayLeaveIt) {
    KORVAHeatUpdateDlg form;
    qint64 now = 0;
    ResultSpinBox seconds(spinRange(form, HeatResultField::Seconds), 2, nullptr);
    seconds.setClock([&now] { return now; });
    QSignalSpy edited(&seconds, &ResultSpinBox::edited);
    seconds.setValue(10);
    EXPECT_EQ(seconds.text(), "10");
    EXPECT_EQ(edited.count(), 0);

    // Held: step 1, after a second 2, after two seconds 5; a new press starts over.
    key(&seconds, QEvent::KeyPress, false);
    EXPECT_EQ(seconds.value(), 11);
    now = 1200;
    key(&seconds, QEvent::KeyPress, true);
    EXPECT_EQ(seconds.value(), 13);
    now = 2500;
    key(&seconds, QEvent::KeyPress, true);
    EXPECT_EQ(seconds.value(), 18);
    key(&seconds, QEvent::KeyRelease, false);
    now = 9000;
    key(&seconds, QEvent::KeyPress, false);
    EXPECT_EQ(seconds.value(), 19);
    key(&seconds, QEvent::KeyRelease, false);
    EXPECT_EQ(edited.count(), 4);
    EXPECT_EQ(edited.last().at(0).toInt(), 19);

    // Typed, 75 stays 75 for the check to refuse; the arrows bring it back into range and
    // stop at its top, however fast they go.
    seconds.selectAll();
    QTest::keyClicks(&seconds, "75");
    EXPECT_EQ(seconds.value(), 75);
    EXPECT_EQ(edited.last().at(0).toInt(), 75);
    key(&seconds, QEvent::KeyPress, false);
    now += 2500;
    key(&seconds, QEvent::KeyPress, true);
    key(&seconds, QEvent::KeyRelease, false);
    EXPECT_EQ(seconds.value(), 59);
    // Emptied, the field means 0.
    seconds.selectAll();
    QTest::keyClick(&seconds, Qt::Key_Backspace);
    seconds.interpretText();
    EXPECT_EQ(seconds.value(), 0);
}

}  // namespace
}  // namespace korva::test

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

    // The arrows stop at 59, however fast they go.
    seconds.setValue(57);
    key(&seconds, QEvent::KeyPress, false);
    now += 2500;
    key(&seconds, QEvent::KeyPress, true);
    key(&seconds, QEvent::KeyPress, true);
    key(&seconds, QEvent::KeyRelease, false);
    EXPECT_EQ(seconds.value(), 59);
    EXPECT_EQ(seconds.text(), "59");

    // Typed, 75 stays 75 for the check to refuse; the arrow brings it back into range.
    seconds.selectAll();
    QTest::keyClicks(&seconds, "75");
    EXPECT_EQ(seconds.value(), 75);
    EXPECT_EQ(edited.last().at(0).toInt(), 75);
    key(&seconds, QEvent::KeyPress, false);
    key(&seconds, QEvent::KeyRelease, false);
    EXPECT_EQ(seconds.value(), 59);
    // Emptied, the field means 0.
    seconds.selectAll();
    QTest::keyClick(&seconds, Qt::Key_Backspace);
    seconds.interpretText();
    EXPECT_EQ(seconds.value(), 0);

    // Hundredths speed up to 5 and then 10 at a time.
    ResultSpinBox hundredths(spinRange(form, HeatResultField::Hundredths), 2, nullptr);
    hundredths.setClock([&now] { return now; });
    key(&hundredths, QEvent::KeyPress, false);
    now += 1000;
    key(&hundredths, QEvent::KeyPress, true);
    now += 1000;
    key(&hundredths, QEvent::KeyPress, true);
    EXPECT_EQ(hundredths.value(), 16);
}

}  // namespace
}  // namespace korva::test

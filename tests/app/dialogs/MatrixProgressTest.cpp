// The signs of a long generation: the busy dialog and the pointer over a question.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QProgressDialog>
#include <chrono>

#include "AppTestSupport.h"
#include "app/dialogs/MatrixProgress.h"
#include "app/QtInteraction.h"

namespace korva::test {
namespace {

TEST(MatrixProgress, ABusyDialogComesOnlyOnceTheTicksOutlastTheDelay) {
    QWidget window;
    window.resize(600, 400);
    window.show();
    MatrixProgress patient(&window, std::chrono::hours(1));
    patient.tick();
    patient.tick();
    EXPECT_EQ(patient.dialog(), nullptr);

    MatrixProgress progress(&window, std::chrono::milliseconds(0));
    progress.tick();
    ASSERT_NE(progress.dialog(), nullptr);
    EXPECT_TRUE(progress.dialog()->isVisible());
    EXPECT_EQ(progress.dialog()->windowModality(), Qt::ApplicationModal);
    progress.tick();
    screenshot(progress.dialog(), "matrix-progress");
}

TEST(MatrixProgress, AQuestionDuringTheWaitShowsTheOrdinaryPointer) {
    QtInteraction ui;
    ui.beginWait();
    DialogDriver driver;
    driver.then("message", [](QDialog* box) {
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        const auto buttons = box->findChildren<QAbstractButton*>();
        ASSERT_FALSE(buttons.isEmpty());
        QMetaObject::invokeMethod(buttons.front(), &QAbstractButton::click, Qt::QueuedConnection);
    });
    Message m;
    m.id = 431;
    m.text = "Let byes meet?";
    m.buttons = Buttons::YesNo;
    ui.ask(m);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui.endWait();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace korva::test

#include "app/QtInteraction.h"

#include <QApplication>
#include <QMessageBox>

#include "app/dialogs/FormDialog.h"
#include "app/QtText.h"

namespace korva {

namespace {
QMessageBox::StandardButton toQt(Answer a) {
    switch (a) {
        case Answer::Ok: return QMessageBox::Ok;
        case Answer::Cancel: return QMessageBox::Cancel;
        case Answer::Yes: return QMessageBox::Yes;
        case Answer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}
}  // namespace

Answer QtInteraction::ask(const Message& message) {
    // Over an open dialog when there is one, so the box never hides behind it.
    QMessageBox box(formParent(parent_.data()));
    box.setObjectName(QStringLiteral("message"));
    box.setWindowTitle(QStringLiteral("KORVARace"));
    box.setText(message.utf8 ? typedToQt(message.text) : korva::toQt(message.text));
    switch (message.icon) {
        case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
        case Icon::Information: box.setIcon(QMessageBox::Information); break;
        case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
        case Icon::Error: box.setIcon(QMessageBox::Critical); break;
        case Icon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (message.buttons) {
        case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case Buttons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    box.setDefaultButton(toQt(message.defaultButton));
    // A question asked during a long task gets the ordinary pointer back while it is open.
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int pressed = box.exec();
    if (waiting) QApplication::restoreOverrideCursor();
    switch (pressed) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default:
            return message.buttons == Buttons::Ok         ? Answer::Ok
                   : message.buttons == Buttons::OkCancel ? Answer::Ok
                                                          : Answer::Cancel;
    }
}

void QtInteraction::beginWait() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtInteraction::endWait() {
    QApplication::restoreOverrideCursor();
}

void QtInteraction::refreshViews(bool refill) {
    emit viewsNeedRefresh(refill);
}

}  // namespace korva

#include <QApplication>
#include <QTimer>

#include "app/KORVARaceApp.h"

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    korva::KORVARaceApp app;
    // Started from the running event loop: a question asked before it runs (the first-run
    // question) can stay unmapped under some window managers until a key is pressed.
    QTimer::singleShot(0, &qtApp, [&app] {
        if (!app.start(QApplication::arguments())) QCoreApplication::exit(1);
    });
    return QApplication::exec();
}

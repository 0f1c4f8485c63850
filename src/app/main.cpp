#include <QApplication>

#include "app/KORVARaceApp.h"

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    korva::KORVARaceApp app;
    if (!app.start(QApplication::arguments())) return 1;
    return QApplication::exec();
}

#include "app/KORVARaceApp.h"

#include <QDir>
#include <QHeaderView>
#include <QMainWindow>
#include <QMessageBox>
#include <QTreeWidget>

#include "app/QtText.h"
#include "race/Archive.h"
#include "race/Classes.h"

namespace korva {

KORVARaceApp::KORVARaceApp() : services_(ui_, clock_, settings_) {
    services_.workingFolder = QDir::currentPath().toStdString();
    services_.endProgram = [] { std::exit(1); };
}

KORVARaceApp::~KORVARaceApp() {
    services_.master.saveAtShutdown(services_.workingFolder, clock_);
}

bool KORVARaceApp::start(const QStringList& arguments) {
    window_ = std::make_unique<QMainWindow>();
    window_->setWindowTitle(QStringLiteral("KORVARace"));
    window_->resize(800, 500);
    ui_.setParentWindow(window_.get());
    list_ = new QTreeWidget(window_.get());
    list_->setHeaderLabels({"Name", "#", "Class", "Chan", "KORVA"});
    list_->setRootIsDecorated(false);
    window_->setCentralWidget(list_);

    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg.startsWith('-') || arg.startsWith('/')) continue;  // switches have no effect
        auto doc = std::make_unique<KORVARaceDoc>(services_);
        if (!doc->openDocument(arg.toStdString())) return false;
        race_ = std::move(doc);
    }
    try {
        services_.master.loadAtStartup(services_.workingFolder, clock_);
    } catch (const std::exception& e) {
        QMessageBox::warning(window_.get(), "KORVARace",
                             QString("The pilot master file could not be read:\n%1")
                                 .arg(QString::fromStdString(e.what())));
    }
    fillPilots();
    window_->show();
    return true;
}

void KORVARaceApp::fillPilots() {
    list_->clear();
    if (!race_) return;
    window_->setWindowTitle("Pilots - " + toQt(race_->raceTitle));
    for (const auto& p : race_->pilots) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, toQt(p->fullName()));
        item->setText(1, QString::number(p->pilotNumber));
        item->setText(2, toQt(race_->classNameOf(p->classIndex)));
        item->setText(3, QString::number(p->channel));
        item->setText(4, toQt(p->associationNumber));
    }
}

}  // namespace korva

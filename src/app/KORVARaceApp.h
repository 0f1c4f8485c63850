#pragma once
// The application object: services, the pilot master file and the open race.

#include <QStringList>
#include <memory>

#include "app/QtInteraction.h"
#include "race/KORVARaceDoc.h"
#include "ui/Clock.h"
#include "ui/SettingsStore.h"

class QMainWindow;
class QTreeWidget;

namespace korva {

class KORVARaceApp {
public:
    KORVARaceApp();
    ~KORVARaceApp();

    // Parses the command line, opens the race named there and the pilot master file.
    bool start(const QStringList& arguments);
    KORVARaceDoc* race() const { return race_.get(); }
    QMainWindow* mainWindow() const { return window_.get(); }
    RaceServices& services() { return services_; }

private:
    void fillPilots();

    QtInteraction ui_;
    SystemClock clock_;
    MemorySettingsStore settings_;
    RaceServices services_;
    std::unique_ptr<KORVARaceDoc> race_;
    std::unique_ptr<QMainWindow> window_;
    QTreeWidget* list_ = nullptr;
};

}  // namespace korva

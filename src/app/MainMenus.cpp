#include "app/MainMenus.h"

#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <initializer_list>

#include "app/QtText.h"
#include "race/KORVARaceDoc.h"

namespace korva {

namespace {
constexpr Cmd kSeparator = static_cast<Cmd>(-1);

template <typename Target>
void add(Target* target, CommandTable& commands, std::initializer_list<Cmd> list) {
    for (Cmd c : list) {
        if (c == kSeparator) {
            target->addSeparator();
        } else if (commands.action(c)->isVisible()) {
            target->addAction(commands.action(c));
        }
    }
}

const Cmd kClassFilters[] = {Cmd::ViewAllClasses, Cmd::ViewBracket0, Cmd::ViewBracket1,
                             Cmd::ViewBracket2};

void addRecent(QMenu* menu, const MenuContext& c) {
    if (c.recentFiles.isEmpty()) return;
    menu->addSeparator();
    int n = 0;
    for (const QString& path : c.recentFiles) {
        const QString label = QStringLiteral("&%1 %2").arg(++n).arg(QFileInfo(path).fileName());
        QAction* a = menu->addAction(label);
        a->setStatusTip(path);
        QObject::connect(a, &QAction::triggered, menu, [open = c.openRecent, path] { open(path); });
    }
}

void addFileMenu(QMenuBar* bar, const MenuContext& c) {
    QMenu* m = bar->addMenu(QObject::tr("&File"));
    add(m, c.commands, {Cmd::NewRace, Cmd::OpenRace});
    if (c.race) {
        add(m, c.commands,
            {Cmd::CloseRace, Cmd::SaveRace, Cmd::SaveRaceAs, kSeparator, Cmd::Properties,
             Cmd::CreateReportFolder, kSeparator, Cmd::ImportPilots, Cmd::ExportPilots,
             Cmd::ExportResults, kSeparator, Cmd::Print, Cmd::QuickPrint, Cmd::PrintPilotCards,
             Cmd::PrintHeatDetails});
    } else {
        add(m, c.commands, {Cmd::Properties});
    }
    addRecent(m, c);
    add(m, c.commands, {kSeparator, Cmd::Exit});
}

void addWindowCommands(QMenuBar* bar, const MenuContext& c) {
    switch (c.window) {
        case WindowKind::Pilots: {
            QMenu* m = bar->addMenu(QObject::tr("&Pilot"));
            add(m, c.commands,
                {Cmd::AddNew, Cmd::Change, Cmd::AddPlane, Cmd::FlyOffPoints, kSeparator,
                 Cmd::DeletePilot});
            break;
        }
        case WindowKind::Planes: {
            QMenu* m = bar->addMenu(QObject::tr("Pl&ane"));
            add(m, c.commands,
                {Cmd::AddNew, Cmd::Change, kSeparator, Cmd::SafetyChecked,
                 Cmd::UncheckedPlanesOnly});
            break;
        }
        case WindowKind::Heats: {
            QMenu* m = bar->addMenu(QObject::tr("H&eat"));
            add(m, c.commands,
                {Cmd::EnterResults, Cmd::ResetRound, Cmd::ResetHeat, Cmd::SwapPilots, kSeparator,
                 Cmd::HeatSheets, Cmd::HeatCards, kSeparator, Cmd::PrintSpectatorProgram,
                 Cmd::OutputTimingFile, Cmd::PrintReFlyCard});
            break;
        }
        case WindowKind::None: break;
    }
    QMenu* race = bar->addMenu(QObject::tr("&Race"));
    add(race, c.commands, {Cmd::BuildMatrix, Cmd::FinishRace, kSeparator, Cmd::ResultsBoard});
    QMenu* select = bar->addMenu(QObject::tr("&Select"));
    for (Cmd f : kClassFilters) add(select, c.commands, {f});
}
}  // namespace

void labelClassFilters(CommandTable& commands, const KORVARaceDoc* race) {
    const QString names[] = {
        race && race->class424Apra ? QStringLiteral("APRA") : QStringLiteral("424"),
        QStringLiteral("426"), race ? toQt(race->thirdBracketName()) : QStringLiteral("Q40")};
    for (int b = 0; b < 3; ++b) {
        QAction* a = commands.action(kClassFilters[b + 1]);
        a->setText(QObject::tr("View %1").arg(names[b]));
        a->setIconText(names[b]);
        a->setToolTip(QObject::tr("Show the %1 class only").arg(names[b]));
        a->setVisible(race && race->bracketUsed(b));
    }
    commands.action(Cmd::ViewAllClasses)->setIconText(QObject::tr("All"));
    commands.action(Cmd::ViewAllClasses)->setVisible(race != nullptr);
}

void buildMenuBar(QMenuBar* bar, const MenuContext& c) {
    // The old menus go too, but only once the command that may have come from one is done.
    for (QAction* a : bar->actions()) {
        if (QMenu* m = a->menu()) m->deleteLater();
    }
    bar->clear();
    labelClassFilters(c.commands, c.race);
    addFileMenu(bar, c);
    if (c.race) addWindowCommands(bar, c);
    QMenu* view = bar->addMenu(QObject::tr("&View"));
    if (c.race) {
        add(view, c.commands,
            {Cmd::ViewPilots, Cmd::ViewPlanes, Cmd::ViewHeats, kSeparator, Cmd::DisplayInactive,
             kSeparator});
    }
    add(view, c.commands, {Cmd::ToggleToolbar, Cmd::ToggleStatusBar});
    if (c.race) {
        QMenu* window = bar->addMenu(QObject::tr("&Window"));
        QObject::connect(window, &QMenu::aboutToShow, window, [window, c] {
            window->clear();
            add(window, c.commands, {Cmd::CascadeWindows, Cmd::TileWindows, kSeparator});
            if (c.fillWindowMenu) c.fillWindowMenu(window);
        });
    }
    QMenu* help = bar->addMenu(QObject::tr("&Help"));
    add(help, c.commands, {Cmd::About});
}

void fillMainToolBar(QToolBar* bar, CommandTable& commands) {
    bar->clear();
    add(bar, commands, {Cmd::NewRace, Cmd::OpenRace, Cmd::SaveRace, kSeparator, Cmd::About});
}

void fillWindowToolBar(QToolBar* bar, const MenuContext& c) {
    bar->clear();
    labelClassFilters(c.commands, c.race);
    add(bar, c.commands,
        {Cmd::NewRace, Cmd::OpenRace, Cmd::SaveRace, Cmd::Properties, kSeparator, Cmd::ViewPilots,
         Cmd::ViewPlanes, Cmd::ViewHeats, kSeparator});
    if (c.window == WindowKind::Heats) {
        add(bar, c.commands, {Cmd::EnterResults});
    } else {
        add(bar, c.commands, {Cmd::AddNew});
    }
    if (c.window == WindowKind::Planes) add(bar, c.commands, {Cmd::SafetyChecked});
    add(bar, c.commands, {Cmd::BuildMatrix, Cmd::Print, Cmd::FinishRace, kSeparator});
    for (Cmd f : kClassFilters) add(bar, c.commands, {f});
}

void fillRaceFileMenu(QMenu* menu, CommandTable& commands) {
    add(menu, commands,
        {Cmd::CloseRace, Cmd::SaveRace, Cmd::SaveRaceAs, kSeparator, Cmd::BuildMatrix, Cmd::Print,
         Cmd::QuickPrint, Cmd::PrintPilotCards, Cmd::PrintHeatDetails, kSeparator, Cmd::Properties,
         Cmd::FinishRace, kSeparator, Cmd::Exit});
}

void fillHeatContextMenu(QMenu* menu, CommandTable& commands) {
    add(menu, commands,
        {Cmd::EnterResults, Cmd::ResetRound, Cmd::ResetHeat, Cmd::SwapPilots, kSeparator,
         Cmd::HeatSheets, Cmd::HeatCards, kSeparator, Cmd::Print, Cmd::QuickPrint,
         Cmd::PrintSpectatorProgram, Cmd::OutputTimingFile, Cmd::PrintReFlyCard, kSeparator});
    for (Cmd f : kClassFilters) add(menu, commands, {f});
}

}  // namespace korva

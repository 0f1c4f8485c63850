#include "app/PilotWindow.h"

#include "app/QtText.h"
#include "race/KORVARaceDoc.h"

namespace korva {

PilotWindow::PilotWindow(KORVARaceDoc& race, QWidget* parent)
    : RaceListWindow(race, {tr("Name"), tr("#"), tr("Class"), tr("Chan"), tr("KORVA")},
                     tr("Pilots"), parent) {}

void PilotWindow::fill() {
    const KORVARaceDoc& r = race();
    for (const auto& p : r.pilots) {
        if (!p->active && !r.showInactive) continue;
        if (!r.bracketUsed(p->bracket)) continue;
        if (bracketFilter() != -1 && bracketFilter() != p->bracket) continue;
        QString name = toQt(p->fullName());
        if (p->classIndex == 0) name += QStringLiteral(" (9)");
        addRow({name, QString::number(p->pilotNumber), toQt(r.classNameOf(p->classIndex)),
                QString::number(p->channel), toQt(p->associationNumber)});
    }
}

}  // namespace korva

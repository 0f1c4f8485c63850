#include "app/PlaneWindow.h"

#include "app/QtText.h"
#include "race/KORVARaceDoc.h"

namespace korva {

PlaneWindow::PlaneWindow(KORVARaceDoc& race, QWidget* parent)
    : RaceListWindow(
          race, {tr("Name"), tr("#"), tr("Class"), tr("Color"), tr("Description"), tr("Engine")},
          tr("Planes"), parent) {}

void PlaneWindow::fill() {
    const KORVARaceDoc& r = race();
    for (const auto& plane : r.planes) {
        const KORVAPilot* owner = r.pilotByNumber(plane->pilotNumber);
        const int bracket = owner ? owner->bracket : -1;
        if (!r.bracketUsed(bracket)) continue;
        // Backup planes belong to no class: they show only without a filter.
        if (bracketFilter() != -1 && (plane->backup || bracket != bracketFilter())) continue;
        QString name = owner ? toQt(owner->fullName()) : QString();
        if (owner && owner->classIndex == 0) name += QStringLiteral(" (9)");
        const QString cls =
            plane->backup || !owner ? QStringLiteral(" ") : toQt(r.classNameOf(owner->classIndex));
        addRow({name, QString::number(plane->pilotNumber), cls, toQt(plane->mainColor),
                toQt(plane->type), toQt(plane->engine)});
    }
}

}  // namespace korva

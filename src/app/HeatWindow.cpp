#include "app/HeatWindow.h"

#include "app/QtText.h"
#include "race/KORVARaceDoc.h"

namespace korva {

HeatWindow::HeatWindow(KORVARaceDoc& race, QWidget* parent)
    : RaceListWindow(
          race,
          {tr("Round.Heat"), tr("Heat"), tr("Lane 1"), tr("Lane 2"), tr("Lane 3"), tr("Lane 4")},
          tr("Heats"), parent) {}

void HeatWindow::fill() {
    const KORVARaceDoc& r = race();
    for (int bracket = 0; bracket < kBracketCount; ++bracket) {
        if (bracketFilter() != -1 && bracketFilter() != bracket) continue;
        const KORVAMatrix& matrix = r.raceMatrix.matrix(bracket);
        const QString cls = toQt(r.classNameOf(matrix.ClassCode));
        int absolute = 0;
        for (const auto& round : matrix.rounds) {
            for (const auto& heat : round->heats) {
                ++absolute;
                QStringList cells{QStringLiteral("%1.%2 %3")
                                      .arg(round->number())
                                      .arg(heat->heatNumber)
                                      .arg(absolute == 1 ? cls : QString()),
                                  QString::number(absolute)};
                for (std::int32_t number : heat->lanePilot) {
                    const KORVAPilot* p = r.pilotByNumber(number);
                    cells
                        << (p ? QStringLiteral("%1 Ch%2").arg(toQt(p->shortName())).arg(p->channel)
                              : QString());
                }
                QTreeWidgetItem* row = addRow(cells);
                if (heat->isComplete())
                    row->setIcon(0, style()->standardIcon(QStyle::SP_DialogApplyButton));
            }
        }
    }
}

}  // namespace korva

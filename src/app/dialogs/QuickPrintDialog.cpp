// "Select Quick Print Items": the race's classes, the reports in three groups by when in the
// race they are wanted, and where the pages go.

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <memory>
#include <utility>
#include <vector>

#include "app/dialogs/PrintFormDialog.h"
#include "app/dialogs/QtPrintForms.h"

namespace korva {

namespace {

using Item = std::pair<bool QuickPrintForm::*, const char*>;
using Boxes = std::vector<std::pair<bool QuickPrintForm::*, QCheckBox*>>;

// The boxes of one group, each named after its field.
void addGroup(const QString& title, std::initializer_list<std::pair<Item, QString>> items,
              const QuickPrintForm& form, QBoxLayout* into, QWidget* parent, Boxes& boxes) {
    auto* group = new QGroupBox(title, parent);
    auto* column = new QVBoxLayout(group);
    for (const auto& [item, text] : items) {
        QCheckBox* box = checkBox(text, form.*item.first, item.second, group);
        column->addWidget(box);
        boxes.emplace_back(item.first, box);
    }
    column->addStretch();
    into->addWidget(group);
}

}  // namespace

std::optional<QuickPrintForm> QtPrintForms::quickPrint(const QuickPrintForm& form) {
    PrintFormDialog d(QObject::tr("Select Quick Print Items"), "quickPrint", form, parent());
    auto classes = std::make_shared<ClassBoxes>(form.classes, d.body(), &d);
    // Only the classes the race has.
    for (int b = 0; b < kBracketCount; ++b) {
        if ((form.classes.enabled & (1 << b)) != 0) continue;
        const QString name = QStringLiteral("class%1").arg(b);
        if (auto* box = d.findChild<QCheckBox*>(name)) box->hide();
    }
    auto boxes = std::make_shared<Boxes>();
    // Pre race beside the two later groups, so that the dialog stays narrow.
    auto* groups = new QHBoxLayout;
    auto* later = new QVBoxLayout;
    using F = QuickPrintForm;
    addGroup(QObject::tr("Pre Race"),
             {{{&F::matrixPoster, "matrixPoster"}, QObject::tr("Matrix Poster (Heat Sheets)")},
              {{&F::heatCards, "heatCards"}, QObject::tr("Heat Cards (Starter)")},
              {{&F::pilotHandouts, "pilotHandouts"}, QObject::tr("Pilot Handouts (Heats)")},
              {{&F::spectatorProgram, "spectatorProgram"}, QObject::tr("Spectator Program")}},
             form, groups, &d, *boxes);
    groups->addLayout(later);
    addGroup(QObject::tr("During Race"),
             {{{&F::newHeatCards, "newHeatCards"}, QObject::tr("New Heat Cards")},
              {{&F::resultsDuringRace, "resultsDuringRace"}, QObject::tr("Results Sheet")}},
             form, later, &d, *boxes);
    addGroup(QObject::tr("Post Race"),
             {{{&F::heatResults, "heatResults"}, QObject::tr("Heat Results Details Sheet")},
              {{&F::resultsPostRace, "resultsPostRace"}, QObject::tr("Results Sheet")}},
             form, later, &d, *boxes);
    d.body()->addLayout(groups);
    for (const auto& [item, text] :
         {std::pair<Item, QString>{{&F::htmlOnly, "htmlOnly"},
                                   QObject::tr("HTML Output Only, No Print")},
          std::pair<Item, QString>{{&F::saveAsPdf, "saveAsPdf"}, QObject::tr("Save as PDF")}}) {
        QCheckBox* box = checkBox(text, form.*item.first, item.second, &d);
        d.body()->addWidget(box);
        boxes->emplace_back(item.first, box);
    }
    d.onAccept([classes, boxes](QuickPrintForm& f) {
        f.classes = classes->read(f.classes);
        for (const auto& [member, box] : *boxes) f.*member = box->isChecked();
    });
    return runForm(d);
}

}  // namespace korva

#include "app/dialogs/QtPrintForms.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "app/dialogs/PrintFormDialog.h"

namespace korva {

namespace {

QLabel* label(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    return l;
}

}  // namespace

QWidget* QtPrintForms::parent() const {
    return formParent(parent_.data());
}

std::optional<HtmlFileDispositionForm> QtPrintForms::htmlFileDisposition(
    const HtmlFileDispositionForm& form) {
    PrintFormDialog d(QObject::tr("HTML File Disposition"), "htmlFileDisposition", form, parent());
    QButtonGroup* choice =
        choiceOfOne({},
                    {QObject::tr("Print Now and Keep Files"),
                     QObject::tr("Keep Files for Manual Print (recommended)")},
                    form.choice == HtmlDisposition::PrintNow ? 0 : 1, "disposition", d.body(), &d);
    d.onAccept([choice](HtmlFileDispositionForm& f) {
        f.choice = choice->checkedId() == 0 ? HtmlDisposition::PrintNow
                                            : HtmlDisposition::KeepForManualPrint;
    });
    return runForm(d);
}

std::optional<PrintReminderForm> QtPrintForms::printReminder(const PrintReminderForm& form) {
    PrintFormDialog d(QObject::tr("Print Reminder"), "printReminder", form, parent());
    d.body()->addWidget(label(QObject::tr("The current output is usually printed on:"), &d));
    QLabel* paper = label(toQt(form.paperName), &d);
    paper->setObjectName(QStringLiteral("paper"));
    QFont bold = paper->font();
    bold.setBold(true);
    paper->setFont(bold);
    paper->setAlignment(Qt::AlignCenter);
    d.body()->addWidget(paper);
    d.body()->addWidget(
        label(QObject::tr("Make sure you have the correct paper in the printer"), &d));
    QCheckBox* dont =
        checkBox(QObject::tr("Don't remind me again"), form.dontRemindAgain, "dontRemind", &d);
    d.body()->addWidget(dont);
    d.onAccept([dont](PrintReminderForm& f) { f.dontRemindAgain = dont->isChecked(); });
    return runForm(d);
}

std::optional<PrintHeatsForm> QtPrintForms::printHeats(const PrintHeatsForm& form) {
    PrintFormDialog d(toQt(form.caption), "printHeats", form, parent());
    auto classes = std::make_shared<ClassBoxes>(form.classes, d.body(), &d);
    auto* rows = new QFormLayout;
    rows->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    // The form's check tells about a range out of order, so the boxes allow any round.
    QSpinBox* begin = spinBox(0, kHighestPrintRound, form.beginRound, "beginRound", &d);
    QSpinBox* end = spinBox(0, kHighestPrintRound, form.endRound, "endRound", &d);
    auto* date = new QLineEdit(toQt(form.printDate), &d);
    date->setObjectName(QStringLiteral("printDate"));
    rows->addRow(QObject::tr("Begin Round"), begin);
    rows->addRow(QObject::tr("End Round"), end);
    rows->addRow(QObject::tr("Print Date"), date);
    d.body()->addLayout(rows);
    QCheckBox* icons = checkBox(QObject::tr("Icons"), form.icons, "icons", &d);
    QCheckBox* start =
        checkBox(QObject::tr("ID Round Start Card"), form.idRoundStartCard, "idRoundStart", &d);
    d.body()->addWidget(icons);
    d.body()->addWidget(start);
    QButtonGroup* flags = choiceOfOne(
        QObject::tr("Wing Flags"),
        {QObject::tr("Nose Left"), QObject::tr("Nose Up"), QObject::tr("Don't Display")},
        static_cast<int>(form.wingFlags), "wingFlags", d.body(), &d);
    d.onAccept([=](PrintHeatsForm& f) {
        f.classes = classes->read(f.classes);
        f.beginRound = begin->value();
        f.endRound = end->value();
        f.printDate = fromQt(date->text());
        f.icons = icons->isChecked();
        f.idRoundStartCard = start->isChecked();
        f.wingFlags = static_cast<WingFlags>(flags->checkedId());
    });
    return runForm(d);
}

std::optional<PrintOnlyChangedForm> QtPrintForms::printOnlyChanged(
    const PrintOnlyChangedForm& form) {
    PrintFormDialog d(QObject::tr("Print Only Changed"), "printOnlyChanged", form, parent());
    QCheckBox* only = checkBox(QObject::tr("Print only those changed since previous print"),
                               form.onlyChanged, "onlyChanged", &d);
    d.body()->addWidget(only);
    d.onAccept([only](PrintOnlyChangedForm& f) { f.onlyChanged = only->isChecked(); });
    return runForm(d);
}

std::optional<HeatDetailsTypeForm> QtPrintForms::heatDetailsType(const HeatDetailsTypeForm& form) {
    PrintFormDialog d(QObject::tr("Select Heat Details Print Type"), "heatDetailsType", form,
                      parent());
    QButtonGroup* type =
        choiceOfOne({}, {QObject::tr("Heat Cards"), QObject::tr("Heat Results")},
                    form.type == HeatDetailsType::HeatCards ? 0 : 1, "type", d.body(), &d);
    d.body()->addWidget(label(
        QObject::tr("Heat details may be printed as Heat Cards or a Results Listing.\n\nHeat "
                    "Cards are normally printed only once before a race starts.\n\nHeat Results "
                    "are usually printed after a race is complete."),
        &d));
    d.onAccept([type](HeatDetailsTypeForm& f) {
        f.type = type->checkedId() == 0 ? HeatDetailsType::HeatCards : HeatDetailsType::HeatResults;
    });
    return runForm(d);
}

std::optional<DetailPilotsForm> QtPrintForms::detailPilots(const DetailPilotsForm& form) {
    PrintFormDialog d(QObject::tr("Select Detail Pilot(s)"), "detailPilots", form, parent());
    QCheckBox* all = checkBox(QObject::tr("All Pilots"), form.allPilots, "allPilots", &d);
    QSpinBox* single = spinBox(0, 9999, form.singlePilot, "singlePilot", &d);
    single->setEnabled(!form.allPilots);
    QObject::connect(all, &QCheckBox::toggled, single, &QWidget::setDisabled);
    auto* rows = new QFormLayout;
    rows->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    rows->addRow(all);
    rows->addRow(QObject::tr("Single Pilot Number"), single);
    d.body()->addLayout(rows);
    d.onAccept([all, single](DetailPilotsForm& f) {
        f.allPilots = all->isChecked();
        f.singlePilot = single->value();
    });
    return runForm(d);
}

std::optional<PilotPrintForm> QtPrintForms::pilotPrint(const PilotPrintForm& form) {
    PrintFormDialog d(QObject::tr("Select  Pilot Print"), "pilotPrint", form, parent());
    // The columns in the order the list prints them.
    const std::pair<bool PilotPrintForm::*, const char*> columns[] = {
        {&PilotPrintForm::icons, "Icons"},       {&PilotPrintForm::number, "Number"},
        {&PilotPrintForm::classColumn, "Class"}, {&PilotPrintForm::channel, "Channel"},
        {&PilotPrintForm::points, "Points"},     {&PilotPrintForm::lowTime, "Low Time"},
        {&PilotPrintForm::korva, "KORVA"}};
    std::vector<std::pair<bool PilotPrintForm::*, QCheckBox*>> boxes;
    for (const auto& [member, text] : columns) {
        QCheckBox* box = checkBox(QObject::tr(text), form.*member, text, &d);
        d.body()->addWidget(box);
        boxes.emplace_back(member, box);
    }
    d.onAccept([boxes](PilotPrintForm& f) {
        for (const auto& [member, box] : boxes) f.*member = box->isChecked();
    });
    return runForm(d);
}

std::optional<SpectatorProgramsForm> QtPrintForms::spectatorPrograms(
    const SpectatorProgramsForm& form) {
    PrintFormDialog d(QObject::tr("Print Spectator Programs"), "spectatorPrograms", form, parent());
    auto classes = std::make_shared<ClassBoxes>(form.classes, d.body(), &d);
    QButtonGroup* size =
        choiceOfOne(QObject::tr("Font Size"),
                    {QObject::tr("Small"), QObject::tr("Medium"), QObject::tr("Large")},
                    static_cast<int>(form.fontSize), "fontSize", d.body(), &d);
    d.onAccept([classes, size](SpectatorProgramsForm& f) {
        f.classes = classes->read(f.classes);
        f.fontSize = static_cast<SpectatorFontSize>(size->checkedId());
    });
    return runForm(d);
}

std::optional<RoundCountForm> QtPrintForms::roundCount(const RoundCountForm& form) {
    PrintFormDialog d(QObject::tr("Round Quantity"), "roundCount", form, parent());
    QSpinBox* rounds = spinBox(1, form.highest, form.rounds, "rounds", &d);
    auto* rows = new QFormLayout;
    rows->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    rows->addRow(QObject::tr("Quantity of rounds "), rounds);
    d.body()->addLayout(rows);
    rounds->setFocus();
    d.onAccept([rounds](RoundCountForm& f) { f.rounds = rounds->value(); });
    return runForm(d);
}

}  // namespace korva

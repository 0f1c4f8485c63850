#include "app/dialogs/PilotFormDialog.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "app/QtText.h"
#include "app/dialogs/FormFields.h"
#include "race/KORVAPilotMaster.h"

namespace korva {

namespace {
constexpr int kNoChannel = -1;
constexpr int kFormWidth = 640;
constexpr int kIdFieldChars = 16;  // what the pilot ID field asks for, whatever the list holds
constexpr int kClassCount = 5;
const char* const kCategories[] = {"", "1", "2", "3", "4"};

QFormLayout* rowsOf(QGroupBox* group) {
    auto* rows = new QFormLayout(group);
    rows->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return rows;
}

// "ID  First Last" for each ID of the master file, so a pilot is found by name as well.
std::map<std::string, std::string> masterNames(const KORVAPilotMaster* master) {
    std::map<std::string, std::string> names;
    if (!master) return names;
    for (const auto& p : master->pilots) names.emplace(p->pilotId, p->fullName());
    return names;
}
}  // namespace

PilotFormDialog::PilotFormDialog(const PilotForm& form, const PilotFormSetup& setup,
                                 Interaction& ui, QWidget* parent)
    : FormDialog(toQt(setup.title), parent), form_(form), setup_(setup), ui_(ui) {
    setObjectName(QStringLiteral("pilotForm"));
    setMinimumWidth(kFormWidth);
    auto* columns = new QHBoxLayout;
    auto* person = new QVBoxLayout;
    auto* race = new QVBoxLayout;
    columns->addLayout(person, 3);
    columns->addLayout(race, 2);
    body()->addLayout(columns);
    buildPerson(person);
    buildRace(race);
    focus(setup.focus.empty() ? pilotfield::kPilotId : setup.focus);
}

QLineEdit* PilotFormDialog::text(const char* name, std::string PilotForm::*field) {
    auto* edit = new QLineEdit(typedToQt(form_.*field), this);
    edit->setObjectName(QString::fromLatin1(name));
    texts_.emplace_back(edit, field);
    return edit;
}

QCheckBox* PilotFormDialog::flag(const QString& label, const char* name, bool PilotForm::*field) {
    auto* box = new QCheckBox(label, this);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(form_.*field);
    flags_.emplace_back(box, field);
    return box;
}

void PilotFormDialog::buildPerson(QVBoxLayout* layout) {
    auto* pilot = new QGroupBox(tr("Pilot"), this);
    auto* rows = rowsOf(pilot);
    pilotId_ = new QComboBox(pilot);
    pilotId_->setObjectName(QStringLiteral("pilotId"));
    pilotId_->setEditable(true);
    pilotId_->setInsertPolicy(QComboBox::NoInsert);
    const auto names = masterNames(setup_.master);
    for (const std::string& id : setup_.masterIds) {
        const auto name = names.find(id);
        const std::string shown = name == names.end() ? id : id + "   " + name->second;
        pilotId_->addItem(toQt(shown), toQt(id));
    }
    pilotId_->setEditText(typedToQt(form_.pilotId));
    // A long name in the list widens the list when it drops down, never the form.
    pilotId_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    pilotId_->setMinimumContentsLength(kIdFieldChars);
    pilotId_->view()->setTextElideMode(Qt::ElideNone);
    pilotId_->view()->setMinimumWidth(pilotId_->view()->sizeHintForColumn(0) +
                                      pilotId_->view()->verticalScrollBar()->sizeHint().width());
    pilotId_->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    pilotId_->completer()->setFilterMode(Qt::MatchContains);
    pilotId_->completer()->setCompletionMode(QCompleter::PopupCompletion);
    pilotId_->setToolTip(tr("Type a pilot ID or a name to choose a pilot on file"));
    connect(pilotId_, &QComboBox::activated, this,
            [this](int index) { chooseMasterPilot(pilotId_->itemText(index)); });
    connect(pilotId_->completer(), qOverload<const QString&>(&QCompleter::activated), this,
            &PilotFormDialog::chooseMasterPilot);
    lastId_ = pilotId_->currentText();
    connect(pilotId_->lineEdit(), &QLineEdit::editingFinished, this, &PilotFormDialog::idTyped);
    pilotId_->lineEdit()->installEventFilter(this);
    rows->addRow(tr("Pilot ID"), pilotId_);
    rows->addRow(tr("KORVA #"), text("associationNumber", &PilotForm::associationNumber));
    rows->addRow(tr("First Name"), text(pilotfield::kFirstName, &PilotForm::firstName));
    auto* initial = text(pilotfield::kMiddleInitial, &PilotForm::middleInitial);
    initial->setMaximumWidth(initial->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMM")));
    rows->addRow(tr("M.I."), initial);
    rows->addRow(tr("Last Name"), text(pilotfield::kLastName, &PilotForm::lastName));
    layout->addWidget(pilot);

    auto* address = new QGroupBox(tr("Address"), this);
    rows = rowsOf(address);
    rows->addRow(tr("Address"), text("address", &PilotForm::address));
    rows->addRow(tr("City"), text("city", &PilotForm::city));
    rows->addRow(tr("State/Prov"), text("state", &PilotForm::state));
    rows->addRow(tr("Postal Code"), text("postalCode", &PilotForm::postalCode));
    layout->addWidget(address);

    auto* contact = new QGroupBox(tr("Contact"), this);
    rows = rowsOf(contact);
    rows->addRow(tr("Day"), text("phoneDay", &PilotForm::phoneDay));
    rows->addRow(tr("Night"), text("phoneNight", &PilotForm::phoneNight));
    rows->addRow(tr("Cell"), text("phoneCell", &PilotForm::phoneCell));
    rows->addRow(tr("E-Mail"), text("email", &PilotForm::email));
    rows->addRow(tr("Pager"), text("pager", &PilotForm::pager));
    layout->addWidget(contact);
    // One label width for the three groups, so that their fields line up.
    QList<QLabel*> labels;
    for (const QGroupBox* group : {pilot, address, contact})
        labels << group->findChildren<QLabel*>();
    int widest = 0;
    for (const QLabel* l : labels) widest = std::max(widest, l->sizeHint().width());
    for (QLabel* l : labels) {
        l->setMinimumWidth(widest);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

void PilotFormDialog::buildRace(QVBoxLayout* layout) {
    auto* race = new QGroupBox(tr("Race"), this);
    auto* rows = rowsOf(race);
    auto* number = new QLabel(QString::number(form_.pilotNumber), race);
    number->setObjectName(QStringLiteral("pilotNumber"));
    QFont bold = number->font();
    bold.setBold(true);
    number->setFont(bold);
    rows->addRow(tr("Pilot #"), number);

    auto* classBox = new QWidget(race);
    auto* classRows = new QVBoxLayout(classBox);
    classRows->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(this);
    const QString labels[kClassCount] = {tr("APRA 9 Lap"), tr("APRA"), tr("424"), tr("426"),
                                         toQt(setup_.thirdClassName)};
    for (int c = 0; c < kClassCount; ++c) {
        auto* radio = new QRadioButton(labels[c], classBox);
        radio->setObjectName(QStringLiteral("class%1").arg(c));
        radio->setChecked(form_.classIndex == c);
        // A pilot in a class the race does not run would vanish from the lists.
        const int bracket = bracketOfClass(c);
        radio->setEnabled(setup_.bracketUsed[static_cast<std::size_t>(bracket)] ||
                          form_.classIndex == c);
        group->addButton(radio, c);
        classRows->addWidget(radio);
        classes_[static_cast<std::size_t>(c)] = radio;
    }
    rows->addRow(tr("Class"), classBox);

    channel_ = numberField(form_.channel, kNoChannel, pilotfield::kChannel, race);
    rows->addRow(tr("Channel"), channel_);
    buddy_ = numberField(form_.buddy, -1, pilotfield::kBuddy, race);
    buddy_->setToolTip(tr("Pilot number of the buddy in the same class; 0 for none"));
    rows->addRow(tr("Buddy"), buddy_);
    std::vector<std::string> categories(std::begin(kCategories), std::end(kCategories));
    category_ = listField(categories, form_.category, "category", race);
    category_->setToolTip(tr("Power level, 1 to 4, or empty"));
    rows->addRow(tr("Category"), category_);
    rows->addRow(flag(tr("Lane 1 Affinity"), "lane1Affinity", &PilotForm::lane1Affinity));
    layout->addWidget(race);

    auto* status = new QGroupBox(tr("Status"), this);
    auto* boxes = new QVBoxLayout(status);
    boxes->addWidget(flag(tr("Active"), "active", &PilotForm::active));
    boxes->addWidget(flag(tr("Paid"), "paid", &PilotForm::paid));
    boxes->addWidget(flag(tr("Signed Waiver"), "signedWaiver", &PilotForm::signedWaiver));
    boxes->addWidget(flag(tr("DQ"), "dq", &PilotForm::dq));
    layout->addWidget(status);
    layout->addStretch();
}

void PilotFormDialog::collect() {
    // A line of the list shows the name after the ID: the ID is what is kept.
    const int listed =
        pilotId_->findText(pilotId_->currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    form_.pilotId =
        typedFromQt(listed >= 0 ? pilotId_->itemData(listed).toString() : pilotId_->currentText());
    for (const auto& [edit, field] : texts_) form_.*field = typedFromQt(edit->text());
    for (const auto& [box, field] : flags_) form_.*field = box->isChecked();
    form_.category = listValue(category_);
    form_.channel = numberValue(channel_, kNoChannel);
    form_.buddy = numberValue(buddy_, 0);
    form_.classIndex = -1;
    for (int c = 0; c < kClassCount; ++c) {
        if (classes_[static_cast<std::size_t>(c)]->isChecked()) form_.classIndex = c;
    }
}

void PilotFormDialog::showTexts() {
    pilotId_->setEditText(typedToQt(form_.pilotId));
    for (const auto& [edit, field] : texts_) edit->setText(typedToQt(form_.*field));
}

void PilotFormDialog::chooseMasterPilot(const QString& shown) {
    const int listed = pilotId_->findText(shown, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (listed < 0 || !setup_.master) return;
    collect();
    lastId_ = pilotId_->itemData(listed).toString();
    if (fillFromMaster(form_, *setup_.master, typedFromQt(lastId_))) {
        // After the completer has written its own text into the field.
        QMetaObject::invokeMethod(
            this, [this] { showTexts(); }, Qt::QueuedConnection);
        showTexts();
    }
}

void PilotFormDialog::idTyped() {
    const QString typed = pilotId_->currentText().trimmed();
    if (typed == lastId_) return;
    lastId_ = typed;
    const int listed = pilotId_->findData(typed);
    if (listed >= 0) chooseMasterPilot(pilotId_->itemText(listed));
}

bool PilotFormDialog::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the pilot ID takes the pilot on file and goes on to the next field, instead
    // of closing the form half filled.
    if (watched == pilotId_->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            pilotId_->completer()->popup()->hide();
            idTyped();
            focusNextChild();
            return true;
        }
    }
    return FormDialog::eventFilter(watched, event);
}

void PilotFormDialog::focus(const std::string& field) {
    QWidget* target = findChild<QWidget*>(toQt(field));
    if (field == pilotfield::kClass) {
        target = classes_[0];
        for (QRadioButton* radio : classes_) {
            if (radio->isChecked()) target = radio;
        }
    }
    if (!target) return;
    target->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(target)) edit->selectAll();
}

bool PilotFormDialog::tryAccept() {
    collect();
    // The core's check trims the texts and tells what is missing; it runs again once the
    // form is closed, and then finds nothing more to say.
    const FormCheck check = checkPilotForm(form_, setup_, ui_);
    showTexts();
    if (!check.accepted) focus(check.focus);
    return check.accepted;
}

}  // namespace korva

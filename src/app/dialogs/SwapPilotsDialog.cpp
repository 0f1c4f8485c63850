#include "app/dialogs/SwapPilotsDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "app/QtText.h"
#include "app/dialogs/FormFields.h"

namespace korva {

namespace {
// An empty field reads as this and gets the range message.
constexpr int kEmpty = -1;

QString rangeHint(const SwapPilotsSetup& setup, const SwapValueRange& range, SwapType type) {
    switch (type) {
        case SwapType::SingleHeatSlots:
            return QObject::tr(
                       "Heats 1 to %1, lanes 1 to %2, rounds 1 to %3; only heats without"
                       " results")
                .arg(range.high)
                .arg(kSwapLanes)
                .arg(setup.roundMax);
        case SwapType::PilotsAllHeats:
            return QObject::tr("Pilot numbers 1 to %1; every round not yet started")
                .arg(range.high);
        case SwapType::ChannelsAllHeats:
            return QObject::tr("Channels %1 to %2; every round not yet started")
                .arg(range.low)
                .arg(range.high);
    }
    return {};
}
}  // namespace

SwapPilotsDialog::SwapPilotsDialog(const KORVASwapPilotsDlg& form, const SwapPilotsSetup& setup,
                                   Interaction& ui, QWidget* parent)
    : FormDialog(tr("Swap Pilots"), parent), values_(form), setup_(setup), ui_(ui) {
    setObjectName(QStringLiteral("swapPilots"));
    brackets_ = radioRow(tr("Class"), setup_.bracketLabels, "bracket", values_.bracket);
    for (int b = 0; b < kBracketCount; ++b) {
        brackets_->button(b)->setEnabled(setup_.bracketEnabled[static_cast<std::size_t>(b)]);
    }
    types_ = radioRow(tr("Swap Type"), swapTypeLabels(), "type", static_cast<int>(values_.type));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    auto* roundLabel = new QLabel(tr("&Round"), this);
    round_ = valueField(values_.round, "round");
    roundLabel->setBuddy(round_);
    grid->addWidget(roundLabel, 0, 0);
    grid->addWidget(round_, 0, 1);
    firstLabel_ = new QLabel(this);
    firstLabel_->setObjectName(QStringLiteral("firstLabel"));
    first_ = valueField(values_.first, "first");
    firstLane_ = valueField(values_.firstLane, "firstLane");
    secondLabel_ = new QLabel(this);
    secondLabel_->setObjectName(QStringLiteral("secondLabel"));
    second_ = valueField(values_.second, "second");
    secondLane_ = valueField(values_.secondLane, "secondLane");
    slotOnly_ = {roundLabel, round_, firstLane_, secondLane_};
    int line = 1;
    for (auto [label, value, lane] : {std::tuple{firstLabel_, first_, firstLane_},
                                      std::tuple{secondLabel_, second_, secondLane_}}) {
        label->setBuddy(value);
        auto* laneLabel = new QLabel(tr("Lane"), this);
        slotOnly_.push_back(laneLabel);
        grid->addWidget(label, line, 0);
        grid->addWidget(value, line, 1);
        grid->addWidget(laneLabel, line, 2);
        grid->addWidget(lane, line, 3);
        ++line;
    }
    grid->setColumnStretch(4, 1);
    body()->addLayout(grid);
    range_ = new QLabel(this);
    range_->setObjectName(QStringLiteral("range"));
    range_->setWordWrap(true);
    body()->addWidget(range_);

    connect(brackets_, &QButtonGroup::idClicked, this, [this] { updateForType(); });
    connect(types_, &QButtonGroup::idClicked, this, [this] { updateForType(); });
    buttons()->button(QDialogButtonBox::Ok)->setDefault(true);
    updateForType();
    focus(setup_.focus == SwapField::None ? SwapField::First : setup_.focus);
}

QButtonGroup* SwapPilotsDialog::radioRow(const QString& title,
                                         const std::array<std::string, 3>& labels, const char* name,
                                         int checked) {
    auto* box = new QGroupBox(title, this);
    auto* row = new QHBoxLayout(box);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(toQt(labels[static_cast<std::size_t>(i)]), box);
        radio->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(i));
        radio->setChecked(i == checked);
        group->addButton(radio, i);
        row->addWidget(radio);
    }
    row->addStretch(1);
    body()->addWidget(box);
    return group;
}

QLineEdit* SwapPilotsDialog::valueField(int value, const char* name) {
    return numberField(value, kEmpty, name, this);
}

void SwapPilotsDialog::updateForType() {
    const int bracket = brackets_->checkedId();
    const auto type = static_cast<SwapType>(std::max(0, types_->checkedId()));
    const SwapValueRange range = swapValueRange(setup_, bracket, type);
    firstLabel_->setText(toQt(range.firstLabel));
    secondLabel_->setText(toQt(range.secondLabel));
    for (QWidget* w : slotOnly_) w->setVisible(range.roundAndLanesShown);
    range_->setText(rangeHint(setup_, range, type));
    // No empty band where the hidden round and lanes were.
    if (layout()) layout()->activate();
    adjustSize();
}

void SwapPilotsDialog::readFields() {
    values_.bracket = brackets_->checkedId();
    values_.type = static_cast<SwapType>(std::max(0, types_->checkedId()));
    values_.first = numberValue(first_, kEmpty);
    values_.second = numberValue(second_, kEmpty);
    values_.firstLane = numberValue(firstLane_, kEmpty);
    values_.secondLane = numberValue(secondLane_, kEmpty);
    values_.round = numberValue(round_, kEmpty);
}

void SwapPilotsDialog::focus(SwapField field) {
    QWidget* target = nullptr;
    switch (field) {
        case SwapField::Bracket: target = brackets_->checkedButton(); break;
        case SwapField::None:
        case SwapField::First: target = first_; break;
        case SwapField::Second: target = second_; break;
        case SwapField::FirstLane: target = firstLane_; break;
        case SwapField::SecondLane: target = secondLane_; break;
        case SwapField::Round: target = round_; break;
    }
    if (!target) return;
    target->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(target)) edit->selectAll();
}

bool SwapPilotsDialog::tryAccept() {
    readFields();
    // The same checks the command makes, here so that a wrong value never closes the form.
    const FormVerdict<SwapField> check = checkSwapPilotsForm(values_, setup_, ui_);
    if (check.accepted) return true;
    focus(check.focus);
    return false;
}

std::optional<KORVASwapPilotsDlg> QtSwapPilotsForms::swapPilotsForm(const KORVASwapPilotsDlg& form,
                                                                    const SwapPilotsSetup& setup) {
    SwapPilotsDialog dialog(form, setup, ui_, formParent(parent_.data()));
    return runForm(dialog);
}

}  // namespace korva

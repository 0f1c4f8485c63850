#include "app/dialogs/RacePropertiesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>

#include "app/QtText.h"
#include "app/pictures/WingFlagPictures.h"
#include "properties/LaneColors.h"

namespace korva {

namespace {
constexpr int kFlagHeight = 32;
constexpr int kMinimumWidth = 660;
}

RacePropertiesDialog::RacePropertiesDialog(const RacePropertiesSetup& setup,
                                           const RaceProperties& values,
                                           FormValidator<RaceProperties> check, Interaction& ui,
                                           QWidget* parent)
    : FormDialog(toQt(setup.windowTitle), parent),
      setup_(setup),
      values_(values),
      check_(std::move(check)),
      ui_(ui) {
    setObjectName(QStringLiteral("raceProperties"));
    setMinimumWidth(kMinimumWidth);
    if (setup.creating) body()->addWidget(buildFile());
    auto* title = textField("title", &RaceProperties::title);
    title->setPlaceholderText(toQt(setup.titlePlaceholder));
    auto* titleRow = new QFormLayout;
    titleRow->addRow(tr("Race &title"), title);
    body()->addLayout(titleRow);

    auto* columns = new QGridLayout;
    columns->addWidget(buildClasses(), 0, 0);
    columns->addWidget(buildMatrix(), 1, 0);
    columns->addWidget(buildFlags(), 2, 0);
    columns->addWidget(buildScoring(), 0, 1);
    columns->addWidget(buildPrinting(), 1, 1, 2, 1);
    body()->addLayout(columns);
    showValues();
    (setup.creating ? static_cast<QWidget*>(fileName_) : title)->setFocus();
}

QCheckBox* RacePropertiesDialog::flagBox(const QString& text, const char* name,
                                         bool RaceProperties::*field) {
    auto* b = new QCheckBox(text, this);
    b->setObjectName(QString::fromLatin1(name));
    connect(b, &QCheckBox::toggled, this, [this, field](bool on) {
        if (showing_) return;
        values_.*field = on;
        showValues();
    });
    showers_.push_back([this, b, field] { b->setChecked(values_.*field); });
    return b;
}

QCheckBox* RacePropertiesDialog::classBox(const QString& text, const char* name, ClassBox box) {
    auto* b = new QCheckBox(text, this);
    b->setObjectName(QString::fromLatin1(name));
    connect(b, &QCheckBox::toggled, this, [this, box](bool on) {
        if (showing_) return;
        tickClassBox(values_, box, on);
        showValues();
    });
    classBoxes_.emplace_back(box, b);
    return b;
}

QSpinBox* RacePropertiesDialog::spinBox(int lo, int hi, const char* name,
                                        int RaceProperties::*field) {
    auto* s = new QSpinBox(this);
    s->setRange(lo, hi);
    s->setObjectName(QString::fromLatin1(name));
    connect(s, &QSpinBox::valueChanged, this, [this, field](int v) {
        if (!showing_) values_.*field = v;
    });
    showers_.push_back([this, s, field] { s->setValue(values_.*field); });
    return s;
}

QLineEdit* RacePropertiesDialog::textField(const char* name, std::string RaceProperties::*field) {
    // The form keeps texts as typed; its check refuses what a race file cannot hold.
    auto in = [](const QString& s) { return typedFromQt(s); };
    auto out = [](const std::string& s) { return typedToQt(s); };
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    connect(e, &QLineEdit::textChanged, this, [this, e, field, in] {
        if (!showing_) values_.*field = in(e->text());
    });
    showers_.push_back([this, e, field, in, out] {
        if (in(e->text()) != values_.*field) e->setText(out(values_.*field));
    });
    return e;
}

QComboBox* RacePropertiesDialog::choice(const QStringList& items, const char* name,
                                        int RaceProperties::*field) {
    auto* c = new QComboBox(this);
    c->addItems(items);
    c->setObjectName(QString::fromLatin1(name));
    connect(c, &QComboBox::currentIndexChanged, this, [this, field](int i) {
        if (!showing_) values_.*field = i;
    });
    showers_.push_back([this, c, field] { c->setCurrentIndex(values_.*field); });
    return c;
}

QGroupBox* RacePropertiesDialog::buildFile() {
    auto* group = new QGroupBox(tr("Race file"), this);
    auto* rows = new QGridLayout(group);
    fileName_ = textField("fileName", &RaceProperties::fileName);
    auto* browse = new QPushButton(tr("&Browse..."), group);
    connect(browse, &QPushButton::clicked, this, &RacePropertiesDialog::browse);
    auto* label = new QLabel(tr("&File name"), group);
    label->setBuddy(fileName_);
    rows->addWidget(label, 0, 0);
    rows->addWidget(fileName_, 0, 1);
    rows->addWidget(browse, 0, 2);
    auto* where = new QLabel(tr("Saved in %1 unless the name has a folder; \".kvr\" is added.")
                                 .arg(QString::fromStdString(setup_.folder)),
                             group);
    where->setWordWrap(true);
    where->setEnabled(false);
    rows->addWidget(where, 1, 1, 1, 2);
    return group;
}

QGroupBox* RacePropertiesDialog::buildClasses() {
    auto* group = new QGroupBox(tr("Classes"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(classBox(tr("424 (AMA rules)"), "class424Ama", ClassBox::Ama424), 0, 0);
    grid->addWidget(classBox(tr("424 (APRA rules)"), "class424Apra", ClassBox::Apra424), 0, 1);
    grid->addWidget(classBox(tr("426"), "class426", ClassBox::C426), 1, 0);
    grid->addWidget(classBox(tr("Q40"), "classQ40", ClassBox::Q40), 1, 1);
    grid->addWidget(classBox(tr("FAI"), "faiClass", ClassBox::Fai), 2, 0);
    grid->addWidget(classBox(tr("Own class:"), "userClass", ClassBox::User), 3, 0);
    userName_ = textField("userClassName", &RaceProperties::userClassName);
    grid->addWidget(userName_, 3, 1);
    return group;
}

QGroupBox* RacePropertiesDialog::buildMatrix() {
    auto* group = new QGroupBox(tr("Matrix"), this);
    auto* rows = new QFormLayout(group);
    auto* type = choice({tr("Pilots stay in Lanes"), tr("Pilots change Lanes")}, "matrixType",
                        &RaceProperties::matrixType);
    // The second type must be confirmed; a No puts the first back.
    connect(type, &QComboBox::activated, this, [this](int i) {
        values_.matrixType = chooseMatrixType(ui_, i);
        showValues();
    });
    rows->addRow(tr("Matrix type"), type);
    rows->addRow(flagBox(tr("Maximum 3 Lanes"), "maxThreeLanes", &RaceProperties::maxThreeLanes));
    rows->addRow(flagBox(tr("Staggered Start"), "staggeredStart", &RaceProperties::staggeredStart));
    limitChannels_ = flagBox(tr("Limit Channels"), "limitChannels", &RaceProperties::limitChannels);
    rows->addRow(limitChannels_);
    auto* locks = new QHBoxLayout;
    locks->addWidget(flagBox(tr("424 Locked"), "locked424", &RaceProperties::locked424));
    locks->addWidget(flagBox(tr("426 Locked"), "locked426", &RaceProperties::locked426));
    locks->addWidget(
        flagBox(tr("Q40/FAI/RYO Locked"), "lockedThird", &RaceProperties::lockedThird));
    rows->addRow(locks);
    return group;
}

QGroupBox* RacePropertiesDialog::buildScoring() {
    auto* group = new QGroupBox(tr("Scoring"), this);
    auto* rows = new QFormLayout(group);
    rows->addRow(tr("Heat scoring"), choice({tr("AMA"), tr("1 Cut = 1 Point"), tr("Manual")},
                                            "heatScoring", &RaceProperties::heatScoring));
    rows->addRow(tr("Resolve ties"), choice({tr("Fast Time"), tr("Fly Off")}, "resolveTies",
                                            &RaceProperties::resolveTies));
    awardPlaces_ = spinBox(0, 10, "awardPlaces", &RaceProperties::awardPlaces);
    rows->addRow(tr("Award places"), awardPlaces_);
    saveReminderOn_ = new QCheckBox(tr("Save Reminder"), this);
    saveReminderOn_->setObjectName(QStringLiteral("saveReminderOn"));
    connect(saveReminderOn_, &QCheckBox::toggled, this, [this](bool on) {
        if (showing_) return;
        tickSaveReminder(values_, on);
        showValues();
    });
    saveReminder_ = spinBox(0, 99, "saveReminder", &RaceProperties::saveReminder);
    saveReminder_->setSuffix(tr(" changes"));
    rows->addRow(saveReminderOn_, saveReminder_);
    auto* fast = flagBox(tr("Fast Pilot Registration"), "fastRegistration",
                         &RaceProperties::fastRegistration);
    fast->setToolTip(
        tr("A new pilot's plane is registered as safety checked; data that differ "
           "from the pilot file leave the file as it is, without asking"));
    rows->addRow(fast);
    // One line under the box says what it does, for a director new to the program.
    auto* fastHint = new QLabel(tr("New pilots' planes come safety checked."), this);
    fastHint->setObjectName(QStringLiteral("fastRegistrationHint"));
    fastHint->setIndent(fast->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 6);
    QFont small = fastHint->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    fastHint->setFont(small);
    rows->addRow(fastHint);
    return group;
}

QGroupBox* RacePropertiesDialog::buildPrinting() {
    auto* group = new QGroupBox(tr("Printing"), this);
    auto* rows = new QFormLayout(group);
    auto* color = new QCheckBox(tr("Color"), this);
    color->setObjectName(QStringLiteral("colorPrinting"));
    connect(color, &QCheckBox::toggled, this, [this](bool on) {
        if (showing_) return;
        tickColorPrinting(values_, on);
        showValues();
    });
    showers_.push_back([this, color] { color->setChecked(values_.colorPrinting); });
    rows->addRow(color);
    heatLaneColors_ =
        flagBox(tr("Heat Lane Colors"), "heatCardLaneColors", &RaceProperties::heatCardLaneColors);
    rows->addRow(heatLaneColors_);
    rows->addRow(flagBox(tr("Heat Card Round Page Break"), "heatCardPageBreak",
                         &RaceProperties::heatCardPageBreak));
    auto* font = textField("printFont", &RaceProperties::printFont);
    auto* titleFont = textField("printTitleFont", &RaceProperties::printTitleFont);
    rows->addRow(tr("Font"), font);
    rows->addRow(tr("Title Font"), titleFont);
    rows->addRow(tr("Resolution"),
                 spinBox(1, 9999, "printResolution", &RaceProperties::printResolution));
    return group;
}

QGroupBox* RacePropertiesDialog::buildFlags() {
    auto* group = new QGroupBox(tr("Colored wing flag lanes"), this);
    auto* grid = new QGridLayout(group);
    for (int c = 0; c < 4; ++c) {
        const auto i = static_cast<std::size_t>(c);
        flagPictures_[i] = new QLabel(group);
        auto* name = new QLabel(toQt(laneColorName(laneColorCode(c, false))), group);
        if (c == 1) lowRedName_ = name;
        auto* lane = new QSpinBox(group);
        lane->setRange(1, 4);
        lane->setPrefix(tr("Lane "));
        lane->setObjectName(QStringLiteral("lane%1").arg(c));
        connect(lane, &QSpinBox::valueChanged, this, [this, i](int v) {
            if (!showing_) values_.flagLanes[i] = v;
        });
        showers_.push_back([this, lane, i] { lane->setValue(values_.flagLanes[i]); });
        lanes_[i] = lane;
        grid->addWidget(flagPictures_[i], c, 0);
        grid->addWidget(name, c, 1);
        grid->addWidget(lane, c, 2);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

void RacePropertiesDialog::showValues() {
    showing_ = true;
    for (const auto& show : showers_) show();
    const ClassBoxStates states = classBoxStates(values_, setup_);
    for (auto& [box, widget] : classBoxes_) {
        widget->setChecked(classBoxTicked(values_, box));
        widget->setEnabled(states.enabled(box));
    }
    userName_->setEnabled(states.userName);
    heatLaneColors_->setEnabled(heatLaneColorsEnabled(values_));
    saveReminderOn_->setChecked(values_.saveReminder != 0);
    saveReminder_->setEnabled(values_.saveReminder != 0);
    const bool fai = specialClassTicked(values_);
    for (int c = 0; c < 4; ++c) {
        flagPictures_[static_cast<std::size_t>(c)]->setPixmap(laneColorFlag(c, fai, kFlagHeight));
    }
    lowRedName_->setText(toQt(laneColorName(laneColorCode(1, fai))));
    showing_ = false;
}

void RacePropertiesDialog::focus(FormField field) {
    QWidget* target = nullptr;
    switch (field) {
        case FormField::FileName: target = fileName_; break;
        case FormField::Classes: target = classBoxes_.front().second; break;
        case FormField::FlagLanes: target = lanes_[0]; break;
        case FormField::AwardPlaces: target = awardPlaces_; break;
        case FormField::SaveReminder: target = saveReminder_; break;
        case FormField::LimitChannels: target = limitChannels_; break;
        case FormField::Title: target = findChild<QLineEdit*>(QStringLiteral("title")); break;
        case FormField::UserClassName: target = userName_; break;
        case FormField::PrintFont:
            target = findChild<QLineEdit*>(QStringLiteral("printFont"));
            break;
        case FormField::PrintTitleFont:
            target = findChild<QLineEdit*>(QStringLiteral("printTitleFont"));
            break;
        default: break;
    }
    if (target) target->setFocus();
}

void RacePropertiesDialog::browse() {
    const QString folder = QString::fromStdString(setup_.folder);
    const QString path =
        QFileDialog::getSaveFileName(this, tr("New race file"), folder, tr("Race files (*.kvr)"),
                                     nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) return;
    fileName_->setText(path);
}

bool RacePropertiesDialog::tryAccept() {
    if (!check_) return true;
    const FormOutcome outcome = check_(values_);
    showValues();  // the check may have adjusted values
    if (!outcome.accepted) focus(outcome.focus);
    return outcome.accepted;
}

}  // namespace korva

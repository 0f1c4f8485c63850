#include "app/dialogs/FaiDialogs.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "app/pictures/WingFlagPictures.h"
#include "properties/FaiForms.h"

namespace korva {

namespace {
constexpr int kFlagHeight = 40;

QSpinBox* spin(int lo, int hi, int value, const QString& name, QWidget* parent) {
    auto* s = new QSpinBox(parent);
    s->setRange(lo, hi);
    s->setValue(value);
    s->setObjectName(name);
    return s;
}

QFormLayout* formRows() {
    auto* rows = new QFormLayout;
    rows->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    return rows;
}

QLabel* wrapped(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    return l;
}
}  // namespace

ChannelLimitDialog::ChannelLimitDialog(const ChannelLimitForm& form,
                                       FormValidator<ChannelLimitForm> check, QWidget* parent)
    : FormDialog(tr("Limit Channels"), parent), form_(form), check_(std::move(check)) {
    setObjectName(QStringLiteral("channelLimits"));
    body()->addWidget(wrapped(tr("Most active pilots on one radio channel in each class:"), this));
    auto* rows = formRows();
    for (std::size_t b = 0; b < 3; ++b) {
        limits_[b] = spin(0, 32, form.limits[b], QStringLiteral("limit%1").arg(b), this);
        auto* label = new QLabel(typedToQt(form.labels[b]), this);
        rows->addRow(label, limits_[b]);
        label->setVisible(form.shown[b]);
        limits_[b]->setVisible(form.shown[b]);
    }
    body()->addLayout(rows);
    for (QSpinBox* s : limits_) {
        if (s->isVisibleTo(this)) {
            s->setFocus();
            break;
        }
    }
}

bool ChannelLimitDialog::tryAccept() {
    for (std::size_t b = 0; b < 3; ++b) form_.limits[b] = limits_[b]->value();
    return !check_ || check_(form_).accepted;
}

FaiColorsDialog::FaiColorsDialog(const FaiColorsForm& form, QWidget* parent)
    : FormDialog(tr("FAI Wing Flag Colors"), parent),
      form_(form),
      schemes_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("faiColors"));
    body()->addWidget(wrapped(tr("Choose the wing flags the pilots carry in each lane:"), this));
    auto* grid = new QGridLayout;
    for (int lane = 0; lane < 4; ++lane) {
        auto* head = new QLabel(tr("Lane %1").arg(lane + 1), this);
        head->setAlignment(Qt::AlignCenter);
        grid->addWidget(head, 0, lane + 1);
    }
    const QString names[2] = {tr("High blue set"), tr("Low red set")};
    for (int scheme = 0; scheme < 2; ++scheme) {
        auto* radio = new QRadioButton(names[scheme], this);
        radio->setObjectName(QStringLiteral("scheme%1").arg(scheme));
        schemes_->addButton(radio, scheme);
        grid->addWidget(radio, scheme + 1, 0);
        const auto pictures = wingFlagPictures(form.flagLanes, scheme);
        for (int lane = 0; lane < 4; ++lane) {
            auto* picture = new QLabel(this);
            picture->setPixmap(
                wingFlagPicture(pictures[static_cast<std::size_t>(lane)], kFlagHeight));
            picture->setAlignment(Qt::AlignCenter);
            grid->addWidget(picture, scheme + 1, lane + 1);
        }
    }
    body()->addLayout(grid);
    schemes_->button(form.wingFlagSet == 1 ? 1 : 0)->setChecked(true);
}

bool FaiColorsDialog::tryAccept() {
    form_.wingFlagSet = schemes_->checkedId() == 1 ? 1 : 0;
    return true;
}

FaiRotationDialog::FaiRotationDialog(const FaiRotationForm& form, FormValidator<FaiRotationForm> check,
                                     QWidget* parent)
    : FormDialog(tr("FAI Matrix Change Lanes"), parent), form_(form), check_(std::move(check)) {
    setObjectName(QStringLiteral("faiRotation"));
    body()->addWidget(wrapped(tr("If you want the matrix to rotate pilots through the lanes, enter "
                                 "the round quantity between rotations."),
                              this));
    auto* group = new QGroupBox(tr("Rotation Change"), this);
    auto* inner = new QVBoxLayout(group);
    auto* line = new QHBoxLayout;
    every_ = spin(0, 16, form.rotateEvery, QStringLiteral("rotateEvery"), group);
    line->addWidget(new QLabel(tr("Rotate every"), group));
    line->addWidget(every_);
    line->addWidget(new QLabel(tr("Rounds"), group));
    line->addStretch();
    inner->addLayout(line);
    laneColors_ = new QRadioButton(tr("Race Course Lane Colors"), group);
    laneColors_->setObjectName(QStringLiteral("laneColors"));
    wingFlags_ = new QRadioButton(tr("Aircraft Wing Flags"), group);
    wingFlags_->setObjectName(QStringLiteral("wingFlags"));
    inner->addWidget(laneColors_);
    inner->addWidget(wingFlags_);
    body()->addWidget(group);
    connect(every_, &QSpinBox::textChanged, this, [this] {
        collect();
        showValues();
    });
    showValues();
    every_->setFocus();
    every_->selectAll();
}

void FaiRotationDialog::collect() {
    form_.rotateEvery = every_->value();
    form_.rotationKind = wingFlags_->isChecked() ? 1 : 0;
}

void FaiRotationDialog::showValues() {
    const QSignalBlocker block(every_);
    every_->setValue(form_.rotateEvery);
    (form_.rotationKind == 1 ? wingFlags_ : laneColors_)->setChecked(true);
    laneColors_->setEnabled(rotationKindEnabled(form_));
    wingFlags_->setEnabled(rotationKindEnabled(form_));
}

bool FaiRotationDialog::tryAccept() {
    collect();
    const bool ok = !check_ || check_(form_).accepted;
    showValues();  // a refused period may have been put back
    if (!ok) every_->setFocus();
    return ok;
}

RoundQuantityDialog::RoundQuantityDialog(const RoundQuantityForm& form,
                                         FormValidator<RoundQuantityForm> check, QWidget* parent)
    : FormDialog(tr("Round Quantity"), parent), form_(form), check_(std::move(check)) {
    setObjectName(QStringLiteral("roundQuantity"));
    auto* rows = formRows();
    rounds_ = spin(1, 64, form.rounds, QStringLiteral("rounds"), this);
    rows->addRow(tr("Quantity of rounds "), rounds_);
    body()->addLayout(rows);
    rounds_->setFocus();
    rounds_->selectAll();
}

bool RoundQuantityDialog::tryAccept() {
    form_.rounds = rounds_->value();
    return !check_ || check_(form_).accepted;
}

}  // namespace korva

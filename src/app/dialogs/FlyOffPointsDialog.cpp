#include "app/dialogs/FlyOffPointsDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/QtText.h"
#include "ui/Strings.h"

namespace korva {

namespace {

// Typed numbers beyond the arrows' stop still reach the check, which accepts up to
// kMaxFlyOffPoints and says so for anything larger.
constexpr int kTypedPointsMax = 999;

class FlyOffPointsSpin final : public QSpinBox {
public:
    explicit FlyOffPointsSpin(QWidget* parent) : QSpinBox(parent) { setRange(0, kTypedPointsMax); }

    void stepBy(int steps) override {
        const int top = std::max(kFlyOffPointsSpinMax, value());
        setValue(std::clamp(value() + steps, 0, top));
        selectAll();
    }

protected:
    StepEnabled stepEnabled() const override {
        StepEnabled on = StepNone;
        if (value() < kFlyOffPointsSpinMax) on |= StepUpEnabled;
        if (value() > 0) on |= StepDownEnabled;
        return on;
    }
};

QSpinBox* spin(QSpinBox* s, int most, int value, const char* name) {
    if (most >= 0) s->setRange(0, most);
    s->setValue(value);
    s->setObjectName(QString::fromLatin1(name));
    s->setAlignment(Qt::AlignRight);
    return s;
}

QString label(int id) {
    return toQt(std::string(text(id)));
}

}  // namespace

FlyOffPointsDialog::FlyOffPointsDialog(const FlyOffPointsForm& form, QWidget* parent)
    : FormDialog(label(str::kAdjustmentsTitle), parent),
      form_(form),
      points_(spin(new FlyOffPointsSpin(this), -1, form.points, "points")),
      minutes_(spin(new QSpinBox(this), kFlyOffMinutesMax, form.minutes, "minutes")),
      seconds_(spin(new QSpinBox(this), 59, form.seconds, "seconds")),
      hundredths_(spin(new QSpinBox(this), 99, form.hundredths, "hundredths")),
      cuts_(spin(new QSpinBox(this), kFlyOffCutsMax, form.cuts, "cuts")) {
    setObjectName(QStringLiteral("flyOffPoints"));
    // The name stands out in a bold font as tall as its field, so the director sees at a
    // glance whose fly-off this is.
    auto* name = new QLabel(toQt(form.pilotName), this);
    name->setObjectName(QStringLiteral("pilotName"));
    const int tall = points_->sizeHint().height();
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPixelSize(tall);
    name->setFont(bold);
    name->setMinimumHeight(tall);
    body()->addWidget(name);

    auto* rows = new QFormLayout;
    rows->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    rows->addRow(label(str::kFlyOffPointsLabel), points_);
    auto* time = new QHBoxLayout;
    time->addWidget(minutes_);
    time->addWidget(new QLabel(QStringLiteral(":"), this));
    time->addWidget(seconds_);
    time->addWidget(new QLabel(QStringLiteral("."), this));
    time->addWidget(hundredths_);
    time->addStretch();
    rows->addRow(label(str::kFlyOffTimeLabel), time);
    rows->addRow(label(str::kCuts), cuts_);
    // An FAI fly-off is flown for points alone.
    rows->setRowVisible(1, form.timeShown);
    rows->setRowVisible(2, form.timeShown);
    body()->addLayout(rows);

    QSpinBox* first = fieldOf(form.focus);
    first->setFocus();
    first->selectAll();
}

QSpinBox* FlyOffPointsDialog::fieldOf(FlyOffPointsField field) const {
    switch (field) {
        case FlyOffPointsField::Minutes: return minutes_;
        case FlyOffPointsField::Seconds: return seconds_;
        case FlyOffPointsField::Hundredths: return hundredths_;
        case FlyOffPointsField::Cuts: return cuts_;
        case FlyOffPointsField::None:
        case FlyOffPointsField::Points: break;
    }
    return points_;
}

bool FlyOffPointsDialog::tryAccept() {
    form_.points = points_->value();
    form_.minutes = minutes_->value();
    form_.seconds = seconds_->value();
    form_.hundredths = hundredths_->value();
    form_.cuts = cuts_->value();
    form_.focus = FlyOffPointsField::None;
    return true;
}

std::optional<FlyOffPointsForm> QtFlyOffPointsForms::flyOffPointsForm(
    const FlyOffPointsForm& form) {
    FlyOffPointsDialog dialog(form, formParent(parent_));
    return runForm(dialog);
}

}  // namespace korva

#include "app/dialogs/HeatUpdateDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/QtText.h"
#include "app/dialogs/DaylightFonts.h"
#include "app/dialogs/ResultSpinBox.h"

namespace korva {

namespace {

using Field = HeatResultField;
constexpr Field kFieldOrder[] = {Field::Finish, Field::Minutes, Field::Seconds, Field::Hundredths,
                                 Field::Cuts};
// Grid columns: lane, pilot and plane, then the fields with the time's separators between.
constexpr int kPilotColumn = 1;
constexpr int kFieldColumns[] = {2, 3, 5, 7, 8};
constexpr int kMinutesSeparatorColumn = 4;
constexpr int kSecondsSeparatorColumn = 6;
constexpr int kDnsColumn = 9;
constexpr int kDnfColumn = 10;
const char* const kFieldNames[] = {"finish", "minutes", "seconds", "hundredths", "cuts"};

std::size_t indexOf(Field field) {
    return static_cast<std::size_t>(field) - static_cast<std::size_t>(Field::Finish);
}

int valueOf(const HeatResultRow& row, Field field) {
    switch (field) {
        case Field::Finish: return row.finish;
        case Field::Minutes: return row.minutes;
        case Field::Seconds: return row.seconds;
        case Field::Hundredths: return row.hundredths;
        case Field::Cuts: return row.cuts;
        case Field::None: break;
    }
    return 0;
}

void setValueOf(HeatResultRow& row, Field field, int value) {
    switch (field) {
        case Field::Finish: row.finish = value; break;
        case Field::Minutes: row.minutes = value; break;
        case Field::Seconds: row.seconds = value; break;
        case Field::Hundredths: row.hundredths = value; break;
        case Field::Cuts: row.cuts = value; break;
        case Field::None: break;
    }
}

QString numbered(const char* name, int lane) {
    return QString::fromLatin1(name) + QString::number(lane + 1);
}

}  // namespace

HeatUpdateDialog::HeatUpdateDialog(const KORVAHeatUpdateDlg& form, QWidget* parent)
    : FormDialog(toQt(heatUpdateTitle(form)), parent), form_(form) {
    setObjectName(QStringLiteral("resultsForm"));
    useDaylightFont(this);
    // Boxes as large as their bold labels.
    setStyleSheet(QStringLiteral("QCheckBox::indicator { width: 22px; height: 22px; }"));
    form_.filling = true;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(12);
    grid->setColumnStretch(kPilotColumn, 1);
    addHeadings(grid);
    for (int lane = 0; lane < KORVAHeat::kLanes; ++lane) addLane(grid, lane);
    body()->addLayout(grid);
    buttons()->button(QDialogButtonBox::Ok)->setDefault(true);
    // As large as the rows need, whatever the form's least width.
    layout()->setSizeConstraint(QLayout::SetMinimumSize);
    chainTabs();
    form_.filling = false;
    placeFocus();
}

void HeatUpdateDialog::addHeadings(QGridLayout* grid) {
    const QString titles[] = {tr("Fin"), tr("M"), tr("S"), tr("HH"), toQt(cutsLabel(form_))};
    for (std::size_t i = 0; i < kFields; ++i) {
        auto* heading = new QLabel(titles[i], this);
        heading->setObjectName(QString::fromLatin1(kFieldNames[i]) + QStringLiteral("Heading"));
        heading->setAlignment(Qt::AlignCenter);
        // An FAI race has no finish positions: its scores come from the times.
        heading->setVisible(!(form_.fai && kFieldOrder[i] == Field::Finish));
        grid->addWidget(heading, 0, kFieldColumns[i]);
    }
}

void HeatUpdateDialog::addLane(QGridLayout* grid, int lane) {
    LaneRow& row = lanes_[static_cast<std::size_t>(lane)];
    const HeatResultRow& values = form_.rows[static_cast<std::size_t>(lane)];
    const int line = lane + 1;
    // An empty lane shows nothing; its hidden controls keep the other rows in their places.
    auto place = [&](QWidget* w, int column, bool shown) {
        grid->addWidget(w, line, column);
        if (!shown || !values.hasPilot()) w->hide();
    };
    auto* number = new QLabel(tr("Lane %1").arg(lane + 1), this);
    QFont bold = number->font();
    bold.setBold(true);
    number->setFont(bold);
    place(number, 0, true);
    auto* pilot = new QLabel(this);
    pilot->setObjectName(numbered("pilot", lane));
    pilot->setTextFormat(Qt::RichText);
    pilot->setText(
        QStringLiteral("<b>%1</b><br>%2")
            .arg(toQt(values.pilotName).toHtmlEscaped(), toQt(values.planeText).toHtmlEscaped()));
    place(pilot, kPilotColumn, true);
    for (std::size_t i = 0; i < kFields; ++i) {
        const Field which = kFieldOrder[i];
        const bool twoDigits = which == Field::Seconds || which == Field::Hundredths;
        auto* spin = new ResultSpinBox(spinRange(form_, which), twoDigits ? 2 : 1, this);
        spin->setObjectName(numbered(kFieldNames[i], lane));
        spin->setFont(numberFont(this));
        // Never squeezed: every digit stays readable.
        spin->setMinimumWidth(spin->sizeHint().width());
        connect(spin, &ResultSpinBox::edited, this,
                [this, lane, which](int value) { typed(lane, which, value); });
        row.fields[i] = spin;
        place(spin, kFieldColumns[i], fieldShown(form_, lane, which));
    }
    for (const auto& [column, text] :
         {std::pair{kMinutesSeparatorColumn, ":"}, std::pair{kSecondsSeparatorColumn, "."}}) {
        auto* separator = new QLabel(QString::fromLatin1(text), this);
        separator->setFont(numberFont(this));
        place(separator, column, true);
    }
    row.dns = new QCheckBox(tr("DNS"), this);
    row.dnf = new QCheckBox(tr("DNF"), this);
    for (auto [box, state, column, name] :
         {std::tuple{row.dns, kDidNotStart, kDnsColumn, "dns"},
          std::tuple{row.dnf, kDidNotFinish, kDnfColumn, "dnf"}}) {
        box->setObjectName(numbered(name, lane));
        box->setFont(numberFont(this));
        connect(box, &QCheckBox::clicked, this, [this, lane, s = state] { clickedOut(lane, s); });
        place(box, column, true);
    }
    showRow(lane);
}

ResultSpinBox* HeatUpdateDialog::field(int lane, Field which) const {
    if (lane < 0 || lane >= KORVAHeat::kLanes || which == Field::None) return nullptr;
    return lanes_[static_cast<std::size_t>(lane)].fields[indexOf(which)];
}

void HeatUpdateDialog::typed(int lane, Field which, int value) {
    if (form_.filling) return;
    switch (which) {
        case Field::Finish: typeFinish(form_, lane, value); break;
        case Field::Cuts: typeCuts(form_, lane, value); break;
        default: typeTime(form_, lane, which, value); break;
    }
    showRow(lane);
}

void HeatUpdateDialog::clickedOut(int lane, int state) {
    if (form_.filling) return;
    clickOut(form_, lane, state);
    showRow(lane);
}

void HeatUpdateDialog::showRow(int lane) {
    const bool filling = form_.filling;
    form_.filling = true;
    const LaneRow& row = lanes_[static_cast<std::size_t>(lane)];
    const HeatResultRow& values = form_.rows[static_cast<std::size_t>(lane)];
    for (Field which : kFieldOrder) {
        ResultSpinBox* spin = field(lane, which);
        // Only a changed value is set: the field being typed in keeps its text and cursor.
        if (spin->shownValue() != valueOf(values, which)) spin->setValue(valueOf(values, which));
    }
    row.dns->setChecked(values.state == kDidNotStart);
    row.dnf->setChecked(values.state == kDidNotFinish);
    form_.filling = filling;
}

void HeatUpdateDialog::chainTabs() {
    // Lane by lane, left to right, then the buttons; hidden controls are passed over.
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous) setTabOrder(previous, next);
        previous = next;
    };
    for (const LaneRow& row : lanes_) {
        for (ResultSpinBox* spin : row.fields) chain(spin);
        chain(row.dns);
        chain(row.dnf);
    }
    chain(buttons()->button(QDialogButtonBox::Ok));
    chain(buttons()->button(QDialogButtonBox::Cancel));
}

void HeatUpdateDialog::placeFocus() {
    ResultSpinBox* target = field(form_.focus.lane, form_.focus.field);
    if (!target || !fieldShown(form_, form_.focus.lane, form_.focus.field)) {
        // The first field of the first lane flown.
        target = nullptr;
        for (int lane = 0; lane < KORVAHeat::kLanes && !target; ++lane) {
            for (Field which : kFieldOrder) {
                if (fieldShown(form_, lane, which)) {
                    target = field(lane, which);
                    break;
                }
            }
        }
    }
    if (!target) return;
    target->setFocus();
    target->selectAll();
}

bool HeatUpdateDialog::tryAccept() {
    for (int lane = 0; lane < KORVAHeat::kLanes; ++lane) {
        HeatResultRow& values = form_.rows[static_cast<std::size_t>(lane)];
        if (!values.hasPilot()) continue;
        for (Field which : kFieldOrder) {
            ResultSpinBox* spin = field(lane, which);
            spin->interpretText();
            setValueOf(values, which, spin->value());
        }
    }
    return true;
}

}  // namespace korva

#include "app/dialogs/PilotScoreDialogs.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/QtText.h"
#include "app/dialogs/DaylightFonts.h"
#include "ui/Strings.h"

namespace korva {

namespace {
constexpr int kValueFieldHeight = 44;
constexpr int kValueMargin = 8;
constexpr int kValueBorder = 2;
// The widest value there is: the worst FAI score.
const QString kWidestValue = QStringLiteral("200.00");

QString tableText(int id) {
    return toQt(std::string(text(id)));
}

// The explanation over the rows, and the grid of the rows below it.
QGridLayout* scoreRows(QVBoxLayout* body, int explanation, QWidget* dialog) {
    body->addWidget(new QLabel(tableText(explanation), dialog));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    grid->setColumnStretch(0, 1);
    body->addLayout(grid);
    return grid;
}

QLabel* nameLabel(const PilotScoreRow& row, int lane, QWidget* dialog) {
    auto* name = new QLabel(row.shown ? toQt(row.pilotName) : QString(), dialog);
    name->setObjectName(QStringLiteral("name%1").arg(lane + 1));
    name->setTextFormat(Qt::PlainText);
    name->setFont(numberFont(dialog));
    return name;
}

// A value shown like a field, its digits in a bold font as tall as the field.
QLabel* valueField(const QString& value, int lane, QWidget* dialog) {
    auto* field = new QLabel(value, dialog);
    field->setObjectName(QStringLiteral("value%1").arg(lane + 1));
    field->setStyleSheet(QStringLiteral("QLabel { background: white; color: black;"
                                        " border: %1px solid #404040; padding: 0 %2px; }")
                             .arg(kValueBorder)
                             .arg(kValueMargin));
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font = field->font();
    font.setBold(true);
    font.setPixelSize(kValueFieldHeight - 2 * kValueBorder);
    field->setFont(font);
    const QFontMetrics metrics(font);
    const int widest =
        std::max(metrics.horizontalAdvance(kWidestValue), metrics.horizontalAdvance(value));
    field->setFixedSize(widest + 3 * kValueMargin + 2 * kValueBorder, kValueFieldHeight);
    return field;
}
}  // namespace

VerifyScoresDialog::VerifyScoresDialog(const KORVAVerifyPilotScores& form, QWidget* parent)
    : FormDialog(tableText(str::kVerifyScoresTitle), parent), form_(form) {
    setObjectName(QStringLiteral("verifyScores"));
    useDaylightFont(this);
    QGridLayout* grid = scoreRows(body(), str::kVerifyScoresText, this);
    for (int lane = 0; lane < KORVAHeat::kLanes; ++lane) {
        const auto l = static_cast<std::size_t>(lane);
        grid->addWidget(nameLabel(form_.rows[l], lane, this), lane, 0);
        QLabel* value = valueField(toQt(form_.values[l]), lane, this);
        // A row without a pilot stays empty, yet keeps its place.
        QSizePolicy keep = value->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        value->setSizePolicy(keep);
        value->setVisible(form_.rows[l].shown);
        grid->addWidget(value, lane, 1);
    }
    QPushButton* ok = buttons()->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    ok->setFocus();
}

EnterScoresDialog::EnterScoresDialog(const KORVAEnterPilotScores& form, QWidget* parent)
    : FormDialog(tableText(str::kEnterScoresTitle), parent), form_(form) {
    setObjectName(QStringLiteral("enterScores"));
    useDaylightFont(this);
    QGridLayout* grid = scoreRows(body(), str::kEnterScoresText, this);
    QSpinBox* first = nullptr;
    for (int lane = 0; lane < KORVAHeat::kLanes; ++lane) {
        const auto l = static_cast<std::size_t>(lane);
        grid->addWidget(nameLabel(form_.rows[l], lane, this), lane, 0);
        auto* spin = new QSpinBox(this);
        spin->setObjectName(QStringLiteral("points%1").arg(lane + 1));
        spin->setRange(kLowestManualPoints, kHighestManualPoints);
        spin->setValue(form_.points[l]);
        spin->setFont(numberFont(this));
        spin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(spin, lane, 1);
        points_[l] = spin;
        if (!form_.rows[l].shown) {
            spin->hide();
        } else if (!first) {
            first = spin;
        }
    }
    buttons()->button(QDialogButtonBox::Ok)->setDefault(true);
    const int focusLane = form_.focusLane;
    QSpinBox* target = focusLane >= 0 && focusLane < KORVAHeat::kLanes &&
                               form_.rows[static_cast<std::size_t>(focusLane)].shown
                           ? points_[static_cast<std::size_t>(focusLane)]
                           : first;
    if (target) {
        target->setFocus();
        target->selectAll();
    }
}

bool EnterScoresDialog::tryAccept() {
    for (std::size_t l = 0; l < points_.size(); ++l) {
        points_[l]->interpretText();
        form_.points[l] = points_[l]->value();
    }
    return true;
}

}  // namespace korva

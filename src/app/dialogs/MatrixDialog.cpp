#include "app/dialogs/MatrixDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QSpinBox>

#include "app/QtText.h"

namespace korva {

namespace {
constexpr int kSpinWidth = 80;
const QColor kHintColor(80, 80, 80);

QString rangeText(const MatrixFormRow& row) {
    // Without rounds the bracket's matrix is new and starts at round 1.
    if (row.beginMax <= 1) return QObject::tr("new matrix");
    if (row.beginMin == row.beginMax) return QObject::tr("after round %1").arg(row.beginMax - 1);
    return QObject::tr("%1 to %2").arg(row.beginMin).arg(row.beginMax);
}
}  // namespace

MatrixDialog::MatrixDialog(const MatrixForm& form, Interaction& ui, QWidget* parent)
    : FormDialog(tr("Matrix"), parent), values_(form), ui_(ui) {
    setObjectName(QStringLiteral("matrixForm"));
    continue_ = buttons()->button(QDialogButtonBox::Ok);
    continue_->setText(tr("Continue"));
    buttons()->button(QDialogButtonBox::Cancel)->setText(tr("Cancel Matrix"));

    if (!values_.informVisible) {
        // The second showing: say why the form is back.
        auto* why =
            new QLabel(tr("Classes left with fewer than 2 pilots are no longer offered."), this);
        why->setWordWrap(true);
        body()->addWidget(why);
    }
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    addClassRows(grid);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    const int endLine = grid->rowCount();
    grid->addWidget(line, endLine, 0, 1, 3);
    endRound_ = spinBox(QStringLiteral("endRound"), 1, kMaxEndRound, values_.endRound);
    auto* endLabel = new QLabel(tr("&End Round"), this);
    endLabel->setBuddy(endRound_);
    grid->addWidget(endLabel, endLine + 1, 0);
    grid->addWidget(endRound_, endLine + 1, 1);
    grid->addWidget(hint(tr("last round built, up to %1").arg(kMaxEndRound)), endLine + 1, 2);
    grid->setColumnStretch(2, 1);
    body()->addLayout(grid);

    inform_ = new QCheckBox(tr("Inform of reasons to cancel matrix"), this);
    inform_->setObjectName(QStringLiteral("inform"));
    inform_->setChecked(values_.inform);
    inform_->setVisible(values_.informVisible);
    body()->addWidget(inform_);
    updateEnabling();
    focus(values_.focus, values_.focusBracket);
}

QSpinBox* MatrixDialog::spinBox(const QString& name, int lo, int hi, int value) {
    auto* spin = new QSpinBox(this);
    spin->setObjectName(name);
    spin->setRange(lo, std::max(lo, hi));
    spin->setValue(value);
    spin->setFixedWidth(kSpinWidth);
    return spin;
}

QLabel* MatrixDialog::hint(const QString& text) {
    auto* label = new QLabel(text, this);
    // Softer than the fields it explains, yet dark enough to read in bright light.
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kHintColor);
    label->setPalette(palette);
    return label;
}

void MatrixDialog::addClassRows(QGridLayout* grid) {
    int column = 0;
    for (const QString& title : {tr("Class"), tr("Begin Round")}) {
        auto* label = new QLabel(title, this);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        grid->addWidget(label, 0, column++);
    }
    for (int b = 0; b < kBracketCount; ++b) {
        const auto i = static_cast<std::size_t>(b);
        const MatrixFormRow& row = values_.rows[i];
        auto* tick = new QCheckBox(toQt(row.label), this);
        tick->setObjectName(QStringLiteral("class%1").arg(b));
        tick->setChecked(row.ticked);
        connect(tick, &QCheckBox::toggled, this, [this] { updateEnabling(); });
        classBoxes_[i] = tick;
        beginRounds_[i] = spinBox(QStringLiteral("beginRound%1").arg(b), row.beginMin, row.beginMax,
                                  row.beginRound);
        QLabel* range = hint(rangeText(row));
        // Brackets of fewer than 2 pilots are not offered.
        if (!row.visible) {
            for (QWidget* w : std::initializer_list<QWidget*>{tick, beginRounds_[i], range})
                w->hide();
            continue;
        }
        const int line = grid->rowCount();
        grid->addWidget(tick, line, 0);
        grid->addWidget(beginRounds_[i], line, 1);
        grid->addWidget(range, line, 2);
    }
}

void MatrixDialog::updateEnabling() {
    bool any = false;
    for (int b = 0; b < kBracketCount; ++b) {
        const auto i = static_cast<std::size_t>(b);
        const MatrixFormRow& row = values_.rows[i];
        const bool ticked = row.visible && classBoxes_[i]->isChecked();
        beginRounds_[i]->setEnabled(ticked && row.beginMin < row.beginMax);
        any = any || ticked;
    }
    // Nothing ticked, nothing to build.
    continue_->setEnabled(any);
}

void MatrixDialog::readFields() {
    for (int b = 0; b < kBracketCount; ++b) {
        const auto i = static_cast<std::size_t>(b);
        MatrixFormRow& row = values_.rows[i];
        row.ticked = row.visible && classBoxes_[i]->isChecked();
        row.beginRound = beginRounds_[i]->value();
    }
    values_.endRound = endRound_->value();
    values_.inform = inform_->isChecked();
}

void MatrixDialog::focus(MatrixFormField field, int bracket) {
    QSpinBox* spin = nullptr;
    if (field == MatrixFormField::EndRound) spin = endRound_;
    if (field == MatrixFormField::BeginRound && bracket >= 0 && bracket < kBracketCount)
        spin = beginRounds_[static_cast<std::size_t>(bracket)];
    if (!spin) return;
    spin->setFocus();
    spin->selectAll();
}

bool MatrixDialog::tryAccept() {
    readFields();
    const MatrixFormCheck check = checkMatrixForm(values_);
    if (check.accepted) return true;
    ui_.ask(check.message);
    focus(check.field, check.bracket);
    return false;
}

}  // namespace korva

#include "app/dialogs/PrintFormDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/QtText.h"

namespace korva {

ClassBoxes::ClassBoxes(const ClassChoice& choice, QBoxLayout* into, QWidget* parent) {
    auto* row = new QHBoxLayout;
    for (int b = 0; b < kBracketCount; ++b) {
        const auto i = static_cast<std::size_t>(b);
        const std::string name = "class" + std::to_string(b);
        boxes_[i] = checkBox(toQt(choice.names[i]), choice.isTicked(b), name.c_str(), parent);
        boxes_[i]->setEnabled((choice.enabled & (1 << b)) != 0);
        row->addWidget(boxes_[i]);
    }
    row->addStretch();
    into->addLayout(row);
}

ClassChoice ClassBoxes::read(ClassChoice choice) const {
    for (std::size_t i = 0; i < boxes_.size(); ++i) choice.ticked[i] = boxes_[i]->isChecked();
    return choice;
}

QCheckBox* checkBox(const QString& text, bool checked, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setChecked(checked);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QSpinBox* spinBox(int lo, int hi, int value, const char* name, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(lo, hi);
    spin->setValue(value);
    spin->setObjectName(QString::fromLatin1(name));
    return spin;
}

QButtonGroup* choiceOfOne(const QString& title, const QStringList& texts, int checked,
                          const char* name, QBoxLayout* into, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    frame->setFlat(title.isEmpty());
    auto* column = new QVBoxLayout(frame);
    auto* group = new QButtonGroup(parent);
    for (int i = 0; i < texts.size(); ++i) {
        auto* radio = new QRadioButton(texts[i], frame);
        radio->setObjectName(QString::fromLatin1(name) + QString::number(i));
        radio->setChecked(i == std::clamp(checked, 0, static_cast<int>(texts.size()) - 1));
        group->addButton(radio, i);
        column->addWidget(radio);
    }
    into->addWidget(frame);
    return group;
}

}  // namespace korva

#include "app/dialogs/FormFields.h"

#include <QComboBox>
#include <QCompleter>
#include <QIntValidator>
#include <QLineEdit>

#include "app/QtText.h"

namespace korva {

namespace {
constexpr int kLargestNumber = 9999;
constexpr int kNumberChars = 5;
}  // namespace

QLineEdit* numberField(int value, int none, const char* name, QWidget* parent) {
    auto* field = new QLineEdit(value == none ? QString() : QString::number(value), parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setValidator(new QIntValidator(0, kLargestNumber, field));
    const int wide = field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kNumberChars;
    field->setMaximumWidth(wide + 4 * field->fontMetrics().averageCharWidth());
    return field;
}

int numberValue(const QLineEdit* field, int none) {
    bool ok = false;
    const int value = field->text().trimmed().toInt(&ok);
    return ok ? value : none;
}

QComboBox* listField(const std::vector<std::string>& items, const std::string& value,
                     const char* name, QWidget* parent) {
    auto* field = new QComboBox(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setEditable(true);
    field->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& item : items) field->addItem(toQt(item));
    field->setEditText(typedToQt(value));
    field->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    return field;
}

std::string listValue(const QComboBox* field) {
    return typedFromQt(field->currentText());
}

}  // namespace korva

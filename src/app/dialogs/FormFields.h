#pragma once
// Fields the registration forms share: whole numbers typed as text (so that a value out of
// range reaches the form's check instead of being cut), and editable lists.

#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QWidget;

namespace korva {

// Shows `value`, or nothing when it equals `none`; digits only.
QLineEdit* numberField(int value, int none, const char* name, QWidget* parent);
// The typed number; `none` for an empty field.
int numberValue(const QLineEdit* field, int none);

// An editable list offering `items` (race text), showing `value` (a form's typed text).
QComboBox* listField(const std::vector<std::string>& items, const std::string& value,
                     const char* name, QWidget* parent);
// The text as typed.
std::string listValue(const QComboBox* field);

}  // namespace korva

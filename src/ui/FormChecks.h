#pragma once
// What the check of a form decided, and the small text and number rules forms share.

#include <cstddef>
#include <string>
#include <utility>

namespace korva {

class Interaction;

// What a form's OK button leads to: close with the values, or show the form again with
// the cursor in the named field. Forms name their fields by text or by an enum of their own.
template <typename Field>
struct FormVerdict {
    bool accepted = true;
    Field focus{};

    static FormVerdict accept() { return {}; }
    static FormVerdict retry(Field field) { return {false, std::move(field)}; }
};

using FormCheck = FormVerdict<std::string>;

// Removes blanks, tabs and line breaks at both ends.
std::string trimmed(const std::string& text);
void trimInPlace(std::string& text);
// Upper-cases the ASCII letters; other bytes of the code page stay as they are.
std::string upperCased(const std::string& text);

// Refuses a text longer than `most` with the platform's length message.
bool checkLength(Interaction& ui, const std::string& text, std::size_t most);
// Refuses a number outside low..high with the range message naming the field (the label's
// string number), so that a form of many numbers says which one is wrong.
bool checkRange(Interaction& ui, int value, int low, int high, int labelId);
// The same with the label as the form shows it.
bool checkRange(Interaction& ui, int value, int low, int high, const std::string& label);
// Refuses an empty text with "You must enter" and the field's label (a string number).
bool checkNotEmpty(Interaction& ui, const std::string& text, int labelId);

}  // namespace korva

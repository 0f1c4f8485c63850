#pragma once
// Text typed into a form becomes race text only when the race file can hold every character.

#include <string>

namespace korva {

class Interaction;

// False, after telling the user the field (the string number of its label) and the first
// character a race file cannot store, when the typed (UTF-8) text has such a character.
bool checkRaceText(Interaction& ui, const std::string& typed, int labelId);

}  // namespace korva

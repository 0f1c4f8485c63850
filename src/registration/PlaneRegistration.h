#pragma once
// The plane commands: register a plane (for a given pilot, or chosen in the form) and
// change one. Each returns true when the race changed.

#include <cstdint>

namespace korva {

class KORVARaceDoc;
class RegistrationForms;

bool registerPlane(KORVARaceDoc& doc, RegistrationForms& forms, std::int32_t pilotNumber = 0);
bool modifyPlane(KORVARaceDoc& doc, RegistrationForms& forms, std::int32_t planeNumber);

}  // namespace korva

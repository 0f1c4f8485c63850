#pragma once
// The pilot commands: register a new pilot, change one, delete one.
// Each returns true when the race changed.

#include <cstdint>

namespace korva {

class KORVARaceDoc;
class RegistrationForms;

bool registerPilot(KORVARaceDoc& doc, RegistrationForms& forms);
bool modifyPilot(KORVARaceDoc& doc, RegistrationForms& forms, std::int32_t pilotNumber);
bool deletePilot(KORVARaceDoc& doc, RegistrationForms& forms, std::int32_t pilotNumber);

}  // namespace korva

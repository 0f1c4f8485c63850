#pragma once
// The registration commands: Add New and Change in the pilot and plane windows, Add Plane
// for the selected pilot, and deleting the selected pilot.

namespace korva {

class KORVARaceApp;
class RegistrationForms;

void connectRegistrationCommands(KORVARaceApp& app, RegistrationForms& forms);

}  // namespace korva

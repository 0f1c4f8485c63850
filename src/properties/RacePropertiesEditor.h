#pragma once
// The race properties command: for a new race (which it also creates) or the open race.

#include <functional>
#include <memory>
#include <string>

#include "properties/RacePropertiesForm.h"

namespace korva {

class KORVARaceDoc;
struct RaceServices;

// What the command needs from the application.
struct RacePropertiesHost {
    RacePropertiesHost(RaceServices& services_, RacePropertiesForms& forms_)
        : services(services_), forms(forms_) {}

    RaceServices& services;
    RacePropertiesForms& forms;
    KORVARaceDoc* race = nullptr;  // the open race, if any
    std::string newRaceFolder;     // where a new race's file goes when named without a folder
    // Makes a newly created (and saved) race the open one.
    std::function<void(std::unique_ptr<KORVARaceDoc>)> installRace = [](auto) {};
    // Menus and tool bars follow the race's classes.
    std::function<void()> refreshClassMenus = [] {};
    // Builds the FAI matrix again after its rotation changed; belongs to the matrix builder.
    std::function<void(KORVARaceDoc&)> regenerateFaiMatrix = [](KORVARaceDoc&) {};
};

// Runs the form until the user cancels (false) or the values are checked and applied (true).
bool editRaceProperties(RacePropertiesHost& host, bool creating);

// The checks of the form's OK, in order; opens the channel-limit and FAI forms.
class RacePropertiesCheck {
public:
    RacePropertiesCheck(RacePropertiesHost& host, bool creating)
        : host_(host), creating_(creating) {}

    FormOutcome operator()(RaceProperties& values);

    // After an accepted check: the new race, already saved to its file, and whether the
    // FAI matrix is to be built again.
    std::unique_ptr<KORVARaceDoc> takeNewRace();
    bool regenerateFaiMatrix() const { return regenerate_; }

private:
    FormOutcome checkFields(RaceProperties& values);
    FormOutcome checkFileName(const RaceProperties& values);
    bool askChannelLimits(RaceProperties& values);
    bool askFaiForms(RaceProperties& values);
    bool createRace(const RaceProperties& values);

    RacePropertiesHost& host_;
    bool creating_;
    std::string path_;
    bool regenerate_ = false;
    std::unique_ptr<KORVARaceDoc> created_;
};

}  // namespace korva

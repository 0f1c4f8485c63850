#pragma once
// The pilot form: its fields, how it is filled from and applied to a pilot, and its checks.

#include <array>
#include <string>
#include <vector>

#include "race/Classes.h"
#include "ui/FormChecks.h"
#include "ui/Clock.h"

namespace korva {

class Interaction;
class KORVAPilot;
class KORVAPilotMaster;
class KORVARaceDoc;

// Texts are as typed (UTF-8); they become race text once the check has accepted them.
struct PilotForm {
    std::string pilotId;
    std::string associationNumber;
    std::string firstName;
    std::string middleInitial;
    std::string lastName;
    std::string address;
    std::string city;
    std::string state;
    std::string postalCode;
    std::string phoneDay;
    std::string phoneNight;
    std::string phoneCell;
    std::string email;
    std::string pager;
    bool lane1Affinity = false;
    std::string category;
    int pilotNumber = 0;  // shown, not editable: other records refer to it
    int channel = -1;
    int buddy = 0;
    int classIndex = -1;
    bool active = true;
    bool paid = false;
    bool signedWaiver = false;
    bool dq = false;
};

// Field names for the focus of a refused entry.
namespace pilotfield {
inline constexpr const char* kPilotId = "pilotId";
inline constexpr const char* kFirstName = "firstName";
inline constexpr const char* kMiddleInitial = "middleInitial";
inline constexpr const char* kLastName = "lastName";
inline constexpr const char* kBuddy = "buddy";
inline constexpr const char* kClass = "class";
inline constexpr const char* kChannel = "channel";
inline constexpr const char* kActive = "active";
}  // namespace pilotfield

// What the dialog needs besides the fields.
struct PilotFormSetup {
    std::string title;
    std::string thirdClassName;                 // the label of class 4 in the class list
    std::vector<std::string> masterIds;         // offered in the pilot-ID field
    std::array<int, kBracketCount> buddyMax{};  // highest pilot number of each bracket
    std::array<bool, kBracketCount> bracketUsed{true, true, true};  // the race's classes
    const KORVAPilotMaster* master = nullptr;   // to fill the form when an ID is chosen
    std::string focus;                          // field to start in, after a refused entry
};

PilotForm pilotFormFrom(const KORVAPilot& pilot);
// Copies the form into the pilot; the class is set (and its change stamped) only when it
// changed. The pilot number and the fields without an editor stay as they are.
void applyPilotForm(const PilotForm& form, KORVAPilot& pilot, Timestamp now);

PilotFormSetup pilotFormSetup(const KORVARaceDoc& doc, const std::string& title);

// The master file's pilot IDs, sorted, each once, without empty ones.
std::vector<std::string> masterPilotIds(const KORVAPilotMaster& master);
// Choosing an ID of the master file (as typed) fills the personal fields from that record;
// the race fields stay as the user set them. False when the master file has no such ID.
bool fillFromMaster(PilotForm& form, const KORVAPilotMaster& master, const std::string& pilotId);

// Trims the texts, upper-cases the middle initial and association number, and refuses
// characters a race file cannot hold, empty names, over-long texts and numbers out of range.
FormCheck checkPilotForm(PilotForm& form, const PilotFormSetup& setup, Interaction& ui);

}  // namespace korva

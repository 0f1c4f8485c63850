#pragma once
// The plane form: its fields, how it is filled from and applied to a plane, and its checks.

#include <string>
#include <vector>

#include "ui/FormChecks.h"

namespace korva {

class Interaction;
class KORVAPlane;
class KORVARaceDoc;

// Texts are as typed (UTF-8); they become race text once the check has accepted them.
struct PlaneForm {
    std::string type;
    std::string mainColor;
    std::string engine;
    int pilotNumber = 0;
    bool safetyChecked = false;
    bool backup = false;

    bool operator==(const PlaneForm&) const = default;
};

namespace planefield {
inline constexpr const char* kType = "type";
inline constexpr const char* kMainColor = "mainColor";
inline constexpr const char* kEngine = "engine";
inline constexpr const char* kPilotNumber = "pilotNumber";
inline constexpr const char* kBackup = "backup";
}  // namespace planefield

struct PlaneFormSetup {
    std::string title;
    int pilotNumberMax = 1;  // the highest pilot number in use (at least 1)
    // What the three editable lists offer: the values already used in the race (race text).
    std::vector<std::string> types;
    std::vector<std::string> colors;
    std::vector<std::string> engines;
    std::string focus;
};

PlaneForm planeFormFrom(const KORVAPlane& plane);
void applyPlaneForm(const PlaneForm& form, KORVAPlane& plane);
PlaneFormSetup planeFormSetup(const KORVARaceDoc& doc, const std::string& title);

// Trims the texts and refuses characters a race file cannot hold and a pilot number out of
// range.
FormCheck checkPlaneForm(PlaneForm& form, const PlaneFormSetup& setup, Interaction& ui);

}  // namespace korva

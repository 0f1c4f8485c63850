#pragma once
// One pilot: personal data kept across races, and this race's entry.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "race/KORVAHeatTime.h"
#include "ui/Clock.h"

namespace korva {

class Archive;
class Interaction;
class KORVAPlane;

using PlaneArray = std::vector<std::unique_ptr<KORVAPlane>>;

class KORVAPilot {
public:
    static constexpr std::size_t kMaxPilotId = 32;
    static constexpr std::size_t kMaxMiddleInitial = 5;
    static constexpr int kPlaneSlots = 8;
    static constexpr std::int32_t kMaxPilotNumber = 999;

    // Personal data (kept in the pilot master file).
    std::string pilotId;
    std::string lastName;
    std::string firstName;
    std::string middleInitial;
    std::string city;
    std::string state;
    std::string postalCode;
    std::string address;
    std::string extra1;
    std::string extra2;
    std::string associationNumber;
    std::string phoneDay;
    std::string phoneNight;
    std::string phoneCell;
    std::string email;
    std::string pager;

    // This race's entry.
    std::int32_t pilotNumber = 0;
    std::int32_t active = 1;
    std::int32_t scratch = 0;  // runtime only, never stored
    std::int32_t paid = 0;
    std::int32_t signedWaiver = 0;
    std::int32_t dqFlag = 0;
    std::int32_t lane1Affinity = 0;
    std::int32_t buddy = 0;
    std::int32_t classIndex = -1;
    std::int32_t bracket = -1;
    std::int32_t channel = -1;
    std::array<std::int32_t, kPlaneSlots> planeNumbers{};
    std::int32_t reservedA = -1;
    std::int32_t planeCount = 0;
    std::int32_t reservedB = 0;
    Timestamp classChangedAt = 0;
    Timestamp modifiedAt = 0;
    std::int32_t recordVersion = 100;
    std::int32_t flyOffPoints = -1;
    KORVAHeatTime flyOffTime;
    std::int32_t flyOffCuts = 0;
    std::string category;
    std::string versionText = "120";

    KORVAPilot() = default;
    explicit KORVAPilot(std::int32_t number) { pilotNumber = number; }

    // Back to the defaults, keeping the personal strings.
    void reset();

    bool sameRecord(const KORVAPilot& other) const;
    bool sameDataOnFile(const KORVAPilot& other) const;

    // Sets class and bracket; stamps classChangedAt when a class was already set.
    int setClass(int newClassIndex, Timestamp now);
    // Attaches a plane; refuses a third with message 215.
    bool addPlane(std::int32_t planeNumber, Interaction& ui);
    std::int32_t primaryPlane(const PlaneArray& planes) const;
    std::int32_t backupPlane(const PlaneArray& planes) const;
    int primaryPlaneSafetyChecked(const PlaneArray& planes) const;
    int categoryLevel() const;
    std::string fullName() const { return firstName + " " + lastName; }
    std::string channelText() const { return std::to_string(channel); }
    // First letter of the first name, middle initial, a blank, last name.
    std::string shortName() const;
    void setPilotId(const std::string& id, Timestamp now);

    void Serialize(Archive& ar);

private:
    std::int32_t planeWithBackup(const PlaneArray& planes, int backup) const;
};

}  // namespace korva

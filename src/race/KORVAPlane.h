#pragma once
// One registered plane and the pilot who owns it.

#include <cstdint>
#include <string>

namespace korva {

class Archive;

class KORVAPlane {
public:
    std::int32_t backup = 0;  // 1 = the pilot's backup plane
    std::string type;
    std::string mainColor;
    std::string engine;
    std::int32_t pilotNumber = 0;
    std::int32_t planeNumber = 0;
    std::int32_t safetyChecked = 0;
    std::int32_t recordVersion = 100;

    bool operator==(const KORVAPlane& other) const;
    void Serialize(Archive& ar);
};

}  // namespace korva

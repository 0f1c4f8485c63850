#pragma once
// Race files and pilot master files as JSON, every stored field under its own name.

#include <nlohmann/json.hpp>

#include "race/KORVAPilotMaster.h"
#include "race/KORVARaceDoc.h"

namespace korva {

nlohmann::json toJson(const KORVAHeatTime& t);
nlohmann::json toJson(const KORVAPilot& p);
nlohmann::json toJson(const KORVAPlane& p);
nlohmann::json toJson(const KORVAHeat& h);
nlohmann::json toJson(const KORVARound& r);
nlohmann::json toJson(const KORVAMatrix& m);
nlohmann::json toJson(const KORVARaceDoc& doc, const std::string& raceFileName);
nlohmann::json toJson(const PilotArray& masterPilots);

}  // namespace korva

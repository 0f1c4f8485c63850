#include "race/KORVAPilotMaster.h"

#include <cstdio>
#include <fstream>

#include "race/Archive.h"
#include "race/FileIo.h"

namespace korva {

namespace {
constexpr std::size_t kMinTaggedBytes = 2;
}

std::vector<std::uint8_t> KORVAPilotMaster::encode(const PilotArray& pilots, const Clock& clock) {
    Archive ar(clock);
    ar.writeCount(pilots.size());
    for (const auto& p : pilots) {
        ar.writeObjectTag("KORVAPilot");
        p->Serialize(ar);
    }
    return ar.bytes();
}

PilotArray KORVAPilotMaster::decode(const std::vector<std::uint8_t>& bytes, const Clock& clock) {
    Archive ar(clock, bytes);
    PilotArray out;
    const std::size_t n = ar.readCount(kMinTaggedBytes);
    for (std::size_t i = 0; i < n; ++i) {
        if (!ar.readObjectTag("KORVAPilot")) continue;
        auto p = std::make_unique<KORVAPilot>();
        p->Serialize(ar);
        out.push_back(std::move(p));
    }
    return out;
}

void KORVAPilotMaster::loadAtStartup(const std::string& folder, const Clock& clock) {
    const std::string path = joinPath(folder, kFileName);
    if (!fileExists(path)) {
        std::ofstream create(path, std::ios::binary);
        if (!create) throw FileError("Cannot create " + path);
        return;
    }
    const auto bytes = readWholeFile(path);
    if (bytes.empty()) return;
    pilots = decode(bytes, clock);
    masterChanged = false;
}

bool KORVAPilotMaster::saveAtShutdown(const std::string& folder, const Clock& clock) {
    if (pilots.empty() || !masterChanged) return true;
    const std::string file = joinPath(folder, kFileName);
    const std::string temp = joinPath(folder, kTempName);
    const std::string backup = joinPath(folder, kBackupName);
    try {
        writeFileAtomically(temp, encode(pilots, clock));
    } catch (const FileError&) {
        return false;
    }
    std::remove(backup.c_str());
    if (!fileExists(file)) {
        // Nothing to keep as a backup: the new list simply becomes the master file.
        return std::rename(temp.c_str(), file.c_str()) == 0;
    }
    if (std::rename(file.c_str(), backup.c_str()) != 0) return false;
    if (std::rename(temp.c_str(), file.c_str()) != 0) {
        std::rename(backup.c_str(), file.c_str());  // put the old list back
        return false;
    }
    std::remove(backup.c_str());
    masterChanged = false;
    return true;
}

KORVAPilot* KORVAPilotMaster::findById(const std::string& pilotId) {
    for (auto& p : pilots) {
        if (p->pilotId == pilotId) return p.get();
    }
    return nullptr;
}

void KORVAPilotMaster::add(const KORVAPilot& pilot) {
    pilots.push_back(std::make_unique<KORVAPilot>(pilot));
    masterChanged = true;
}

}  // namespace korva

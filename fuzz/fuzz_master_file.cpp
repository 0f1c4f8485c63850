// Any bytes given as a pilot master file either load or fail with an archive error.

#include <cstdlib>
#include <vector>

#include "race/Archive.h"
#include "race/KORVAPilotMaster.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korva;
    FixedClock clock;
    const std::vector<std::uint8_t> bytes(data, data + size);
    try {
        const PilotArray pilots = KORVAPilotMaster::decode(bytes, clock);
        const auto saved = KORVAPilotMaster::encode(pilots, clock);
        if (KORVAPilotMaster::encode(KORVAPilotMaster::decode(saved, clock), clock) != saved) {
            std::abort();
        }
    } catch (const ArchiveError&) {
    } catch (const NewerVersionError&) {
    }
    return 0;
}

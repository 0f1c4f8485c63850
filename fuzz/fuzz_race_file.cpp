// Any bytes given as a race file either load or fail with an archive error; a document that
// loaded saves and reloads to the same bytes.

#include <cstdlib>
#include <vector>

#include "race/Archive.h"
#include "race/KORVARaceDoc.h"
#include "samples/SilentInteraction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korva;
    samples::SilentInteraction ui;
    FixedClock clock;
    MemorySettingsStore settings;
    RaceServices services(ui, clock, settings);
    const std::vector<std::uint8_t> bytes(data, data + size);
    KORVARaceDoc doc(services);
    try {
        doc.loadBytes(bytes);
    } catch (const ArchiveError&) {
        return 0;
    } catch (const NewerVersionError&) {
        return 0;
    }
    const auto saved = doc.encode();
    KORVARaceDoc again(services);
    again.loadBytes(saved);
    if (again.encode() != saved) std::abort();
    return 0;
}

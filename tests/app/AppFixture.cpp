#include "AppFixture.h"

#include "samples/SampleRace.h"

namespace korva::test {

std::string AppFixture::sampleRace(const std::string& name, int pilots,
                                   const std::function<void(KORVARaceDoc&)>& change) {
    ScriptedInteraction quiet;
    FixedClock clock;
    MemorySettingsStore store;
    RaceServices services(quiet, clock, store);
    samples::SampleSize size;
    size.pilots = pilots;
    auto race = samples::makeRace(services, size);
    if (change) change(*race);
    const std::string path = work.file(name);
    race->writeFile(path);
    return path;
}

}  // namespace korva::test

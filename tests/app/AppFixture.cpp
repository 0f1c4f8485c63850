#include "AppFixture.h"

namespace korva::test {

std::string AppFixture::sampleRace(const std::string& name, int pilots,
                                   const std::function<void(KORVARaceDoc&)>& change) {
    samples::SampleSize size;
    size.pilots = pilots;
    return sampleRace(name, size, change);
}

std::string AppFixture::sampleRace(const std::string& name, const samples::SampleSize& size,
                                   const std::function<void(KORVARaceDoc&)>& adjust) {
    ScriptedInteraction quiet;
    FixedClock clock;
    MemorySettingsStore store;
    RaceServices services(quiet, clock, store);
    auto race = samples::makeRace(services, size);
    if (adjust) adjust(*race);
    const std::string path = work.file(name);
    race->writeFile(path);
    return path;
}

}  // namespace korva::test

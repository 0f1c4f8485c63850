// Writes the fuzz seed corpus: sample race files and master files into the given folder.

#include <cstdio>
#include <fstream>
#include <string>

#include "race/KORVAPilotMaster.h"
#include "samples/SampleRace.h"
#include "samples/SilentInteraction.h"

namespace {
void write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
}  // namespace

int main(int argc, char** argv) {
    using namespace korva;
    if (argc != 2) {
        std::fprintf(stderr, "usage: korva_fuzz_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    samples::SilentInteraction ui;
    FixedClock clock;
    MemorySettingsStore settings;
    RaceServices services(ui, clock, settings);
    int n = 0;
    for (int pilots : {0, 2, 7}) {
        for (bool complete : {false, true}) {
            samples::SampleSize size;
            size.pilots = pilots;
            size.rounds = pilots == 0 ? 0 : 2;
            size.heatsPerRound = 2;
            size.complete = complete;
            auto doc = samples::makeRace(services, size);
            write(folder + "/race" + std::to_string(n) + ".kvr", doc->encode());
            write(folder + "/master" + std::to_string(n++) + ".KVP",
                  KORVAPilotMaster::encode(doc->pilots, clock));
        }
    }
    return 0;
}

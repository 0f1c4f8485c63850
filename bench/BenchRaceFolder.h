#pragma once
// The full race in a temporary race folder with its html folder, for the report benchmarks,
// and a print queue that drops what it is given.

#include <cstdlib>
#include <filesystem>
#include <string>

#include "reports/HtmlPrintQueue.h"
#include "samples/FullRace.h"

namespace korva::bench {

struct NoQueue : HtmlPrintQueue {
    void QueueHtmlPrint(const std::string&) override {}
};

struct RaceFolder {
    samples::FullRace race;
    std::string folder;

    RaceFolder() {
        folder = (std::filesystem::temp_directory_path() / "korva-bench-XXXXXX").string();
        if (mkdtemp(folder.data()) == nullptr) folder.clear();
        std::filesystem::create_directory(folder + "/html");
        race.doc->raceFolder = folder;
        race.services.raceFileName = "Full.kvr";
    }
    ~RaceFolder() {
        std::error_code ignored;
        if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
    }
    RaceFolder(const RaceFolder&) = delete;
    RaceFolder& operator=(const RaceFolder&) = delete;
};

}  // namespace korva::bench

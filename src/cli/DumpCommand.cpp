#include "cli/DumpCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/CliSession.h"
#include "cli/JsonDump.h"
#include "race/FileIo.h"
#include "race/KORVAPilotMaster.h"
#include "race/KORVARaceDoc.h"
#include "ui/TextCase.h"

namespace korva {

namespace {

bool isMasterFile(const std::string& path) {
    return endsWithNoCase(path, ".kvp");
}

int dump(const std::string& path, std::ostream& out, std::ostream& err) {
    CliSession session(err);
    if (!isMasterFile(path)) {
        KORVARaceDoc doc(session.services);
        if (!loadRaceFile(doc, path, err)) return 1;
        out << toJson(doc, doc.storedRaceFileName).dump(2) << "\n";
        return 0;
    }
    try {
        if (!fileExists(path)) throw FileError("Cannot open " + path + ": no such file");
        const auto pilots = KORVAPilotMaster::decode(readWholeFile(path), session.clock);
        out << toJson(pilots).dump(2) << "\n";
    } catch (...) {
        return reportLoadError(path, err, FileKind::Master);
    }
    return 0;
}

}  // namespace

void addDumpCommand(CLI::App& app, CliContext& context) {
    CLI::App* command =
        app.add_subcommand("dump", "print a race file (.kvr) or pilot master file (.KVP) as JSON");
    auto path = std::make_shared<std::string>();
    command->add_option("FILE", *path, "the file to print; .KVP is read as a pilot master file")
        ->required()
        ->type_name("");
    command->callback([path, &context] { context.status = dump(*path, context.out, context.err); });
}

}  // namespace korva

#include "cli/Commands.h"

#include <algorithm>
#include <functional>
#include <map>
#include <ostream>

#include "cli/CliSession.h"
#include "cli/JsonDump.h"
#include "cli/MatrixCommand.h"
#include "race/Archive.h"
#include "race/FileIo.h"
#include "race/KORVAPilotMaster.h"
#include "race/KORVARaceDoc.h"
#include "ui/TextCase.h"

namespace korva {

namespace {

constexpr const char* kUsage =
    "usage: korva dump FILE            print a race file (.kvr) or pilot master file (.KVP) as JSON\n"
    "       korva resave IN OUT        load a race file and save it in the current layout\n"
    "       korva matrix FILE ...      build the heat matrix of a race file (see matrix --help)\n";

bool isMasterFile(const std::string& path) { return endsWithNoCase(path, ".kvp"); }

int dump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << kUsage;
        return 2;
    }
    const std::string& path = args[0];
    CliSession session(err);
    try {
        if (!fileExists(path)) throw FileError("Cannot open " + path + ": no such file");
        if (isMasterFile(path)) {
            const auto pilots = KORVAPilotMaster::decode(readWholeFile(path), session.clock);
            out << toJson(pilots).dump(2) << "\n";
        } else {
            KORVARaceDoc doc(session.services);
            doc.loadBytes(readWholeFile(path));
            out << toJson(doc, doc.storedRaceFileName).dump(2) << "\n";
        }
    } catch (...) {
        return reportLoadError(path, err);
    }
    return 0;
}

int resave(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    if (args.size() != 2) {
        err << kUsage;
        return 2;
    }
    CliSession session(err);
    KORVARaceDoc doc(session.services);
    try {
        if (!fileExists(args[0])) throw FileError("Cannot open " + args[0] + ": no such file");
        doc.loadFile(args[0]);
    } catch (...) {
        return reportLoadError(args[0], err);
    }
    try {
        doc.writeFile(args[1]);
    } catch (const std::exception& e) {
        err << "korva: cannot save " << args[1] << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    using Command = std::function<int(const std::vector<std::string>&, std::ostream&,
                                      std::ostream&)>;
    const std::map<std::string, Command> commands = {
        {"dump", dump}, {"resave", resave}, {"matrix", matrixCommand}};
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? err : out) << kUsage;
        return args.empty() ? 2 : 0;
    }
    auto it = commands.find(args[0]);
    if (it == commands.end()) {
        err << "korva: unknown command '" << args[0] << "'\n" << kUsage;
        return 2;
    }
    return it->second({args.begin() + 1, args.end()}, out, err);
}

}  // namespace korva

#include <iostream>

#include "cli/CliTool.h"
#include "cli/DumpCommand.h"
#include "cli/ExportCommand.h"
#include "cli/FinishCommand.h"
#include "cli/ImportCommand.h"
#include "cli/MatrixCommand.h"
#include "cli/ReportCommand.h"
#include "cli/ResaveCommand.h"
#include "cli/ResultsCommand.h"
#include "cli/ServeCommand.h"
#include "cli/StandingsCommand.h"
#include "cli/TimingCommand.h"

int main(int argc, char** argv) {
    korva::CliTool tool(std::cout, std::cerr);
    // One line a command, in the order `korva --help` lists them.
    korva::addDumpCommand(tool.app(), tool.context());
    korva::addResaveCommand(tool.app(), tool.context());
    korva::addMatrixCommand(tool.app(), tool.context());
    korva::addResultsCommand(tool.app(), tool.context());
    korva::addStandingsCommand(tool.app(), tool.context());
    korva::addFinishCommand(tool.app(), tool.context());
    korva::addTimingCommand(tool.app(), tool.context());
    korva::addImportCommand(tool.app(), tool.context());
    korva::addExportCommand(tool.app(), tool.context());
    korva::addReportCommand(tool.app(), tool.context());
    korva::addServeCommand(tool.app(), tool.context());
    return tool.run({argv + 1, argv + argc});
}

#include "cli/KorvaRun.h"

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

namespace korva::test {

int runKorva(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CliTool tool(out, err);
    addDumpCommand(tool.app(), tool.context());
    addResaveCommand(tool.app(), tool.context());
    addMatrixCommand(tool.app(), tool.context());
    addResultsCommand(tool.app(), tool.context());
    addStandingsCommand(tool.app(), tool.context());
    addFinishCommand(tool.app(), tool.context());
    addTimingCommand(tool.app(), tool.context());
    addImportCommand(tool.app(), tool.context());
    addExportCommand(tool.app(), tool.context());
    addReportCommand(tool.app(), tool.context());
    addServeCommand(tool.app(), tool.context());
    return tool.run(args);
}

}  // namespace korva::test

#include "cli/CliTool.h"

#include <CLI/CLI.hpp>
#include <ostream>

namespace korva {

namespace {

constexpr const char* kFooter =
    "Run 'korva COMMAND --help' for the options of a command.\n"
    "Messages go to standard error. Exit status: 0 done, 1 refused or failed (the file is\n"
    "left as it was), 2 command line not understood.";

// What went wrong in the words of this tool: an unknown option or command is named as such,
// an option without its value too.
std::string problemOf(const CLI::App& app, const CLI::App* command, const CLI::ParseError& e) {
    const std::string what = e.what();
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr) {
        std::string option = what.substr(0, what.find_first_of(": "));
        if (what.ends_with(" missing")) return option + " needs a value";
        // Flags are named here without their dashes.
        if (!option.starts_with('-')) option.insert(0, option.size() == 1 ? "-" : "--");
        if (what.ends_with(" flag override")) return option + " takes no value";
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr) {
        const std::vector<std::string> extras = app.remaining(true);
        if (!extras.empty()) {
            const std::string& first = extras.front();
            if (first.rfind('-', 0) == 0) return "unknown option " + first;
            if (command == nullptr) return "unknown command '" + first + "'";
            return "unexpected argument '" + first + "'";
        }
    }
    return what;
}

}  // namespace

CliTool::CliTool(std::ostream& out, std::ostream& err)
    : app_(std::make_unique<CLI::App>("Reads, converts, builds and scores KORVARace race files.",
                                      "korva")),
      context_{out, err} {
    CLI::App& app = *app_;
    app.require_subcommand(0, 1);
    // Given twice, an option keeps its last value, as people expect when they add one more.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    auto formatter = std::make_shared<CLI::Formatter>();
    formatter->column_width(26);
    formatter->label("SUBCOMMAND", "COMMAND");
    formatter->label("Subcommands", "Commands");
    formatter->label("Positionals", "Arguments");
    app.formatter(formatter);
}

CliTool::~CliTool() = default;

int CliTool::run(const std::vector<std::string>& args) {
    CLI::App& app = *app_;
    context_.status = 0;
    // Set here, after the commands were added, so that they do not inherit the footer.
    app.footer(kFooter);
    for (CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
        command->group("Commands");
    }
    try {
        app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    } catch (const CLI::CallForHelp&) {
        context_.out << app.help();
        return 0;
    } catch (const CLI::ParseError& e) {
        const auto chosen = app.get_subcommands();
        const CLI::App* command = chosen.empty() ? nullptr : chosen.front();
        const std::string name = command ? "korva " + command->get_name() : "korva";
        context_.err << name << ": " << problemOf(app, command, e) << "\n";
        if (command) {
            context_.err << "Run '" << name << " --help' for its options.\n";
        } else {
            context_.err << app.help();
        }
        return kUsageStatus;
    }
    if (app.get_subcommands().empty()) {
        context_.err << app.help();
        return kUsageStatus;
    }
    return context_.status;
}

}  // namespace korva

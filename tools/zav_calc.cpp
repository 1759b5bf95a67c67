// SPDX-License-Identifier: GPL-3.0-or-later
// zav-calc: the program's calculations without its windows. `steady` is the main window's
// "Vypočítaj", `sweep` its sweep over the surface-temperature range with the table and CEL files,
// `cool` the cooling window's run with its data file and picture, `solve` the design window and
// `report` the calculation report as an HTML page; every option stands for a field
// or choice of those windows and takes its default from there. Results go to standard output as
// JSON, JSON lines or CSV; messages to standard error. An output file named "-" is standard output
// (the results are then not printed), an input file named "-" standard input. Exit status 0
// done, 1 refused by a check, a file that could not be written, standard output that could not be
// written or a value outside its physical range under --strict, 2 a usage error or a value that
// is not a number; SIGINT, SIGTERM and SIGHUP end it at once with 128 + the signal's number, the
// old output files as they were.
#include "core/number_format.h"
#include "tools/calc/calc_options.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_help.h"
#include "tools/cli/cli_main_options.h"
#include "tools/cli/cli_output.h"
#include "tools/cli/cli_signals.h"
#include "tools/cli/cli_usage.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <iterator>
#include <memory>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace zav::cli;

const char* const kDescription =
    "Súčiniteľ prestupu tepla voľnou konvekciou bez okien programu ZAV: ustálený stav, rozsah teplôt povrchu, "
    "ochladzovanie telesa, návrh a správa o výpočte. Čísla s desatinnou bodkou alebo čiarkou. Výsledky idú na "
    "štandardný výstup ako JSON (--format jsonl, csv, csv-sk, none), správy na štandardný chybový výstup. Súbor „-“ je štandardný výstup "
    "(výsledky sa potom nevypíšu) alebo štandardný vstup. Návratový kód 0 úspech, 1 prípad odmietnutý kontrolou, "
    "súbor či štandardný výstup, ktorý sa nepodarilo zapísať, alebo hodnota mimo fyzikálneho rozsahu pri --strict, "
    "2 chybné použitie alebo hodnota, ktorá nie je číslo; signál SIGINT, SIGTERM alebo SIGHUP ukončí program hneď "
    "s kódom 130, 143 alebo 129 a staré súbory nechá bez zmeny.";

std::string version() { return std::string(kProgram) + " " + ZAV_VERSION + "\n"; }

// The program's own level: its help in Slovak, one subcommand required, --help and --version.
void describeProgram(CLI::App& app) {
    app.formatter(std::make_shared<WrappingFormatter>());
    app.require_subcommand(1);
    app.get_formatter()->label("OPTIONS", "VOĽBY");
    app.get_formatter()->label("SUBCOMMANDS", "PODPRÍKAZY");
    app.get_formatter()->label("SUBCOMMAND", "PODPRÍKAZ");
    app.get_formatter()->label("Usage", "Použitie");
    app.option_defaults()->group("Voľby");
    app.set_help_flag("-h,--help", "vypíše túto pomoc a skončí");
    app.set_version_flag("--version", version(), "vypíše verziu programu a skončí");
}

// A first argument that is neither an option nor a subcommand: its usage error, before CLI11
// would take it for an argument it does not expect (true).
bool refusedUnknownSubcommand(int argc, char* argv[]) {
    const std::string first = argc > 1 ? argv[1] : "-";
    if (first[0] == '-' || std::find(std::begin(kSubcommands), std::end(kSubcommands), first) != std::end(kSubcommands))
        return false;
    std::cerr << kProgram << ": neznámy podpríkaz „" << argv[1] << "“; možnosti: steady, sweep, cool, solve, report, version."
              << kSeeHelp << "\n";
    return true;
}

// CLI11 parses the command line into the options; the help, the version and a usage error end
// the run there, with their exit status.
std::optional<int> parseCommandLine(CLI::App& app, int argc, char* argv[]) {
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion&) {
        write(version());
        return 0;
    } catch (const CLI::ParseError& e) {
        std::cerr << kProgram << ": " << usageMessage(e, app, argc > 1 ? argv[argc - 1] : "") << kSeeHelp << "\n";
        return kUsage;
    }
    return std::nullopt;
}

int run(int argc, char* argv[]) {
    CLI::App app(kDescription, kProgram);
    describeProgram(app);
    std::vector<std::unique_ptr<Subcommand>> commands;
    commands.push_back(makeSteadyCommand(app));
    commands.push_back(makeSweepCommand(app));
    commands.push_back(makeCoolCommand(app));
    commands.push_back(makeSolveCommand(app));
    commands.push_back(makeReportCommand(app));
    CLI::App* versionCommand = addSubcommand(app, "version", "vypíše verziu programu a skončí");
    for (const std::unique_ptr<Subcommand>& command : commands)
        refuseRepeatedValues(command->command());

    if (refusedUnknownSubcommand(argc, argv))
        return kUsage;
    if (const std::optional<int> status = parseCommandLine(app, argc, argv))
        return *status;
    if (versionCommand->parsed()) {
        write(version());
        return 0;
    }
    for (const std::unique_ptr<Subcommand>& command : commands) {
        if (command->command()->parsed()) {
            requireOnce(command->command());
            return command->run();
        }
    }
    // CLI11 requires one subcommand.
    throw std::logic_error("žiadny podpríkaz");
}

int fail(int status, const std::string& message) {
    std::cerr << kProgram << ": " << message << '\n';
    return status;
}

} // namespace

// Every error ends here as a Slovak message and an exit status: 2 for what was typed wrong, 1 for
// anything else; nothing reaches std::terminate.
int main(int argc, char* argv[]) {
    holdClosedStandardDescriptors();
    installSignalHandlers();
    // A message on standard error does not flush standard output first: its flush stays with
    // closeStandardOutput(), which knows the system's reason when it fails.
    std::cerr.tie(nullptr);
    try {
        const int status = run(argc, argv);
        closeStandardOutput();
        return status;
    } catch (const UsageError& e) {
        return fail(kUsage, e.what());
    } catch (const zav::calc::InputError& e) {
        return fail(kUsage, e.what());
    } catch (const zav::ConversionError& e) {
        return fail(kUsage, e.what());
    } catch (const OutputError& e) {
        return fail(kFailed, e.what());
    } catch (const std::bad_alloc&) {
        return fail(kFailed, "nedostatok pamäte.");
    } catch (const std::exception& e) {
        return fail(kFailed, std::string("vnútorná chyba programu (") + e.what() + ").");
    } catch (...) {
        return fail(kFailed, "vnútorná chyba programu.");
    }
}

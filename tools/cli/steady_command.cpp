// SPDX-License-Identifier: GPL-3.0-or-later
// zav-calc steady: the main window's "Vypočítaj", one record.
#include <CLI/CLI.hpp>

#include "tools/calc/calc_limits.h"
#include "tools/calc/calc_runs.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_main_options.h"
#include "tools/cli/cli_output.h"

namespace zav::cli {

namespace {

using namespace zav::calc;

class SteadyCommand : public Subcommand {
public:
    explicit SteadyCommand(CLI::App& app)
        : m_command(addSubcommand(app, "steady",
                                  "výpočet hlavného okna („Vypočítaj“): jeden objekt JSON s vlastnosťami tekutiny, "
                                  "podobnostnými číslami, súčiniteľmi prestupu tepla a tepelným tokom")) {
        addMainOptions(m_command, m_main, true, "main.emissivity");
    }

    CLI::App* command() const override { return m_command; }

    int run() const override {
        const SteadyCase c = readMainOptions(m_command, m_main, caseFile(m_command, m_main));
        const OutputFormat format = resultFormat(m_command, m_main, nullptr);
        const std::vector<std::string> limits = steadyLimitWarnings(c);
        if (refusedByLimits(limits, m_main.strict))
            return kRefused;
        const SteadyResult result = runSteady(c);
        return printCase(format, result.ok, result.state, result.warnings, result.error, [&](std::string& text) {
            appendJsonRecord(text, result.state, withLimits(limits, result.warnings), result.error,
                             &result.deviation, &result.alternatives);
        });
    }

private:
    CLI::App* m_command;
    MainOptions m_main;
};

} // namespace

std::unique_ptr<Subcommand> makeSteadyCommand(CLI::App& app) { return std::make_unique<SteadyCommand>(app); }

} // namespace zav::cli

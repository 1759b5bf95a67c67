// SPDX-License-Identifier: GPL-3.0-or-later
// zav-calc solve: the design window ("Návrh"), the value of the unknown at which the steady state
// carries the heat flow asked for.
#include <CLI/CLI.hpp>

#include <map>
#include <optional>
#include <tuple>

#include "tools/calc/calc_limits.h"
#include "tools/calc/calc_options.h"
#include "tools/calc/calc_runs.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_main_options.h"
#include "tools/cli/cli_output.h"

namespace zav::cli {

namespace {

using namespace zav::calc;

// The design calculation's own options.
struct SolveOptions {
    std::map<std::string, std::string> texts; // the heat flow's and the unknown's, by their keys
};

class SolveCommand : public Subcommand {
public:
    explicit SolveCommand(CLI::App& app)
        : m_command(addSubcommand(app, "solve",
                                  "návrh (okno „Návrh“): hodnota neznámej --unknown, pri ktorej ustálený stav prenáša "
                                  "tepelný tok --heat-flow; objekt JSON ako steady, hodnota aj pod kľúčom „solved“; bez "
                                  "riešenia kód 1 a dôvod")) {
        addMainOptions(m_command, m_main, true, "main.emissivity");
        addInputOption(m_command, "design.heat_flow", m_solve.texts);
        addInputOption(m_command, "design.unknown", m_solve.texts);
    }

    CLI::App* command() const override { return m_command; }

    int run() const override {
        const std::optional<CaseFileInputs> file = caseFile(m_command, m_main);
        const SteadyCase c = readMainOptions(m_command, m_main, file);
        const OutputFormat format = resultFormat(m_command, m_main, nullptr);
        std::optional<double> heatFlow;
        std::optional<std::string> unknownName;
        if (file)
            std::tie(heatFlow, unknownName) = file->design(givenOptions(m_command));
        if (!heatFlow)
            heatFlow = number("--heat-flow", m_solve.texts.at("design.heat_flow"));
        if (!unknownName)
            unknownName = m_solve.texts.at("design.unknown");
        const std::optional<DesignUnknown> unknown = designUnknown(*unknownName);
        if (!unknown) {
            // A wrong name is a wrong use of the command.
            try {
                choicePosition(*unknownName, kDesignUnknownChoice);
            } catch (const InputError& e) {
                throw UsageError(e.what());
            }
        }
        const std::vector<std::string> limits = steadyLimitWarnings(c);
        if (refusedByLimits(limits, m_main.strict))
            return kRefused;
        const SolveResult result = runSolve(c, *unknown, *heatFlow);
        return printCase(format, result.ok, result.state, result.warnings, result.error, [&](std::string& text) {
            SolveResult shown = result;
            shown.warnings = withLimits(limits, result.warnings);
            appendJsonSolution(text, shown, *unknown);
        });
    }

private:
    CLI::App* m_command;
    MainOptions m_main;
    SolveOptions m_solve;
};

} // namespace

std::unique_ptr<Subcommand> makeSolveCommand(CLI::App& app) { return std::make_unique<SolveCommand>(app); }

} // namespace zav::cli

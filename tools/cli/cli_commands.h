// SPDX-License-Identifier: GPL-3.0-or-later
// zav-calc's subcommands that calculate: steady (the main window's "Vypočítaj"), sweep (its sweep
// over the surface-temperature range with the table and CEL files), cool (the cooling window's
// run with its data file and picture), solve (the design window) and report (the calculation
// report of "Súbor → Správa o výpočte…").
#pragma once

#include <memory>

namespace CLI {
class App;
}

namespace zav::cli {

/// A subcommand: made on the program's CLI11 app with its options, in the help's order; run()
/// reads them once CLI11 has parsed the command line and gives the exit status.
class Subcommand {
public:
    virtual ~Subcommand() = default;
    /// CLI11's subcommand: parsed() tells whether the command line named it.
    virtual CLI::App* command() const = 0;
    virtual int run() const = 0;
};

std::unique_ptr<Subcommand> makeSteadyCommand(CLI::App& app);
std::unique_ptr<Subcommand> makeSweepCommand(CLI::App& app);
std::unique_ptr<Subcommand> makeCoolCommand(CLI::App& app);
std::unique_ptr<Subcommand> makeSolveCommand(CLI::App& app);
std::unique_ptr<Subcommand> makeReportCommand(CLI::App& app);

} // namespace zav::cli

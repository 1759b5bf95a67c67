// SPDX-License-Identifier: GPL-3.0-or-later
// What zav-calc's subcommands share: the frame of a subcommand, the options of the main window
// (every one a field or choice of it, with its default from there), the case file of --case under
// them, and the reading of the options' texts into the case.
#pragma once

#include <optional>
#include <set>
#include <string>

#include "tools/calc/calc_case.h"
#include "tools/calc/calc_case_file.h"
#include "tools/calc/calc_output.h"

namespace CLI {
class App;
}

namespace zav::cli {

/// The options of the main window, as texts until they are read, and those of every subcommand.
struct MainOptions {
    std::string tBody = "100";
    std::string tFluid = "20";
    std::string length = "0,1";
    std::string area = "1";
    std::string fluid = "air";
    std::string shape = "vertical-plate";
    std::string angle = "0";
    std::string face = "upper";
    std::string finGap = "0,005";
    std::string tubeDiameter = "0,1";
    std::string emissivity;
    std::string fluidFile;
    std::string kelo;
    std::string pressure = "5";
    std::string properties = "builtin";
    std::string format = "json";
    std::string caseFile;
    bool strict = false;
};

/// The help of --emissivity where the main window's emissivity is meant.
extern const char* const kEmissivityHelp;

/// A subcommand `name` of `app`, in the help's group of subcommands, with its own help flag.
CLI::App* addSubcommand(CLI::App& app, const char* name, const std::string& description);

/// The main window's options on `command` into `o` (`bodyTemperature`: with --t-body).
void addMainOptions(CLI::App* command, MainOptions& o, bool bodyTemperature, const char* emissivityHelp);

/// Whether `command` has the option `name` and it was given.
bool given(const CLI::App* command, const char* name);

/// The number of the text of `option`; a text that is not a number throws UsageError.
double number(const std::string& option, const std::string& text);

/// The options given on the command line, in snake case (t_body, heat_capacity …): a case file
/// gives the others.
std::set<std::string> givenOptions(const CLI::App* command);

/// The case file of --case, if one was given. Standard input is read once: not for both the case
/// and the fluid.
std::optional<calc::CaseFileInputs> caseFile(const CLI::App* command, const MainOptions& o);

/// The main window's case of the options over the case file's, if any (`cooling`: the emissivity
/// is the cooling window's); a name or a file that cannot be used throws InputError, a text that
/// is not a number UsageError.
calc::SteadyCase readMainOptions(const CLI::App* command, const MainOptions& o,
                                 const std::optional<calc::CaseFileInputs>& file, bool cooling = false);

/// The results' format of --format; `toStandardOutput` as resultFormat's.
calc::OutputFormat resultFormat(const CLI::App* command, const MainOptions& o, const char* toStandardOutput);

} // namespace zav::cli

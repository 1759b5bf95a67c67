// SPDX-License-Identifier: GPL-3.0-or-later
// What zav-calc's subcommands share: the frame of a subcommand, the options of the steady case
// (every one an input of the table of the inputs, with its default from there), the case file of
// --case under them, and the reading of the options' texts into the case.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

#include "tools/calc/calc_case.h"
#include "tools/calc/calc_case_file.h"
#include "tools/calc/calc_output.h"

namespace CLI {
class App;
class Option;
}

namespace zav::cli {

/// The options of the steady case as texts until they are read, by their keys in the table of the
/// inputs (at its start-up texts), and those of every subcommand.
struct MainOptions {
    std::map<std::string, std::string> texts;
    std::string fluidFile;
    std::string kelo;
    std::string format = "json";
    std::string caseFile;
    bool strict = false;
};

/// The option of the input `key` of the table of the inputs on `command`, its text into `texts`:
/// its name, its help (the label, the unit, a choice's names) and its start-up text from the table.
CLI::Option* addInputOption(CLI::App* command, const std::string& key, std::map<std::string, std::string>& texts);

/// A subcommand `name` of `app`, in the help's group of subcommands, with its own help flag.
CLI::App* addSubcommand(CLI::App& app, const char* name, const std::string& description);

/// The steady case's options on `command` into `o` (`bodyTemperature`: with --t-body); the help of
/// --emissivity is the label of `emissivityKey` ("main.emissivity", or "cooling.emissivity" for
/// the cooling's own).
void addMainOptions(CLI::App* command, MainOptions& o, bool bodyTemperature, const char* emissivityKey);

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

/// The steady case of the options over the case file's, if any (`cooling`: the emissivity is the
/// cooling's own); a name or a file that cannot be used throws InputError, a text that
/// is not a number UsageError.
calc::SteadyCase readMainOptions(const CLI::App* command, const MainOptions& o,
                                 const std::optional<calc::CaseFileInputs>& file, bool cooling = false);

/// The results' format of --format; `toStandardOutput` as resultFormat's.
calc::OutputFormat resultFormat(const CLI::App* command, const MainOptions& o, const char* toStandardOutput);

} // namespace zav::cli

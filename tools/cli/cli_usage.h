// SPDX-License-Identifier: GPL-3.0-or-later
// zav-calc's usage errors on the command line: CLI11's errors, told apart by their kind, as the
// program's Slovak messages, and the options given more than once.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

namespace zav::cli {

/// The names of the subcommands, as the help lists them.
extern const char* const kSubcommands[6];

/// The message of CLI11's error `e` on `app`'s command line, whose last argument is
/// `lastArgument`: an argument that was not expected (an option of another subcommand named as
/// such), a missing subcommand, an option without its value; any other error in CLI11's words.
std::string usageMessage(const CLI::ParseError& e, const CLI::App& app, const std::string& lastArgument);

/// Each option of `command` that takes a value refuses to be given twice (UsageError), where
/// CLI11 checks how many values it got: before the help and the arguments that were not expected.
void refuseRepeatedValues(CLI::App* command);

/// A flag of `command` given twice, once CLI11 has parsed the command line: the same usage error
/// (UsageError) as an option given twice.
void requireOnce(const CLI::App* command);

} // namespace zav::cli

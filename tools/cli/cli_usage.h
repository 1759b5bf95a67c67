// SPDX-License-Identifier: GPL-3.0-or-later
// zav-calc's usage errors on the command line: CLI11's errors as the program's Slovak messages,
// and the flags given more than once.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

namespace zav::cli {

/// The names of the subcommands, as the help lists them.
extern const char* const kSubcommands[5];

/// CLI11's own errors in Slovak, with what they name; an option of another subcommand is named as
/// such.
std::string usageMessage(const CLI::ParseError& e, const CLI::App& app);

/// A flag of `command` given twice, once CLI11 has parsed the command line: the same usage error
/// (UsageError) as an option given twice.
void requireOnce(const CLI::App* command);

} // namespace zav::cli

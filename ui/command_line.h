// SPDX-License-Identifier: GPL-3.0-or-later
// zav's own command line: -h/--help, -v/--version and the case file to open, as the bytes the
// user typed (a name need not be UTF-8).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zav {

struct CommandLine {
    bool help = false;
    bool version = false;
    std::optional<std::string> caseFile; // the first other argument
};

/// Reads the arguments after the program's name. Only "-h", "--help", "-v" and "--version" are
/// options (Qt takes its own, such as "-platform", before); "--" ends them, so that "zav -- -v"
/// opens the case "-v". Any other argument, "-x.zav" included, names the case file.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

} // namespace zav

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/command_line.h"

namespace zav {

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool options = true;
    for (const std::string& argument : arguments) {
        if (options && argument == "--") {
            options = false;
        } else if (options && (argument == "-h" || argument == "--help")) {
            line.help = true;
        } else if (options && (argument == "-v" || argument == "--version")) {
            line.version = true;
        } else if (!line.caseFile) {
            line.caseFile = argument;
        }
    }
    return line;
}

} // namespace zav

// SPDX-License-Identifier: GPL-3.0-or-later
// zav-calc's standard output and standard error: the results in their format (json, jsonl, csv,
// csv-sk or none), the messages with the program's name, the exit statuses and the errors that
// end the program with them.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/convection_state.h"
#include "tools/calc/calc_output.h"

namespace zav::cli {

/// The exit statuses: a case refused by a check (or a file, standard output that could not be
/// written, a value outside its range under --strict), a usage error, a failure of the program.
constexpr int kRefused = 1;
constexpr int kUsage = 2;
constexpr int kFailed = 1;

/// The program's name, before each of its messages.
extern const char* const kProgram;
/// The end of a usage error's message.
extern const char* const kSeeHelp;

/// A value of an option that cannot be used: its message, for exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Standard output could not be written: the system's error number.
class OutputError : public std::runtime_error {
public:
    explicit OutputError(int errorNumber);
};

/// `text` to standard output; a failed write throws OutputError.
void write(const std::string& text);

/// The results are there only when standard output took all of them: its buffer is flushed and the
/// descriptor closed, each checked (a full disk, a closed descriptor, a reader that went away).
void closeStandardOutput();

/// A standard descriptor closed at the start is held by /dev/null opened for reading only: no file
/// this program opens can take its number, and a write to standard output fails (EBADF) as it would
/// on the closed descriptor.
void holdClosedStandardDescriptors();

/// The results' format of its name `formatName` (`formatGiven`: --format was on the command line);
/// none when an output file goes to standard output (`toStandardOutput` names its option), which
/// takes no other format.
calc::OutputFormat resultFormat(const std::string& formatName, bool formatGiven, const char* toStandardOutput);

/// Each warning on standard error.
void printWarnings(const std::vector<std::string>& warnings);

/// The values outside their physical range, each on standard error; under --strict (`strict`) the
/// case is refused (true).
bool refusedByLimits(const std::vector<std::string>& warnings, bool strict);

/// The warnings of the limits before those of the run.
std::vector<std::string> withLimits(const std::vector<std::string>& limits, const std::vector<std::string>& run);

/// `message` on standard error; the exit status of a refused case.
int refuse(const std::string& message);

/// Prints the result of one case in `format` (`json` appends its JSON object) and gives the exit
/// status: the case's own refusal is status 1 with its message.
int printCase(calc::OutputFormat format, bool ok, const ConvectionState& state,
              const std::vector<std::string>& warnings, const std::string& error,
              const std::function<void(std::string&)>& json);

} // namespace zav::cli

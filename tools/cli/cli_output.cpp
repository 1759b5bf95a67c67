// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/cli_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>

#include "tools/calc/calc_case.h"

namespace zav::cli {

using calc::OutputFormat;

const char* const kProgram = "zav-calc";
const char* const kSeeHelp = " Pozri „zav-calc --help“.";

OutputError::OutputError(int errorNumber)
    : std::runtime_error(std::string("zápis na štandardný výstup zlyhal: ") +
                         std::strerror(errorNumber != 0 ? errorNumber : EIO)) {}

void write(const std::string& text) {
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
        throw OutputError(errno);
}

void closeStandardOutput() {
    errno = 0;
    if (std::fflush(stdout) != 0)
        throw OutputError(errno);
    if (std::ferror(stdout))
        throw OutputError(errno);
    if (std::fclose(stdout) != 0)
        throw OutputError(errno);
}

void holdClosedStandardDescriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int null = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (null >= 0 && null != fd) {
            ::dup2(null, fd);
            ::close(null);
        }
    }
}

OutputFormat resultFormat(const std::string& formatName, bool formatGiven, const char* toStandardOutput) {
    const std::optional<OutputFormat> format = calc::outputFormat(formatName);
    if (!format)
        throw UsageError("Neznámy formát „" + formatName + "“; možnosti: json, jsonl, csv, csv-sk, none.");
    if (toStandardOutput == nullptr)
        return *format;
    if (formatGiven && *format != OutputFormat::None)
        throw UsageError(std::string(toStandardOutput) + " - zapíše súbor na štandardný výstup: výsledky --format " +
                         formatName + " tam ísť nemôžu (vynechajte --format alebo zadajte --format none).");
    return OutputFormat::None;
}

void printWarnings(const std::vector<std::string>& warnings) {
    for (const std::string& w : warnings)
        std::cerr << kProgram << ": varovanie: " << w << '\n';
}

bool refusedByLimits(const std::vector<std::string>& warnings, bool strict) {
    for (const std::string& w : warnings)
        std::cerr << kProgram << ": " << w << '\n';
    if (!strict || warnings.empty())
        return false;
    std::cerr << kProgram << ": --strict: hodnota mimo fyzikálneho rozsahu; prípad sa nevypočíta.\n";
    return true;
}

std::vector<std::string> withLimits(const std::vector<std::string>& limits, const std::vector<std::string>& run) {
    std::vector<std::string> all = limits;
    calc::appendUnique(all, run);
    return all;
}

int refuse(const std::string& message) {
    std::cerr << kProgram << ": " << message << '\n';
    return kRefused;
}

int printCase(OutputFormat format, bool ok, const ConvectionState& state, const std::vector<std::string>& warnings,
              const std::string& error, const std::function<void(std::string&)>& json) {
    std::string text;
    if (format == OutputFormat::Json || format == OutputFormat::JsonLines) {
        json(text);
        text += '\n';
    } else {
        printWarnings(warnings);
        if (ok && calc::isCsv(format)) {
            text = calc::csvHeader(format) + '\n';
            calc::appendCsvRow(text, state, format);
            text += '\n';
        }
    }
    write(text);
    return ok ? 0 : refuse(error);
}

} // namespace zav::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/cli_temporary_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "tools/calc/calc_options.h"
#include "tools/cli/cli_main_options.h"
#include "tools/cli/cli_output.h"

namespace zav::cli {

namespace {

// The folder and the file of an output that goes to standard output, for the signal handler:
// plain character arrays, empty when there is none.
char g_standardOutputFolder[4096];
char g_standardOutputFile[4096];

} // namespace

StandardOutputFile::StandardOutputFile() {
    const char* tmp = std::getenv("TMPDIR");
    const std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/zav-calc-XXXXXX";
    if (pattern.size() + 8 >= sizeof g_standardOutputFolder)
        throw std::runtime_error("dočasný priečinok má priveľmi dlhý názov");
    std::strcpy(g_standardOutputFolder, pattern.c_str());
    if (::mkdtemp(g_standardOutputFolder) == nullptr) {
        const int error = errno;
        g_standardOutputFolder[0] = '\0';
        throw std::runtime_error(std::string("dočasný priečinok sa nepodarilo vytvoriť: ") + std::strerror(error));
    }
    m_path = std::string(g_standardOutputFolder) + "/vystup";
    std::strcpy(g_standardOutputFile, m_path.c_str());
}

StandardOutputFile::~StandardOutputFile() {
    ::unlink(g_standardOutputFile);
    ::rmdir(g_standardOutputFolder);
    g_standardOutputFile[0] = '\0';
    g_standardOutputFolder[0] = '\0';
}

void StandardOutputFile::copyToStandardOutput() const {
    std::FILE* file = std::fopen(m_path.c_str(), "rb");
    if (file == nullptr)
        return;
    char buffer[1 << 16];
    std::size_t count = 0;
    try {
        while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            if (std::fwrite(buffer, 1, count, stdout) != count)
                throw OutputError(errno);
        }
    } catch (...) {
        std::fclose(file);
        throw;
    }
    std::fclose(file);
}

std::string StandardOutputFile::named(std::string text) const {
    for (std::size_t at = text.find(m_path); at != std::string::npos; at = text.find(m_path, at + 1))
        text.replace(at, m_path.size(), calc::kStandardStreamName);
    return text;
}

void removeStandardOutputFileNow() noexcept {
    if (g_standardOutputFile[0] != '\0')
        ::unlink(g_standardOutputFile);
    if (g_standardOutputFolder[0] != '\0')
        ::rmdir(g_standardOutputFolder);
}

const char* standardOutputOption(const CLI::App* command,
                                 std::initializer_list<std::pair<const char*, const std::string*>> options) {
    const char* found = nullptr;
    for (const auto& [name, value] : options) {
        if (!given(command, name) || *value != calc::kStandardStreamName)
            continue;
        if (found != nullptr)
            throw UsageError(std::string(found) + " - a " + name + " -: na štandardný výstup môže ísť len jeden súbor.");
        found = name;
    }
    return found;
}

std::string outputPath(const char* option, const std::string& name, const char* toOutput,
                       const std::optional<StandardOutputFile>& output) {
    return toOutput != nullptr && std::strcmp(option, toOutput) == 0 ? output->path() : name;
}

} // namespace zav::cli

// SPDX-License-Identifier: GPL-3.0-or-later
// An output file named "-" (--table, --ccl, --data, --picture): the window's writer writes it, by
// its own rules, into a folder of this program's own; its bytes are then copied to standard output
// as they are. The file and the folder are removed on every path, a signal's included.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

namespace CLI {
class App;
}

namespace zav::cli {

class StandardOutputFile {
public:
    /// Makes the folder (in $TMPDIR, else /tmp); a folder that cannot be made throws
    /// std::runtime_error.
    StandardOutputFile();
    ~StandardOutputFile();
    StandardOutputFile(const StandardOutputFile&) = delete;
    StandardOutputFile& operator=(const StandardOutputFile&) = delete;

    /// Where the writer writes the file.
    const std::string& path() const { return m_path; }

    /// The written file's bytes to standard output; nothing when the writer wrote none.
    void copyToStandardOutput() const;

    /// `text` with the file's temporary path named "-", as the user named it.
    std::string named(std::string text) const;

private:
    std::string m_path;
};

/// Removes the file and the folder of a StandardOutputFile that exists: for a signal handler
/// before _exit(). It is async-signal-safe (plain character arrays, unlink(2) and rmdir(2)).
void removeStandardOutputFileNow() noexcept;

/// The one output option of `options` (name and value) that `command` was given as "-", or null;
/// two of them are a usage error.
const char* standardOutputOption(const CLI::App* command,
                                 std::initializer_list<std::pair<const char*, const std::string*>> options);

/// Where an output option writes: standard output's temporary file when it is the option given
/// as "-" (`toOutput`), else its own name.
std::string outputPath(const char* option, const std::string& name, const char* toOutput,
                       const std::optional<StandardOutputFile>& output);

} // namespace zav::cli

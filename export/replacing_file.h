// SPDX-License-Identifier: GPL-3.0-or-later
// An output file that replaces its predecessor only when it is complete: the text goes to a
// temporary file beside the target, which is renamed over the target when the writer closes.
// A crash leaves the old file in place; an error that unwinds the writer still closes it, so the
// lines written so far replace the old file.
#pragma once

#include <cstdio>
#include <string>

namespace zav {

class ReplacingFile {
public:
    ReplacingFile() = default;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    ~ReplacingFile() { close(); }

    /// Creates the temporary file beside `path`; false when it cannot be created.
    bool open(const std::string& path);
    bool isOpen() const { return m_file != nullptr; }

    /// Writes the bytes as they are.
    void write(const std::string& bytes);

    /// Closes and puts the file in place of the target; false when anything failed on the way.
    bool close();

    /// Closes and removes the temporary file: the target stays as it was.
    void discard();

private:
    std::FILE* m_file = nullptr;
    std::string m_path;
    std::string m_temporaryPath;
    bool m_failed = false;
};

} // namespace zav

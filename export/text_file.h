// SPDX-License-Identifier: GPL-3.0-or-later
// A text file of the program: UTF-8 text written in Windows-1250 with CR LF line ends, through a
// ReplacingFile, so that the target is replaced only when the file is complete.
#pragma once

#include <string>

#include "export/replacing_file.h"

namespace zav {

class TextFile {
public:
    bool open(const std::string& path) { return m_file.open(path); }
    ReplacingFile::Failure failure() const { return m_file.failure(); }
    /// The system's error number of the first failure since open(), 0 when nothing failed.
    int errorNumber() const { return m_file.errorNumber(); }
    /// Converts to Windows-1250 and writes every "\n" as CR LF.
    void write(const std::string& utf8);
    /// Writes ASCII text (digits, signs, separators, CR LF) as it is, without conversion.
    void writeAscii(const std::string& ascii) { m_file.write(ascii); }
    /// Puts the file in place of the target; false when anything failed on the way.
    bool close() { return m_file.close(); }
    /// Drops what was written: the target stays as it was.
    void discard() { m_file.discard(); }

private:
    ReplacingFile m_file;
};

} // namespace zav

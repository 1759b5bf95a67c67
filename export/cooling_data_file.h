// SPDX-License-Identifier: GPL-3.0-or-later
// The data file of a cooling run: a header and one semicolon-separated row of nine values per
// temperature step (time, body and mean temperature, the two coefficients, the material's heat
// capacity, Pr, Gr, Nu), in Windows-1250 with CR LF line ends and the decimal comma. It replaces
// the old file only when closed; a run abandoned by an error discards it.
#pragma once

#include <string>

#include "core/cooling.h"
#include "export/text_file.h"

namespace zav {

/// The header line (UTF-8, without its line end); every column name but c_material's ends in a blank.
std::string coolingDataHeader();

/// The row of the state as it is now (without its line end).
std::string coolingDataRow(const CoolingState& state);

/// The same row appended to `line`.
void appendCoolingDataRow(std::string& line, const CoolingState& state);

class CoolingDataFile : public CoolingDataSink {
public:
    /// Creates the file beside `path` and writes the header; false when it cannot be created.
    bool open(const std::string& path);
    ReplacingFile::Failure failure() const { return m_file.failure(); }
    /// The system's error number of the first failure since open(), 0 when nothing failed.
    int errorNumber() const { return m_file.errorNumber(); }
    void writeRow(const CoolingState& state) override;
    /// Puts the file in place of `path`; false when anything failed on the way.
    bool close() { return m_file.close(); }
    /// Drops the file: an existing `path` stays as it was.
    void discard() { m_file.discard(); }

private:
    TextFile m_file;
    std::string m_line; // reused for every row
};

} // namespace zav

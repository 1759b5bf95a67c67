// SPDX-License-Identifier: GPL-3.0-or-later
// Case files (".zav"): every input of a case as the user typed it, in a UTF-8 JSON object with
// "format": "zav-case" and "version": 1, grouped in sections ("main", "range", "chart",
// "cooling", "heat_capacity", "fluid", "design"). The table of the inputs (io/case_inputs.h) names each
// value, its type and its start-up value; the reader and the writer go by it.
#pragma once

#include "io/case_inputs.h"
#include "io/input_file.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace zav {

/// The version of the case format this program writes and the newest it reads.
constexpr int kCaseVersion = 1;

/// A case: every key of caseKeys() with its value as a text (a flag "true" or "false", an index
/// in decimal). A new record holds the start-up values.
class CaseRecord {
public:
    CaseRecord();

    const std::string& text(const std::string& key) const;
    bool flag(const std::string& key) const { return text(key) == "true"; }
    int index(const std::string& key) const { return std::stoi(text(key)); }
    /// Sets a value; throws std::out_of_range for an unknown key and std::invalid_argument for a
    /// flag, choice or index that its key does not allow.
    void set(const std::string& key, const std::string& value);
    void setFlag(const std::string& key, bool on) { set(key, on ? "true" : "false"); }

    bool operator==(const CaseRecord& other) const { return m_values == other.m_values; }
    bool operator!=(const CaseRecord& other) const { return !(*this == other); }

private:
    std::map<std::string, std::string> m_values;
};

/// A file that is not a case this program can open; what() is the Slovak message, which names the
/// file.
class CaseFileError : public std::runtime_error {
public:
    enum class Reason { CannotRead, NotCase, Newer, Damaged };
    CaseFileError(Reason reason, const std::string& message, int errorNumber = 0)
        : std::runtime_error(message), m_reason(reason), m_errorNumber(errorNumber) {}
    Reason reason() const { return m_reason; }
    /// The system's error number of a file that cannot be read; 0 for the others.
    int errorNumber() const { return m_errorNumber; }

private:
    Reason m_reason;
    int m_errorNumber;
};

/// Reads a case from the bytes of a file that messages call `name`. A key left out keeps its
/// start-up value; an unknown key, a key given twice, a value of the wrong type, a text longer
/// than a field holds or with a NUL, a choice that is not one of its names, an index out of its
/// bounds is refused. An emissivity catalogue item sets its emissivity: a case that gives another
/// is refused. Throws CaseFileError; never anything else for
/// any bytes (a file of more than kMaximumCaseBytes is refused as damaged).
CaseRecord readCase(const std::string& bytes, const std::string& name);

/// Reads the case file at `path` (a file name as the system takes it; `name` for the messages).
/// The desktop takes only a regular file (RegularOnly): a pipe or a device is refused as unreadable.
CaseRecord readCaseFile(const std::string& path, const std::string& name, InputKinds kinds,
                        const InterruptCheck& interrupted = {});

/// The bytes of the case file of `record`: UTF-8 JSON, two spaces of indentation, the keys in the
/// order of caseKeys(), a line break at the end.
std::string writeCase(const CaseRecord& record);

/// The longest text an input field holds (in UTF-16 units); a longer one is refused.
constexpr std::size_t kMaximumFieldLength = 32767;

/// The largest case file read: the limit of every input.
constexpr std::size_t kMaximumCaseBytes = kMaximumInputBytes;

} // namespace zav

// SPDX-License-Identifier: GPL-3.0-or-later
// A case file (".zav", io/case_file.h) as zav-calc and the Python module take it: the steady case,
// the range, the cooling and the design that the desktop would compute with its texts. A text is
// read as an input field is (the decimal comma) and only when the
// calculation needs it; one that is not a number is refused with a message that names the file
// and the key. What the front end gives itself (an option, a keyword) is not read from the case:
// `given` holds those names in snake case (t_body, emissivity, heat_capacity …).
#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "export/sweep_range.h"
#include "tools/calc/calc_request.h"

namespace zav {
class CaseRecord;
}

namespace zav::calc {

class CaseFileInputs {
public:
    /// Reads the case file `path` ("-" standard input): one that cannot be read throws
    /// InputFileError, one that is not a case or is damaged InputError.
    explicit CaseFileInputs(const std::string& path);
    ~CaseFileInputs();

    /// The steady case: its emissivity read when its radiation is on (an emissivity given leaves
    /// the radiation to the front end: off here), and into `fluid` the fluid chosen, with the
    /// case's description of the user-defined fluid for the fluid "user".
    SteadyCase steady(const std::set<std::string>& given, FluidChoice& fluid) const;
    /// The cooling's emissivity when its radiation is on (the emissivity of `cool`).
    std::optional<double> coolingEmissivity(const std::set<std::string>& given) const;
    /// The range of surface temperatures (from, to, step).
    SweepRange range(const std::set<std::string>& given) const;
    /// The cooling's inputs, its heat capacity, its radiation switch and emissivity (the
    /// field's, read whether the switch is on or off) and its picture's background; no files.
    CoolingRequest cooling(const std::set<std::string>& given) const;
    /// The design's heat flow (W) and the name of its unknown (t-body, t-fluid, area,
    /// length), each unless given.
    std::pair<std::optional<double>, std::optional<std::string>> design(const std::set<std::string>& given) const;

private:
    class Texts;
    std::shared_ptr<const Texts> m_texts;
};

} // namespace zav::calc

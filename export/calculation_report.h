// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation report of one steady case ("Súbor → Správa o výpočte…", zav-calc report, the
// module's Result.report_html()): its inputs as the table of the inputs names them, and what
// "Vypočítaj" gives for them, every number a text as the main window shows it; then the same as
// one self-contained UTF-8 HTML page. The case's name, the date and the version come from the
// caller, so that one case always gives the same page.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "core/alternatives.h"
#include "core/convection_state.h"
#include "core/evaluation_inputs.h"
#include "core/steady_case.h"

namespace zav {

/// One line of a table of the report: "Hustota ρ", "1,059", "kg/m³" (the unit may be empty).
struct ReportRow {
    std::string label;
    std::string value;
    std::string unit;
};

struct CalculationReport {
    /// The inputs of the main window that the case uses, in the order of the table of the inputs.
    std::vector<ReportRow> inputs;
    /// False when a check refused the case: `refusal` says why and no result follows.
    bool passed = false;
    std::string refusal;
    std::vector<ReportRow> properties; // the mean temperature and the fluid's properties there
    std::vector<ReportRow> numbers;    // Pr, Gr, Ra, Nu
    std::string correlation;           // the shape's correlation with its source
    std::string correlationRange;
    std::vector<ReportRow> results;    // α_konv, α_sálania, α_celkové and the heat flow
    std::string accuracy;              // the accuracy line under the main window's results; may be empty
    std::string spread;                // the spread of the published correlations
    std::vector<ComparisonRow> comparison; // the comparison of correlations, the program's own first
    /// Every warning of the calculation, each once, in the order it came.
    std::vector<std::string> warnings;
};

/// What the caller gives the page: the case's name ("bez názvu" for a case never saved or
/// opened), the date and time, and the program's version.
struct ReportHeader {
    std::string caseName;
    std::string dateTime;
    std::string version;
};

/// The name of a case that has no file.
extern const char* const kUnnamedCase;

/// The report of the steady case `c`, calculated as "Vypočítaj" calculates it.
CalculationReport calculationReport(const SteadyCase& c);

/// The same of the case whose four main inputs and emissivity are in `start` and whose other
/// inputs `inputs` gives. Only the inputs the case uses are read (the shape's own, the
/// user-defined fluid's), all of them before the calculation: one that is not a number throws
/// ConversionError and nothing is calculated.
CalculationReport calculationReport(const ConvectionState& start, const EvaluationInputs& inputs);

/// The page of the report: UTF-8 HTML with its own styles, every text escaped.
std::string reportHtml(const CalculationReport& report, const ReportHeader& header);

/// A local time as the report writes it: "4. 3. 2025 14:05".
std::string reportDateTime(std::time_t time);

/// The case file `path` as the report names it: its name without the folders; kUnnamedCase for
/// no path and for "-" (standard input).
std::string reportCaseName(const std::string& path);

} // namespace zav

// SPDX-License-Identifier: GPL-3.0-or-later
// The records of zav-calc as JSON and CSV text: numbers as the shortest text that reads back to the
// same double, with the decimal point (the decimal comma in the Slovak CSV; in JSON a value that is not finite is null, in CSV inf,
// -inf or nan), texts as JSON strings. Each JSON object is built with nlohmann-json, its keys in
// the order given, and written with std::to_chars's numbers (nlohmann's own writer would give
// "80.0" for 80, "0.0001" for 1e-04, and now and then a longer or different last digit).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/convection_state.h"
#include "core/alternatives.h"
#include "core/reference_deviation.h"
#include "tools/calc/calc_runs.h"

namespace zav::calc {

/// json: a JSON object, a sweep's points in an array; jsonl: one JSON object a line (a sweep's
/// point, or the one record); csv: "," between the cells and the decimal point; csv-sk: ";" and
/// the decimal comma, as a spreadsheet in the Slovak locale reads them; none: no results.
enum class OutputFormat { Json, Csv, CsvSlovak, JsonLines, None };

/// The format of its name: json, jsonl, csv, csv-sk or none; nothing for any other.
std::optional<OutputFormat> outputFormat(const std::string& name);

/// Whether the records are CSV (csv or csv-sk).
inline bool isCsv(OutputFormat format) { return format == OutputFormat::Csv || format == OutputFormat::CsvSlovak; }

/// The CSV header of the records: the quantities' keys.
std::string csvHeader(OutputFormat format = OutputFormat::Csv);

/// An evaluation's CSV row (the quantities, without a line end) appended to `text`.
void appendCsvRow(std::string& text, const ConvectionState& state, OutputFormat format = OutputFormat::Csv);

/// An evaluation's JSON object appended to `text`: the quantities (or, when `error` is not empty,
/// only the two temperatures), with `deviation` (a steady calculation's, not a sweep point's) its
/// reference_deviation, reference_deviation_property and reference_deviation_of_property (null
/// when there is none), "warnings" and, when not empty, "error".
/// A steady calculation's record also lists its `alternatives` (when given) before "warnings".
void appendJsonRecord(std::string& text, const ConvectionState& state, const std::vector<std::string>& warnings,
                      const std::string& error = std::string(),
                      const std::optional<ReferenceDeviation>* deviation = nullptr,
                      const std::vector<AlternativeResult>* alternatives = nullptr);

/// A cooling run's JSON object appended to `text`: cooling_time, scale_time, steps, the curve's
/// time and t_body, "warnings" and, when the run has one, "error".
void appendJsonCooling(std::string& text, const CoolingResult& result);

/// A design calculation's JSON object appended to `text`: steady's record at the solution with
/// "length" and "area", then "unknown" (its command-line name) and "solved" (its value, also in its
/// usual key); without a solution the inputs' t_body, t_fluid, length and area, "solved": null,
/// "reachable_heat_flow" and "error".
void appendJsonSolution(std::string& text, const SolveResult& result, DesignUnknown unknown);

/// A cooling run's curve as CSV appended to `text`: the header "time,t_body" and a row a point.
void appendCsvCurve(std::string& text, const CoolingResult& result, OutputFormat format = OutputFormat::Csv);

} // namespace zav::calc

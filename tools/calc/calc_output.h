// SPDX-License-Identifier: GPL-3.0-or-later
// The records of zav-calc as JSON and CSV text: numbers as the shortest text that reads back to the
// same double, with the decimal point (in JSON a value that is not finite is null, in CSV inf,
// -inf or nan), texts as JSON strings.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/convection_state.h"
#include "core/reference_deviation.h"

namespace zav::calc {

enum class OutputFormat { Json, Csv };

/// The shortest round-trip text of `value` appended to `text`.
void appendNumber(std::string& text, double value, OutputFormat format);

/// `value` as a JSON string (quoted, escaped) appended to `text`.
void appendJsonString(std::string& text, const std::string& value);

/// The CSV header of the records: the quantities' keys.
std::string csvHeader();

/// An evaluation's CSV row (the quantities, without a line end) appended to `text`.
void appendCsvRow(std::string& text, const ConvectionState& state);

/// An evaluation's JSON object appended to `text`: the quantities (or, when `error` is not empty,
/// only the two temperatures), with `deviation` (a steady calculation's, not a sweep point's) its
/// reference_deviation, reference_deviation_property and reference_deviation_of_property (null
/// when there is none), "warnings" and, when not empty, "error".
void appendJsonRecord(std::string& text, const ConvectionState& state, const std::vector<std::string>& warnings,
                      const std::string& error = std::string(),
                      const std::optional<ReferenceDeviation>* deviation = nullptr);

} // namespace zav::calc

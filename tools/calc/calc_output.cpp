// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calc/calc_output.h"

#include "tools/calc/calc_runs.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>

namespace zav::calc {

void appendNumber(std::string& text, double value, OutputFormat format) {
    if (!std::isfinite(value)) {
        if (format == OutputFormat::Json)
            text += "null";
        else
            text += std::isnan(value) ? "nan" : value > 0 ? "inf" : "-inf";
        return;
    }
    char buffer[32];
    const std::to_chars_result end = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, end.ptr);
}

void appendJsonString(std::string& text, const std::string& value) { text += nlohmann::json(value).dump(); }

std::string csvHeader() {
    std::string header;
    for (const Quantity& q : kQuantities)
        header += (header.empty() ? "" : ",") + std::string(q.key);
    return header;
}

void appendCsvRow(std::string& text, const ConvectionState& state) {
    bool first = true;
    for (const Quantity& q : kQuantities) {
        if (!first)
            text += ',';
        first = false;
        appendNumber(text, state.*q.value, OutputFormat::Csv);
    }
}

void appendJsonRecord(std::string& text, const ConvectionState& state, const std::vector<std::string>& warnings,
                      const std::string& error, const std::optional<ReferenceDeviation>* deviation) {
    text += '{';
    for (const Quantity& q : kQuantities) {
        if (!error.empty() && q.value != &ConvectionState::tBody && q.value != &ConvectionState::tFluid)
            continue;
        text += '"';
        text += q.key;
        text += "\":";
        appendNumber(text, state.*q.value, OutputFormat::Json);
        text += ',';
    }
    if (deviation != nullptr && error.empty()) {
        const ReferenceDeviation* known =
            deviation->has_value() && (*deviation)->status == ReferenceDeviation::Status::Available &&
                    (*deviation)->property != nullptr
                ? &**deviation
                : nullptr;
        text += "\"reference_deviation\":";
        appendNumber(text, known ? known->deviation : NAN, OutputFormat::Json);
        text += ",\"reference_deviation_property\":";
        if (known)
            appendJsonString(text, known->property->key);
        else
            text += "null";
        text += ",\"reference_deviation_of_property\":";
        appendNumber(text, known ? known->propertyDeviation : NAN, OutputFormat::Json);
        text += ',';
    }
    text += "\"warnings\":[";
    for (std::size_t i = 0; i < warnings.size(); ++i) {
        if (i > 0)
            text += ',';
        appendJsonString(text, warnings[i]);
    }
    text += ']';
    if (!error.empty()) {
        text += ",\"error\":";
        appendJsonString(text, error);
    }
    text += '}';
}

} // namespace zav::calc

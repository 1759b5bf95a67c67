// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calc/calc_output.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zav::calc {

namespace {

using Json = nlohmann::ordered_json;

// The shortest round-trip text of `value`.
void appendNumber(std::string& text, double value, OutputFormat format) {
    if (!std::isfinite(value)) {
        if (!isCsv(format))
            text += "null";
        else
            text += std::isnan(value) ? "nan" : value > 0 ? "inf" : "-inf";
        return;
    }
    char buffer[32];
    const std::to_chars_result end = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (format == OutputFormat::CsvSlovak)
        std::replace(buffer, end.ptr, '.', ',');
    text.append(buffer, end.ptr);
}

char csvSeparator(OutputFormat format) { return format == OutputFormat::CsvSlovak ? ';' : ','; }

// A string as nlohmann writes it: quoted, escaped, invalid UTF-8 refused. A text of printable ASCII
// without '"' and '\' (every key, most texts) has nothing to escape and is copied as it is.
void appendString(std::string& text, const std::string& value) {
    for (const char c : value) {
        if (c < 0x20 || c >= 0x7f || c == '"' || c == '\\') {
            text += Json(value).dump();
            return;
        }
    }
    text.append(1, '"').append(value).append(1, '"');
}

// `value` as nlohmann's dump() writes it without indentation, but for the numbers.
void appendJson(std::string& text, const Json& value) {
    switch (value.type()) {
    case Json::value_t::object: {
        text += '{';
        bool first = true;
        for (const auto& [key, item] : value.get_ref<const Json::object_t&>()) {
            if (!first)
                text += ',';
            first = false;
            appendString(text, key);
            text += ':';
            appendJson(text, item);
        }
        text += '}';
        return;
    }
    case Json::value_t::array: {
        text += '[';
        bool first = true;
        for (const Json& item : value.get_ref<const Json::array_t&>()) {
            if (!first)
                text += ',';
            first = false;
            appendJson(text, item);
        }
        text += ']';
        return;
    }
    case Json::value_t::number_float:
        appendNumber(text, value.get_ref<const Json::number_float_t&>(), OutputFormat::Json);
        return;
    case Json::value_t::string:
        appendString(text, value.get_ref<const std::string&>());
        return;
    default: // null, a boolean, an integer
        text += value.dump();
        return;
    }
}

// A sweep point's record. A sweep writes up to a million of them: each thread keeps one record and
// replaces its values, which spares building and freeing an object a point.
const Json& pointRecord(const ConvectionState& state, const std::vector<std::string>& warnings) {
    thread_local Json record = [] {
        Json r = Json::object();
        for (const QuantityInfo& q : kQuantities)
            r[q.key] = 0.0;
        r["warnings"] = Json::array();
        return r;
    }();
    auto field = record.get_ref<Json::object_t&>().begin();
    for (const QuantityInfo& q : kQuantities)
        (field++)->second = state.*q.field;
    Json::array_t& list = field->second.get_ref<Json::array_t&>();
    list.assign(warnings.begin(), warnings.end());
    return record;
}

} // namespace

std::optional<OutputFormat> outputFormat(const std::string& name) {
    static const std::pair<const char*, OutputFormat> kNames[] = {{"json", OutputFormat::Json},
                                                                  {"jsonl", OutputFormat::JsonLines},
                                                                  {"csv", OutputFormat::Csv},
                                                                  {"csv-sk", OutputFormat::CsvSlovak},
                                                                  {"none", OutputFormat::None}};
    for (const auto& [text, format] : kNames) {
        if (name == text)
            return format;
    }
    return std::nullopt;
}

std::string csvHeader(OutputFormat format) {
    std::string header;
    for (const QuantityInfo& q : kQuantities) {
        if (!header.empty())
            header += csvSeparator(format);
        header += q.key;
    }
    return header;
}

void appendCsvRow(std::string& text, const ConvectionState& state, OutputFormat format) {
    bool first = true;
    for (const QuantityInfo& q : kQuantities) {
        if (!first)
            text += csvSeparator(format);
        first = false;
        appendNumber(text, state.*q.field, format);
    }
}

namespace {

// The alternatives as JSON: each one's id, name, length, nusselt, alpha_conv, deviation, in_range.
Json alternativesJson(const std::vector<AlternativeResult>& alternatives) {
    Json list = Json::array();
    for (const AlternativeResult& a : alternatives) {
        Json item = Json::object();
        item["id"] = a.id;
        item["name"] = a.name;
        item["length"] = a.length;
        item["nusselt"] = a.nusselt;
        item["alpha_conv"] = a.alphaConv;
        item["deviation"] = a.deviation;
        item["in_range"] = a.inRange;
        list.push_back(item);
    }
    return list;
}

} // namespace

void appendJsonRecord(std::string& text, const ConvectionState& state, const std::vector<std::string>& warnings,
                      const std::string& error, const std::optional<ReferenceDeviation>* deviation,
                      const std::vector<AlternativeResult>* alternatives) {
    if (error.empty() && deviation == nullptr) {
        appendJson(text, pointRecord(state, warnings));
        return;
    }
    Json record = Json::object();
    for (const QuantityInfo& q : kQuantities) {
        if (error.empty() || q.id == Quantity::TBody || q.id == Quantity::TFluid)
            record[q.key] = state.*q.field;
    }
    if (deviation != nullptr && error.empty()) {
        const ReferenceDeviation* known =
            deviation->has_value() && (*deviation)->status == ReferenceDeviation::Status::Available &&
                    (*deviation)->property != nullptr
                ? &**deviation
                : nullptr;
        record["reference_deviation"] = known ? Json(known->deviation) : Json(nullptr);
        record["reference_deviation_property"] = known ? Json(quantityInfo(known->property->quantity).key) : Json(nullptr);
        record["reference_deviation_of_property"] = known ? Json(known->propertyDeviation) : Json(nullptr);
    }
    if (alternatives != nullptr && error.empty())
        record["alternatives"] = alternativesJson(*alternatives);
    record["warnings"] = warnings;
    if (!error.empty())
        record["error"] = error;
    appendJson(text, record);
}

void appendJsonSolution(std::string& text, const SolveResult& result, DesignUnknown unknown) {
    Json record = Json::object();
    for (const QuantityInfo& q : kQuantities) {
        if (result.ok || q.id == Quantity::TBody || q.id == Quantity::TFluid)
            record[q.key] = result.state.*q.field;
    }
    // The dimension and the area, which steady's record leaves to the options, as either may be
    // the unknown.
    record["length"] = result.state.charLength;
    record["area"] = result.state.area;
    if (result.ok) {
        const ReferenceDeviation* known =
            result.deviation && result.deviation->status == ReferenceDeviation::Status::Available &&
                    result.deviation->property != nullptr
                ? &*result.deviation
                : nullptr;
        record["reference_deviation"] = known ? Json(known->deviation) : Json(nullptr);
        record["reference_deviation_property"] = known ? Json(quantityInfo(known->property->quantity).key) : Json(nullptr);
        record["reference_deviation_of_property"] = known ? Json(known->propertyDeviation) : Json(nullptr);
    }
    record["unknown"] = designUnknownKey(unknown);
    record["solved"] = result.ok ? Json(result.value) : Json(nullptr);
    if (!result.ok)
        record["reachable_heat_flow"] = result.reachableHeatFlow ? Json(*result.reachableHeatFlow) : Json(nullptr);
    else
        record["alternatives"] = alternativesJson(result.alternatives);
    record["warnings"] = result.warnings;
    if (!result.ok)
        record["error"] = result.error;
    appendJson(text, record);
}

void appendJsonCooling(std::string& text, const CoolingResult& result) {
    Json record = Json::object();
    record["cooling_time"] = result.coolingTime;
    record["scale_time"] = result.scaleTime;
    record["steps"] = result.steps;
    if (result.heatSource) {
        const auto value = [](const std::optional<double>& v) { return v ? Json(*v) : Json(nullptr); };
        record["equilibrium"] = value(result.equilibrium);
        record["time_63"] = value(result.time63);
        record["time_95"] = value(result.time95);
    }
    Json& curve = record["curve"] = Json::object();
    curve["time"] = result.time;
    curve["t_body"] = result.tBody;
    record["warnings"] = result.warnings;
    if (!result.error.empty())
        record["error"] = result.error;
    appendJson(text, record);
}

void appendCsvCurve(std::string& text, const CoolingResult& result, OutputFormat format) {
    text.append("time").append(1, csvSeparator(format)).append("t_body\n");
    for (std::size_t i = 0; i < result.time.size(); ++i) {
        appendNumber(text, result.time[i], format);
        text += csvSeparator(format);
        appendNumber(text, result.tBody[i], format);
        text += '\n';
    }
}

} // namespace zav::calc

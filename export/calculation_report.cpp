// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/calculation_report.h"

#include <cstdio>

#include "core/number_format.h"
#include "core/reference_deviation.h"
#include "core/shown_results.h"
#include "core/steady_state.h"
#include "core/surface_shapes.h"
#include "io/case_inputs.h"

namespace zav {

const char* const kUnnamedCase = "bez názvu";

namespace {

const char* const kProgramName = "ZAV - voľná konvekcia";
const char* const kMainSection = "main.";

// The user-defined fluid's approximations, in ApproximationKind order (the tabs of its window).
const char* const kApproximationNames[] = {"konštantné vlastnosti", "lineárna aproximácia v teplote",
                                           "kvadratická aproximácia v teplote", "zmes plynov KELO"};

// A label of the table of the inputs as a line of the report: what follows a ";" speaks of the
// option, and the line begins with a capital letter.
std::string inputLabel(const CaseKey& entry) {
    std::string label = entry.label;
    label = label.substr(0, label.find(';'));
    if (!label.empty() && label[0] >= 'a' && label[0] <= 'z')
        label[0] = static_cast<char>(label[0] - 'a' + 'A');
    return label;
}

ReportRow inputRow(const CaseKey& entry, std::string value) {
    return {inputLabel(entry), std::move(value), entry.unit == nullptr ? "" : entry.unit};
}

// The text of a choice of the steady case: its Slovak name in the table of the inputs, or the
// shape's caption with what its length is.
std::string choiceText(const SteadyCase& c, const std::string& name) {
    if (name == "fluid") {
        if (c.fluid != FluidKind::UserDefined)
            return kFluidChoice[static_cast<std::size_t>(c.fluid)].label;
        return std::string("iná (vlastný materiál): ") + kApproximationNames[static_cast<std::size_t>(c.userFluid.kind)];
    }
    if (name == "shape") {
        const SurfaceShapeInfo& info = surfaceShapeInfo(c.shape);
        return std::string(info.caption) + " (" + info.lengthDescription + ")";
    }
    if (name == "face")
        return kFaceChoice[static_cast<std::size_t>(c.face)].label;
    return kPropertyModelChoice[static_cast<std::size_t>(c.properties)].label;
}

// The main window's inputs that the case uses: the shape's own inputs of its shape only, the
// emissivity with radiation only, the source of the properties of air and water only.
std::vector<ReportRow> inputRows(const SteadyCase& c) {
    const ShapeInputList own = surfaceShapeInfo(c.shape).inputs;
    const std::string_view shapeInputs[] = {kAngleInput, kFaceInput, kFinGapInput, kTubeDiameterInput};
    std::vector<ReportRow> rows;
    for (const CaseKey& entry : caseKeys()) {
        if (entry.key.rfind(kMainSection, 0) != 0)
            continue;
        const std::string name = entry.key.substr(std::string(kMainSection).size());
        bool shapeInput = false;
        for (const std::string_view input : shapeInputs)
            shapeInput = shapeInput || input == name;
        if ((shapeInput && !own.contains(name)) || (name == "emissivity" && !c.radiationOn) ||
            (name == "properties" && c.fluid == FluidKind::UserDefined))
            continue;
        if (entry.steadyNumber != nullptr)
            rows.push_back(inputRow(entry, formatGeneral(c.*entry.steadyNumber)));
        else if (entry.steadyFlag != nullptr)
            rows.push_back(inputRow(entry, c.*entry.steadyFlag ? "áno" : "nie"));
        else
            rows.push_back(inputRow(entry, choiceText(c, name)));
        if (name == "fluid" && c.fluid == FluidKind::UserDefined && c.userFluid.kind == ApproximationKind::KELO)
            rows.push_back(inputRow(caseKey("fluid.kelo.pressure"), formatGeneral(c.userFluid.gasPressure)));
    }
    return rows;
}

std::vector<ReportRow> resultRows(const ConvectionState& state, Quantity first, Quantity last) {
    std::vector<ReportRow> rows;
    for (auto q = static_cast<std::size_t>(first); q <= static_cast<std::size_t>(last); ++q) {
        const ShownResult& shown = shownResult(static_cast<Quantity>(q));
        rows.push_back({shown.name, shownResultText(state, shown.quantity), shown.unit});
    }
    return rows;
}

void addWarnings(std::vector<std::string>& warnings, const std::vector<std::string>& more) {
    for (const std::string& warning : more) {
        bool known = false;
        for (const std::string& w : warnings)
            known = known || w == warning;
        if (!known)
            warnings.push_back(warning);
    }
}

// The case of `start` and `inputs`, each input the case uses read once.
SteadyCase steadyCaseOf(const ConvectionState& start, const EvaluationInputs& inputs) {
    SteadyCase c;
    c.tBody = start.tBody;
    c.tFluid = start.tFluid;
    c.charLength = start.charLength;
    c.area = start.area;
    c.emissivity = start.emissivity;
    c.fluid = inputs.fluidKind();
    c.properties = inputs.propertyModel();
    c.shape = inputs.geometry();
    c.radiationOn = inputs.radiationOn();
    const ShapeInputList own = surfaceShapeInfo(c.shape).inputs;
    if (own.contains(kAngleInput))
        c.angleDeg = inputs.inclinationDeg();
    if (own.contains(kFaceInput))
        c.face = inputs.platePosition();
    if (own.contains(kFinGapInput))
        c.finGap = inputs.finGap();
    if (own.contains(kTubeDiameterInput))
        c.tubeDiameter = inputs.tubeDiameter();
    if (c.radiationOn)
        c.emissivity = inputs.emissivity();
    if (c.fluid == FluidKind::UserDefined)
        c.userFluid = inputs.userFluidModel();
    return c;
}

// ---- The page ----

std::string escaped(const std::string& text) {
    std::string out;
    for (const char ch : text) {
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\n': out += "<br>"; break;
        default: out += ch;
        }
    }
    return out;
}

const char* const kStyle =
    "body { font-family: sans-serif; font-size: 10pt; }\n"
    "h1 { font-size: 16pt; }\n"
    "h2 { font-size: 12pt; margin-top: 14pt; }\n"
    "table { border-collapse: collapse; }\n"
    "th, td { border: 1px solid #999999; padding: 2pt 6pt; text-align: left; vertical-align: top; }\n"
    "th { background-color: #eeeeee; }\n"
    "td.number { text-align: right; }\n"
    ".warning { color: #a00000; }\n";

void openTable(std::string& html, const std::vector<std::string>& heads) {
    html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n<tr>";
    for (const std::string& head : heads)
        html += "<th>" + escaped(head) + "</th>";
    html += "</tr>\n";
}

// A table of quantities: the values of those with a unit (the numbers) aligned on the right.
void table(std::string& html, const std::vector<ReportRow>& rows) {
    openTable(html, {"Veličina", "Hodnota", "Jednotka"});
    for (const ReportRow& row : rows)
        html += "<tr><td>" + escaped(row.label) + (row.unit.empty() ? "</td><td>" : "</td><td class=\"number\">") +
                escaped(row.value) + "</td><td>" + escaped(row.unit) + "</td></tr>\n";
    html += "</table>\n";
}

void section(std::string& html, const char* heading) { html += std::string("<h2>") + heading + "</h2>\n"; }

void paragraph(std::string& html, const std::string& text, bool warning = false) {
    html += (warning ? "<p class=\"warning\">" : "<p>") + escaped(text) + "</p>\n";
}

bool isWarning(const std::string& text) { return text.rfind("Pozor:", 0) == 0; }

void comparisonTable(std::string& html, const std::vector<ComparisonRow>& rows) {
    openTable(html, std::vector<std::string>(kComparisonColumns.begin(), kComparisonColumns.end()));
    for (const ComparisonRow& row : rows) {
        html += "<tr>";
        for (std::size_t c = 0; c < row.size(); ++c)
            html += (c == 0 || c + 1 == row.size() ? "<td>" : "<td class=\"number\">") + escaped(row[c]) + "</td>";
        html += "</tr>\n";
    }
    html += "</table>\n";
}

} // namespace

CalculationReport calculationReport(const SteadyCase& c) {
    CalculationReport report;
    report.inputs = inputRows(c);
    ConvectionState state = startState(c);
    const CaseInputs inputs(c);
    const SteadyOutcome outcome = calculateSteadyState(state, inputs);
    addWarnings(report.warnings, outcome.warnings);
    if (!outcome.ok) {
        report.refusal = outcome.message;
        return report;
    }
    report.passed = true;
    report.properties = resultRows(state, Quantity::TMean, Quantity::ExpansionCoeff);
    report.numbers = resultRows(state, Quantity::Prandtl, Quantity::Nusselt);
    const SurfaceShapeInfo& info = surfaceShapeInfo(c.shape);
    report.correlation = info.correlationName;
    report.correlationRange = info.correlationRange;
    report.results = resultRows(state, Quantity::AlphaConv, Quantity::HeatFlow);
    report.accuracy = accuracyLine(state, inputs);
    const std::vector<AlternativeResult> alternatives = alternativeResults(state, inputs);
    report.spread = alternativesSpread(alternatives);
    report.comparison = comparisonRows(c.shape, state, alternatives);
    addWarnings(report.warnings, resultWarnings(state, inputs));
    return report;
}

CalculationReport calculationReport(const ConvectionState& start, const EvaluationInputs& inputs) {
    return calculationReport(steadyCaseOf(start, inputs));
}

std::string reportHtml(const CalculationReport& report, const ReportHeader& header) {
    std::string html = "<!DOCTYPE html>\n<html lang=\"sk\">\n<head>\n<meta charset=\"utf-8\">\n<title>Správa o výpočte – " +
                       escaped(header.caseName) + "</title>\n<style>\n" + kStyle + "</style>\n</head>\n<body>\n" +
                       "<h1>Správa o výpočte</h1>\n";
    html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n";
    const auto headerRow = [&html](const char* label, const std::string& value) {
        html += std::string("<tr><th>") + label + "</th><td>" + escaped(value) + "</td></tr>\n";
    };
    headerRow("Zadanie", header.caseName);
    headerRow("Dátum a čas", header.dateTime);
    headerRow("Program", std::string(kProgramName) + ", verzia " + header.version);
    html += "</table>\n";

    section(html, "Vstupy");
    table(html, report.inputs);
    if (!report.passed) {
        section(html, "Výsledok");
        paragraph(html, "Výpočet bol odmietnutý:", true);
        paragraph(html, report.refusal, true);
    } else {
        section(html, "Vlastnosti tekutiny pri strednej teplote");
        table(html, report.properties);
        section(html, "Podobnostné čísla");
        table(html, report.numbers);
        section(html, "Korelácia");
        html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n";
        headerRow("Nusseltovo číslo podľa", report.correlation);
        headerRow("Rozsah platnosti", report.correlationRange);
        html += "</table>\n";
        section(html, "Výsledky");
        table(html, report.results);
        section(html, "Presnosť");
        if (!report.accuracy.empty())
            paragraph(html, report.accuracy, isWarning(report.accuracy));
        paragraph(html, report.spread);
        comparisonTable(html, report.comparison);
    }
    section(html, "Upozornenia");
    if (report.warnings.empty()) {
        paragraph(html, "Žiadne.");
    } else {
        html += "<ul>\n";
        for (const std::string& warning : report.warnings)
            html += "<li>" + escaped(warning) + "</li>\n";
        html += "</ul>\n";
    }
    return html + "</body>\n</html>\n";
}

std::string reportDateTime(std::time_t time) {
    std::tm local{};
    localtime_r(&time, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%d. %d. %d %d:%02d", local.tm_mday, local.tm_mon + 1, local.tm_year + 1900,
                  local.tm_hour, local.tm_min);
    return text;
}

std::string reportCaseName(const std::string& path) {
    if (path.empty() || path == "-")
        return kUnnamedCase;
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace zav

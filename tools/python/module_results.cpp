// SPDX-License-Identifier: GPL-3.0-or-later
// The module's result types: Result (steady() and solve(), one case or points), Sweep (sweep())
// and Cooling (cool()), their attributes, their repr and their comparison by value (NaN equal to
// NaN); their pickling is in module_pickle.cpp.
#include "tools/python/module_common.h"

#include "export/calculation_report.h"

#include <cmath>
#include <ctime>
#include <string>

namespace zav::python {

namespace {

// Two numbers of results, NaN equal to NaN.
bool sameNumber(double x, double y) { return x == y || (std::isnan(x) && std::isnan(y)); }

// Two values of a result: floats, or arrays of the same shape and values (NaN equal to NaN).
bool sameValues(const py::object& a, const py::object& b) {
    if (PyFloat_Check(a.ptr()) && PyFloat_Check(b.ptr()))
        return sameNumber(PyFloat_AS_DOUBLE(a.ptr()), PyFloat_AS_DOUBLE(b.ptr()));
    if (a.is_none() || b.is_none())
        return a.is_none() && b.is_none();
    static py::object arrayEqual = py::module_::import("numpy").attr("array_equal");
    if (py::isinstance<py::array>(a) && py::isinstance<py::array>(b))
        return arrayEqual(a, b, py::arg("equal_nan") = true).cast<bool>();
    return a.equal(b);
}

std::string resultRepr(const Result& r) {
    // One case on a line; the arrays of points one quantity a line.
    const char* separator = r.state ? ", " : ",\n           ";
    std::string text = "zav.Result(";
    for (std::size_t i = 0; i < kQuantityCount; ++i)
        text += (i > 0 ? separator : "") + std::string(kQuantities[i].key) + "=" + pythonRepr(r.value(i));
    if (!r.solved.is_none())
        text += separator + std::string("solved=") + pythonRepr(r.solved);
    if (!r.state)
        text += separator + std::string("errors=") + pythonRepr(r.errors);
    if (!r.warnings.empty())
        text += separator + std::string("warnings=") + pythonRepr(py::cast(r.warnings));
    return text + ")";
}

std::string sweepRepr(const SweepResult& r) {
    std::string text = "zav.Sweep(" + std::to_string(r.count) + " points";
    for (const Quantity q : {Quantity::TBody, Quantity::AlphaConv, Quantity::AlphaRad, Quantity::AlphaTotal})
        text += ",\n          " + std::string(quantityInfo(q).key) + "=" +
                pythonRepr(r.columns[static_cast<std::size_t>(q)]);
    if (!r.warnings.empty())
        text += ",\n          warnings=" + pythonRepr(py::cast(r.warnings));
    return text + ")";
}

std::string coolingRepr(const CoolingRun& r) {
    std::string text = "zav.Cooling(cooling_time=" + pythonRepr(py::float_(r.coolingTime)) +
                       ", scale_time=" + pythonRepr(py::float_(r.scaleTime)) + ", steps=" + std::to_string(r.steps) +
                       ",\n            time=" + pythonRepr(r.time) + ",\n            t_body=" + pythonRepr(r.tBody);
    if (r.heatSource)
        text += ",\n            equilibrium=" + pythonRepr(py::cast(r.equilibrium)) +
                ", time_63=" + pythonRepr(py::cast(r.time63)) + ", time_95=" + pythonRepr(py::cast(r.time95));
    if (!r.warnings.empty())
        text += ",\n            warnings=" + pythonRepr(py::cast(r.warnings));
    return text + ")";
}

bool sameColumns(const std::vector<py::object>& a, const std::vector<py::object>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!sameValues(a[i], b[i]))
            return false;
    }
    return true;
}

bool sameResults(const Result& a, const Result& b) {
    if (a.state.has_value() != b.state.has_value() || a.warnings != b.warnings)
        return false;
    for (std::size_t q = 0; q < kQuantityCount; ++q) {
        if (!sameValues(a.value(q), b.value(q)))
            return false;
    }
    return sameValues(a.deviation, b.deviation) && sameValues(a.deviationProperty, b.deviationProperty) &&
           sameValues(a.deviationOfProperty, b.deviationOfProperty) && a.errors.equal(b.errors) &&
           sameValues(a.solved, b.solved) && a.alternatives.equal(b.alternatives) &&
           a.reportCase.has_value() == b.reportCase.has_value() && a.reportName == b.reportName &&
           (!a.reportCase || (caseDoubles(*a.reportCase) == caseDoubles(*b.reportCase) &&
                              caseChoices(*a.reportCase) == caseChoices(*b.reportCase) &&
                              a.reportCase->radiationOn == b.reportCase->radiationOn));
}

// The calculation report of the case of steady(), as "Súbor → Správa o výpočte…" writes it.
std::string reportHtmlOf(const Result& r, const std::optional<std::string>& name, const std::optional<std::string>& time) {
    if (!r.reportCase)
        throw py::value_error("report_html(): only a result of steady() for one case has a report");
    const CalculationReport report = withoutGil([&] { return calculationReport(*r.reportCase); });
    return reportHtml(report, {name.value_or(r.reportName), time.value_or(reportDateTime(std::time(nullptr))),
                               ZAV_VERSION});
}

} // namespace

std::string pythonRepr(const py::handle& value) { return py::repr(value).cast<std::string>(); }

py::object alternativesTuple(const std::vector<AlternativeResult>& alternatives) {
    py::tuple list(alternatives.size());
    for (std::size_t i = 0; i < alternatives.size(); ++i) {
        const AlternativeResult& a = alternatives[i];
        list[i] = py::handle(g_alternativeType)(a.id, a.name, a.length, a.nusselt, a.alphaConv, a.deviation, a.inRange);
    }
    return std::move(list);
}

void defineResultTypes(py::module_& m) {
    auto result = py::class_<Result>(m, "Result", "The main window's results: the quantities in SI units, "
                                                  "temperatures in °C (floats of one case, NumPy arrays of "
                                                  "steady() over arrays), and the warnings' texts.");
    for (std::size_t i = 0; i < kQuantityCount; ++i)
        result.def_property_readonly(kQuantities[i].key, [i](const Result& r) { return r.value(i); },
                                     kQuantities[i].meaning);
    result.def_readonly("warnings", &Result::warnings, "the range warnings' texts, each once")
        .def_property_readonly("errors", [](const Result& r) { return r.errors; },
                               "of steady() over arrays: (index, message) of every point a check refused "
                               "(its values are NaN); empty for one case")
        .def_property_readonly("reference_deviation", [](const Result& r) { return r.deviation; },
                               "the total coefficient's relative deviation from the reference properties' result, "
                               "(built-in - reference) / reference; None in reference mode, for a user-defined "
                               "fluid, when the reference cannot be evaluated and of steady() over arrays")
        .def_property_readonly("reference_deviation_property", [](const Result& r) { return r.deviationProperty; },
                               "the key of the property that deviates most from its reference value, or None")
        .def_property_readonly("reference_deviation_of_property",
                               [](const Result& r) { return r.deviationOfProperty; },
                               "that property's relative deviation, or None")
        .def_property_readonly("solved", [](const Result& r) { return r.solved; },
                               "of solve(): the unknown at the solution (°C, m² or m; NaN at the points of arrays "
                               "without a solution); None of steady()")
        .def_property_readonly("alternatives", [](const Result& r) { return r.alternatives; },
                               "of one case: the published correlations for the same body, zav.Alternative each "
                               "(from the same properties, on each one's own length); empty of arrays")
        .def("__repr__", &resultRepr)
        .def("__eq__", &sameResults, py::is_operator())
        .def("as_dict", [](const Result& r) {
            py::dict d;
            for (std::size_t q = 0; q < kQuantityCount; ++q)
                d[kQuantities[q].key] = r.value(q);
            d["reference_deviation"] = r.deviation;
            d["reference_deviation_property"] = r.deviationProperty;
            d["reference_deviation_of_property"] = r.deviationOfProperty;
            if (!r.solved.is_none())
                d["solved"] = r.solved;
            return d;
        }, "The quantities as a dict, with the reference deviation's three values (and solve()'s solved).")
        .def("report_html", &reportHtmlOf, py::kw_only(), py::arg("name") = py::none(), py::arg("time") = py::none(),
             "The calculation report of the case as an HTML page (UTF-8, its own styles), as the main\n"
             "window's \"Súbor → Správa o výpočte…\" and zav-calc report write it: the inputs, the\n"
             "fluid's properties, the similarity numbers, the correlation with its source and range,\n"
             "the coefficients, the heat flow, the accuracy line, the published correlations and the\n"
             "warnings, every number as the main window shows it. The case is calculated again.\n\n"
             "    name                the case's name in the report (default: the file of case=, else\n"
             "                        \"bez názvu\")\n"
             "    time                the date and time in the report (default: now, \"4. 3. 2025 14:05\")\n\n"
             "Only a result of steady() for one case has a report (ValueError otherwise).");
    definePickling(result);

    auto sweepResult = py::class_<SweepResult>(
        m, "Sweep", "The points of a sweep: every quantity as a NumPy array over the surface temperatures.");
    for (std::size_t i = 0; i < kQuantityCount; ++i)
        sweepResult.def_property_readonly(kQuantities[i].key, [i](const SweepResult& r) { return r.columns[i]; },
                                          kQuantities[i].meaning);
    sweepResult.def_readonly("warnings", &SweepResult::warnings, "the range warnings' texts, each once")
        .def("__len__", [](const SweepResult& r) { return r.count; })
        .def("__repr__", &sweepRepr)
        .def("__eq__",
             [](const SweepResult& a, const SweepResult& b) {
                 return a.count == b.count && a.warnings == b.warnings && sameColumns(a.columns, b.columns);
             },
             py::is_operator());
    definePickling(sweepResult);

    auto cooling = py::class_<CoolingRun>(m, "Cooling", "A cooling run: its time, its steps and its curve.");
    cooling
        .def_readonly("cooling_time", &CoolingRun::coolingTime, "s, to the target (or as far as the run got)")
        .def_readonly("scale_time", &CoolingRun::scaleTime, "s, of the scale pass of 1000 steps")
        .def_readonly("steps", &CoolingRun::steps, "simulation steps done")
        .def_readonly("time", &CoolingRun::time, "the curve's times, s: 0 and the end of every step")
        .def_readonly("t_body", &CoolingRun::tBody, "the curve's body temperatures, °C")
        .def_readonly("warnings", &CoolingRun::warnings, "the range warnings' texts, each once")
        .def_readonly("equilibrium", &CoolingRun::equilibrium,
                      "°C, where a body with a heat source settles (None: no source, or not known)")
        .def_readonly("time_63", &CoolingRun::time63, "s, from the start to 63 % of the way to the equilibrium")
        .def_readonly("time_95", &CoolingRun::time95, "s, from the start to 95 % of the way to the equilibrium")
        .def("__repr__", &coolingRepr)
        .def("__eq__",
             [](const CoolingRun& a, const CoolingRun& b) {
                 return sameNumber(a.coolingTime, b.coolingTime) && sameNumber(a.scaleTime, b.scaleTime) &&
                        a.steps == b.steps &&
                        a.warnings == b.warnings && sameValues(a.time, b.time) && sameValues(a.tBody, b.tBody) &&
                        a.heatSource == b.heatSource && a.equilibrium == b.equilibrium && a.time63 == b.time63 &&
                        a.time95 == b.time95;
             },
             py::is_operator());
    definePickling(cooling);
}

} // namespace zav::python

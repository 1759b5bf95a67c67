// SPDX-License-Identifier: GPL-3.0-or-later
// steady(), sweep(), cool() and solve(): the calls from Python (their keywords read into the main
// window's case and each function's own inputs) and the runs of one case on tools/calc, whose
// results become Result, Sweep and Cooling; steady() and solve() over arrays of inputs go on in
// module_points.cpp.
#include "tools/python/module_common.h"

#include "core/reference_deviation.h"
#include "core/steady_state.h"
#include "core/surface_shapes.h"
#include "export/calculation_report.h"
#include "io/case_inputs.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace zav::python {

namespace {

// The keywords as the messages spell them.
const FluidOptionNames kFluidOptions{"fluid", "fluid_file", "kelo", "pressure", "fluid_file alebo kelo"};
const SweepOptionNames kSweepOptions{"table", "ccl", "name", "ccl", "name"};
const CoolingOptionNames kCoolingOptions{"data", "picture"};

// The steady case of the arguments; a name or a file that cannot be used throws InputError.
SteadyCase mainCase(const MainArguments& a) {
    SteadyCase c = a.values;
    c.radiationOn = a.radiation;
    c.emissivity = a.emissivity;
    if (a.shape)
        c.shape = surfaceGeometry(*a.shape);
    if (a.face)
        c.face = platePosition(*a.face);
    if (a.properties)
        c.properties = propertyModel(*a.properties);
    FluidChoice fluid = a.fluid;
    fluid.fluidFile = a.fluidFile;
    fluid.kelo = a.kelo;
    fluid.pressureMpa = a.pressure;
    if (a.fluidName)
        fluid.name = a.fluidName;
    return withFluid(std::move(c), fluid, kFluidOptions);
}

// The reference deviation's three values of one case, when it has them.
void setDeviation(Result& result, const std::optional<ReferenceDeviation>& d) {
    if (d && d->status == ReferenceDeviation::Status::Available && d->property) {
        result.deviation = py::float_(d->deviation);
        result.deviationProperty = py::str(quantityInfo(d->property->quantity).key);
        result.deviationOfProperty = py::float_(d->propertyDeviation);
    }
}

Result steady(const MainArguments& a) {
    const SteadyCase c = mainCase(a);
    const SteadyResult r = runSteady(c);
    warn(r.warnings);
    if (!r.ok)
        raiseCheckError(r.error);
    Result result;
    result.state = r.state;
    result.warnings = r.warnings;
    result.alternatives = alternativesTuple(r.alternatives);
    setDeviation(result, r.deviation);
    result.reportCase = c;
    result.reportName = reportCaseName(a.caseFile);
    return result;
}

// The unknown of solve() named as zav-calc names it, with "_" for "-" (t_body …).
DesignUnknown designUnknownNamed(const std::string& name) {
    std::string list;
    for (const ChoiceName& choice : kDesignUnknownChoice) {
        std::string key = choice.name;
        std::replace(key.begin(), key.end(), '-', '_');
        if (name == key)
            return static_cast<DesignUnknown>(&choice - kDesignUnknownChoice.begin());
        list += (list.empty() ? "" : ", ") + key;
    }
    throw InputError("Neznámy názov neznámej „" + name + "“; možnosti: " + list + ".");
}

// The design calculation ("Návrh") of one case: the unknown that carries `heatFlow` W, with the
// full steady state there; without a solution CheckError with the solution's message.
Result solve(const MainArguments& a, DesignUnknown unknown, double heatFlow) {
    const SteadyCase c = mainCase(a);
    const CaseInputs inputs(c);
    const DesignSolution solution =
        withoutGil([&] { return solveSteadyState(startState(c), inputs, unknown, heatFlow); });
    Result result;
    appendUnique(result.warnings, solution.warnings);
    if (solution.solved) {
        appendUnique(result.warnings, resultWarnings(solution.state, inputs));
        result.alternatives = alternativesTuple(alternativeResults(solution.state, inputs));
    }
    warn(result.warnings);
    if (!solution.solved)
        raiseCheckError(solution.message);
    result.state = designState(solution.state, heatFlow);
    result.solved = py::float_(solution.value);
    if (c.fluid != FluidKind::UserDefined && c.properties == PropertyModel::Builtin)
        setDeviation(result, referenceDeviation(solution.state, inputs));
    return result;
}

SweepResult sweep(const MainArguments& a, double from, double to, double step, const std::optional<std::string>& table,
                  const std::optional<std::string>& ccl, const std::optional<std::string>& name) {
    const SteadyCase c = mainCase(a);
    SweepRequest request;
    request.range = {from, to, step};
    request.table = table;
    request.ccl = ccl;
    request.name = name;
    const SweepFiles files = prepareSweepFiles(request, kSweepOptions);
    PythonSignals signals;
    ColumnSink sink;
    const SweepOutcome outcome = withoutGil([&] { return runSweepCase(c, request.range, files, sink, signals); });
    if (outcome.refusal)
        raiseCheckError(*outcome.refusal);
    signals.raisePending();
    if (const std::optional<FileProblem>& problem = outcome.fileProblem)
        raiseOSError(problem->errorNumber, problem->message, problem->path);
    SweepResult result = sink.result();
    warn(result.warnings);
    return result;
}

CoolingRun cool(const MainArguments& a, double mass, double coolingArea, double power, double target, double steps,
                const std::optional<std::string>& heatCapacity, const HeatCapacityModel& caseHeatCapacity,
                const std::optional<std::string>& data, const std::optional<std::string>& picture,
                const std::string& background) {
    const SteadyCase c = mainCase(a);
    CoolingRequest request;
    request.mass = mass;
    request.coolingArea = coolingArea;
    request.heatSource = power;
    request.targetTemperature = target;
    request.stepCount = steps;
    request.heatCapacity = heatCapacity ? heatCapacityModel(*heatCapacity) : caseHeatCapacity;
    request.data = data;
    request.picture = picture;
    request.background = background;
    // The module refuses an unknown background before an empty or doubled file name (zav-calc
    // after them).
    plotType(background);
    CoolingSetup setup = prepareCooling(c, request, kCoolingOptions);
    // The cooling window's radiation switch and emissivity field; the main window's switch plays
    // no part.
    setup.cooling.radiationOn = a.radiation;
    setup.cooling.emissivity = a.emissivity;
    setup.steady.radiationOn = false;
    PythonSignals signals;
    CoolingResult r = withoutGil([&] {
        return runCoolingCase(setup.steady, setup.cooling, setup.files, [&signals] { return signals.check(); });
    });
    signals.raisePending();
    CoolingRun run;
    run.coolingTime = r.coolingTime;
    run.scaleTime = r.scaleTime;
    run.steps = r.steps;
    run.time = vectorArray(std::move(r.time));
    run.tBody = vectorArray(std::move(r.tBody));
    run.warnings = r.warnings;
    run.heatSource = r.heatSource;
    run.equilibrium = r.equilibrium;
    run.time63 = r.time63;
    run.time95 = r.time95;
    warn(r.warnings);
    if (r.fileProblem)
        raiseOSError(r.fileProblem->errorNumber, r.fileProblem->message, r.fileProblem->path);
    if (!r.error.empty())
        raiseCheckError(r.error, py::cast(run));
    return run;
}

} // namespace

PyObject* steadyCall(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    static const KeywordParser parser("steady", {&mainParameters()});
    static const auto kPoints = parser.slots(kPointKeywords);
    Given given{};
    if (!parser.parse(PyVectorcall_NARGS(nargs), args, kwnames, given.data()))
        return nullptr;
    return callPython([&] {
        const std::set<std::string> names = givenNames(given.data(), parser);
        // Inputs given as arrays: the case takes each one's first value (its checks of the
        // arguments), the points all of them.
        std::vector<py::object> firstValues;
        const std::vector<ArrayInput> arrays = arrayInputs(given.data(), kPoints, firstValues);
        const MainArguments a = mainArguments(given.data(), names);
        if (arrays.empty())
            return py::cast(steady(a));
        return py::cast(steadyPoints(mainCase(a), arrays));
    });
}

PyObject* sweepCall(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    static const KeywordParser parser("sweep", {&mainParameters(), &sweepParameters()});
    Given given{};
    if (!parser.parse(PyVectorcall_NARGS(nargs), args, kwnames, given.data()))
        return nullptr;
    return callPython([&] {
        const auto g = [&](const char* name) { return given[parser.slot(name)]; };
        const MainArguments a = mainArguments(given.data(), givenNames(given.data(), parser));
        const SweepRange range = a.file ? a.file->range(a.given) : SweepRequest().range;
        return py::cast(sweep(a, numberArgument(g("from_"), range.tMin, "from_"), numberArgument(g("to"), range.tMax, "to"),
                              numberArgument(g("step"), range.tStep, "step"), pathArgument(g("table"), "table"),
                              pathArgument(g("ccl"), "ccl"), optionalTextArgument(g("name"), "name")));
    });
}

PyObject* coolCall(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    static const KeywordParser parser("cool", {&mainParameters(), &coolParameters()});
    Given given{};
    if (!parser.parse(PyVectorcall_NARGS(nargs), args, kwnames, given.data()))
        return nullptr;
    return callPython([&] {
        const auto g = [&](const char* name) { return given[parser.slot(name)]; };
        MainArguments a = mainArguments(given.data(), givenNames(given.data(), parser), true);
        const CoolingRequest base = a.file ? a.file->cooling(a.given) : CoolingRequest();
        // The case's cooling: its emissivity field counts even with its radiation off.
        if (g("emissivity") == nullptr && base.emissivity)
            a.emissivity = *base.emissivity;
        return py::cast(cool(a, numberArgument(g("mass"), base.mass, "mass"),
                             numberArgument(g("cooling_area"), base.coolingArea, "cooling_area"),
                             numberArgument(g("power"), base.heatSource, "power"),
                             numberArgument(g("target"), base.targetTemperature, "target"),
                             numberArgument(g("steps"), base.stepCount, "steps"),
                             optionalTextArgument(g("heat_capacity"), "heat_capacity"), base.heatCapacity,
                             pathArgument(g("data"), "data"), pathArgument(g("picture"), "picture"),
                             textArgument(g("picture_background"), base.background.c_str(), "picture_background")));
    });
}

PyObject* solveCall(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    static const KeywordParser parser("solve", {&mainParameters(), &solveParameters()});
    static const std::size_t kHeatFlow = parser.slot("heat_flow");
    static const std::size_t kCase = parser.slot("case");
    static const auto kPoints = parser.slots(kPointKeywords);
    static const auto kHeatFlows = parser.slots({"heat_flow"});
    Given given{};
    if (!parser.parse(PyVectorcall_NARGS(nargs), args, kwnames, given.data()))
        return nullptr;
    // heat_flow is required, unless a case file gives its design's.
    if (given[kHeatFlow] == nullptr && (given[kCase] == nullptr || given[kCase] == Py_None)) {
        PyErr_SetString(PyExc_TypeError, "solve() missing required keyword argument: 'heat_flow'");
        return nullptr;
    }
    return callPython([&] {
        const std::set<std::string> names = givenNames(given.data(), parser);
        std::vector<py::object> firstValues;
        std::vector<ArrayInput> arrays = arrayInputs(given.data(), kPoints, firstValues);
        for (auto& heatFlow : arrayInputs(given.data(), kHeatFlows, firstValues))
            arrays.push_back(std::move(heatFlow));
        const MainArguments a = mainArguments(given.data(), names);
        // The case's design: its heat flow and its unknown (named as zav-calc names it, t-body
        // ...), each unless passed.
        std::optional<double> caseHeatFlow;
        std::optional<std::string> caseUnknown;
        if (a.file)
            std::tie(caseHeatFlow, caseUnknown) = a.file->design(a.given);
        if (caseUnknown)
            std::replace(caseUnknown->begin(), caseUnknown->end(), '-', '_');
        const double heatFlow = numberArgument(given[kHeatFlow], caseHeatFlow.value_or(0), "heat_flow");
        const DesignUnknown unknown = designUnknownNamed(
            caseUnknown ? *caseUnknown : textArgument(given[parser.slot("unknown")], "t_body", "unknown"));
        if (arrays.empty())
            return py::cast(solve(a, unknown, heatFlow));
        return py::cast(solvePoints(mainCase(a), unknown, heatFlow, arrays));
    });
}

} // namespace zav::python

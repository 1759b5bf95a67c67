// SPDX-License-Identifier: GPL-3.0-or-later
// steady(), sweep(), cool() and solve(): the calls from Python (their keywords read into the main
// window's case and each function's own inputs) and the runs of one case on tools/calc, whose
// results become Result, Sweep and Cooling; steady() and solve() over arrays of inputs go on in
// module_points.cpp.
#include "tools/python/module_common.h"

#include "core/reference_deviation.h"
#include "core/steady_state.h"
#include "core/surface_shapes.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace zav::python {

namespace {

// The keywords as the messages spell them.
const FluidOptionNames kFluidOptions{"fluid", "fluid_file", "kelo", "pressure", "fluid_file alebo kelo"};
const SweepOptionNames kSweepOptions{"table", "ccl", "name", "ccl", "name"};
const CoolingOptionNames kCoolingOptions{"data", "picture"};

// The main window's case of the arguments; a name or a file that cannot be used throws InputError.
SteadyCase mainCase(const MainArguments& a) {
    SteadyRequest r = a.base;
    r.tBody = a.tBody;
    r.tFluid = a.tFluid;
    r.charLength = a.length;
    r.area = a.area;
    r.angleDeg = a.angle;
    r.finGap = a.finGap;
    r.tubeDiameter = a.tubeDiameter;
    r.emissivity = a.radiation ? std::optional<double>(a.emissivity) : std::nullopt;
    if (a.shape)
        r.shape = surfaceGeometry(*a.shape);
    if (a.face)
        r.face = platePosition(*a.face);
    if (a.properties)
        r.properties = propertyModel(*a.properties);
    r.fluid.fluidFile = a.fluidFile;
    r.fluid.kelo = a.kelo;
    r.fluid.pressureMpa = a.pressure;
    if (a.fluid)
        r.fluid.name = a.fluid;
    SteadyCase c = steadyCase(r, kFluidOptions);
    c.emissivity = a.emissivity;
    return c;
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
    const SteadyResult r = runSteady(mainCase(a));
    warn(r.warnings);
    if (!r.ok)
        raiseCheckError(r.error);
    Result result;
    result.state = r.state;
    result.warnings = r.warnings;
    setDeviation(result, r.deviation);
    return result;
}

// The unknowns of solve() by their names, in the order the messages list them.
constexpr std::pair<const char*, DesignUnknown> kUnknowns[] = {{"t_body", DesignUnknown::BodyTemperature},
                                                               {"t_fluid", DesignUnknown::FluidTemperature},
                                                               {"area", DesignUnknown::Area},
                                                               {"length", DesignUnknown::CharLength}};

DesignUnknown designUnknownNamed(const std::string& name) {
    std::string list;
    for (const auto& [key, unknown] : kUnknowns) {
        if (name == key)
            return unknown;
        list += (list.empty() ? "" : ", ") + std::string(key);
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

CoolingRun cool(const MainArguments& a, double mass, double coolingArea, double target, double steps,
                const std::optional<std::string>& heatCapacity, const HeatCapacityModel& caseHeatCapacity,
                const std::optional<std::string>& data, const std::optional<std::string>& picture,
                const std::string& background) {
    const SteadyCase c = mainCase(a);
    CoolingRequest request;
    request.mass = mass;
    request.coolingArea = coolingArea;
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
    warn(r.warnings);
    if (r.fileProblem)
        raiseOSError(r.fileProblem->errorNumber, r.fileProblem->message, r.fileProblem->path);
    if (!r.error.empty())
        raiseCheckError(r.error, py::cast(run));
    return run;
}

} // namespace

PyObject* steadyCall(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    static const KeywordParser parser("steady", {{kMainParameters, kMainCount}});
    PyObject* given[kMainCount] = {};
    if (!parser.parse(PyVectorcall_NARGS(nargs), args, kwnames, given))
        return nullptr;
    return callPython([&] {
        const std::set<std::string> names = givenNames(given, {{kMainParameters, kMainCount}});
        // Inputs given as arrays: the case takes each one's first value (its checks of the
        // arguments), the points all of them.
        std::vector<py::object> firstValues;
        const std::vector<ArrayInput> arrays = arrayInputs(given, kPointInputs, std::size(kPointInputs), firstValues);
        const MainArguments a = mainArguments(given, names);
        if (arrays.empty())
            return py::cast(steady(a));
        return py::cast(steadyPoints(mainCase(a), arrays));
    });
}

PyObject* sweepCall(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    static const KeywordParser parser("sweep", {{kMainParameters, kMainCount}, {kSweepParameters, 6}});
    PyObject* given[kMainCount + 6] = {};
    if (!parser.parse(PyVectorcall_NARGS(nargs), args, kwnames, given))
        return nullptr;
    return callPython([&] {
        PyObject* const* g = given + kMainCount;
        const MainArguments a =
            mainArguments(given, givenNames(given, {{kMainParameters, kMainCount}, {kSweepParameters, 6}}));
        const SweepRange range = a.file ? a.file->range(a.given) : SweepRange{0, 100, 5};
        return py::cast(sweep(a, numberArgument(g[0], range.tMin, "from_"), numberArgument(g[1], range.tMax, "to"),
                              numberArgument(g[2], range.tStep, "step"), pathArgument(g[3], "table"),
                              pathArgument(g[4], "ccl"), optionalTextArgument(g[5], "name")));
    });
}

PyObject* coolCall(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    static const KeywordParser parser("cool", {{kMainParameters, kMainCount}, {kCoolParameters, 8}});
    PyObject* given[kMainCount + 8] = {};
    if (!parser.parse(PyVectorcall_NARGS(nargs), args, kwnames, given))
        return nullptr;
    return callPython([&] {
        PyObject* const* g = given + kMainCount;
        MainArguments a =
            mainArguments(given, givenNames(given, {{kMainParameters, kMainCount}, {kCoolParameters, 8}}), true);
        const CoolingRequest base = a.file ? a.file->cooling(a.given) : CoolingRequest();
        // The case's cooling window: its emissivity field counts even with its radiation off.
        if (given[10] == nullptr && base.emissivity)
            a.emissivity = *base.emissivity;
        return py::cast(cool(a, numberArgument(g[0], base.mass, "mass"),
                             numberArgument(g[1], base.coolingArea, "cooling_area"),
                             numberArgument(g[2], base.targetTemperature, "target"),
                             numberArgument(g[3], base.stepCount, "steps"),
                             optionalTextArgument(g[4], "heat_capacity"), base.heatCapacity,
                             pathArgument(g[5], "data"), pathArgument(g[6], "picture"),
                             textArgument(g[7], base.background.c_str(), "picture_background")));
    });
}

PyObject* solveCall(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    static const KeywordParser parser("solve", {{kMainParameters, kMainCount}, {kSolveParameters, 2}});
    PyObject* given[kMainCount + 2] = {};
    if (!parser.parse(PyVectorcall_NARGS(nargs), args, kwnames, given))
        return nullptr;
    // heat_flow is required, unless a case file gives its design window's.
    if (given[kHeatFlowParameter] == nullptr && (given[15] == nullptr || given[15] == Py_None)) {
        PyErr_SetString(PyExc_TypeError, "solve() missing required keyword argument: 'heat_flow'");
        return nullptr;
    }
    return callPython([&] {
        const std::set<std::string> names =
            givenNames(given, {{kMainParameters, kMainCount}, {kSolveParameters, 2}});
        static constexpr PointInput kHeatFlow[] = {{kHeatFlowParameter, "heat_flow"}};
        std::vector<py::object> firstValues;
        std::vector<ArrayInput> arrays = arrayInputs(given, kPointInputs, std::size(kPointInputs), firstValues);
        for (auto& heatFlow : arrayInputs(given, kHeatFlow, std::size(kHeatFlow), firstValues))
            arrays.push_back(std::move(heatFlow));
        const MainArguments a = mainArguments(given, names);
        // The case's design window: its heat flow and its unknown (named as zav-calc names it,
        // t-body ...), each unless passed.
        std::optional<double> caseHeatFlow;
        std::optional<std::string> caseUnknown;
        if (a.file)
            std::tie(caseHeatFlow, caseUnknown) = a.file->design(a.given);
        if (caseUnknown)
            std::replace(caseUnknown->begin(), caseUnknown->end(), '-', '_');
        const double heatFlow = numberArgument(given[kHeatFlowParameter], caseHeatFlow.value_or(0), "heat_flow");
        const DesignUnknown unknown = designUnknownNamed(
            caseUnknown ? *caseUnknown : textArgument(given[kMainCount + 1], "t_body", "unknown"));
        if (arrays.empty())
            return py::cast(solve(a, unknown, heatFlow));
        return py::cast(solvePoints(mainCase(a), unknown, heatFlow, arrays));
    });
}

} // namespace zav::python

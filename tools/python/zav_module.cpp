// SPDX-License-Identifier: GPL-3.0-or-later
// The Python module zav: the calculations of zav-calc as functions with keyword arguments, on the
// same library (tools/calc) and so on the same core functions as the windows. Results are objects
// whose attributes are the quantities; a refused case raises zav.CheckError with the window's
// message; range warnings of a user-defined fluid go through Python's warnings module as
// zav.RangeWarning. An argument that cannot be used raises ValueError, a file the system cannot
// read or write OSError with its errno and name; Ctrl-C stops a long run with KeyboardInterrupt.
// Sweeps and cooling curves are NumPy arrays when NumPy is installed, else lists.
#include "core/number_format.h"
#include "core/surface_shapes.h"
#include "tools/calc/calc_case_file.h"
#include "tools/calc/calc_options.h"
#include "tools/calc/calc_request.h"
#include "tools/calc/calc_runs.h"

#include <pybind11/pybind11.h>
#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <new>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace py = pybind11;
using namespace zav;
using namespace zav::calc;

namespace {

PyObject* g_checkError = nullptr;
PyObject* g_rangeWarning = nullptr;
bool g_numpy = false;

// The main window's arguments, shared by the three functions: the request with the names still
// to be read, over the case file's request when case= names one.
struct MainArguments {
    SteadyRequest base; // the windows' defaults, or the case file's
    bool fromCase = false;
    double tBody, tFluid, length, area;
    std::optional<std::string> fluid, shape;
    double angle;
    std::optional<std::string> face;
    double finGap, tubeDiameter;
    std::optional<double> emissivity;
    std::optional<std::string> fluidFile, kelo;
    std::optional<double> pressure;
    std::optional<std::string> properties;
    std::optional<calc::CaseFileInputs> file;
    std::set<std::string> given; // the keywords passed, "from" for from_
};

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
    r.emissivity = a.emissivity;
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
    return steadyCase(r, kFluidOptions);
}

void warn(const std::vector<std::string>& warnings) {
    for (const std::string& text : warnings) {
        if (PyErr_WarnEx(g_rangeWarning, text.c_str(), 2) != 0)
            throw py::error_already_set();
    }
}

[[noreturn]] void raiseCheckError(const std::string& message, py::object result = py::none()) {
    py::object error = py::reinterpret_borrow<py::object>(g_checkError)(message);
    error.attr("result") = std::move(result);
    PyErr_SetObject(g_checkError, error.ptr());
    throw py::error_already_set();
}

// OSError(errno, message, filename): FileNotFoundError, PermissionError ... by the error number.
[[noreturn]] void raiseOSError(int errorNumber, const std::string& message, const std::string& path) {
    py::object text = py::reinterpret_steal<py::object>(
        PyUnicode_DecodeUTF8(message.data(), static_cast<Py_ssize_t>(message.size()), "surrogateescape"));
    py::object name = py::reinterpret_steal<py::object>(
        PyUnicode_DecodeFSDefaultAndSize(path.data(), static_cast<Py_ssize_t>(path.size())));
    if (!text || !name)
        throw py::error_already_set();
    py::object error = py::reinterpret_borrow<py::object>(PyExc_OSError)(errorNumber, text, name);
    PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(error.ptr())), error.ptr());
    throw py::error_already_set();
}

// Lets Python's signal handlers run during a long sweep (every kStride points) or cooling run
// (every kCancelStride steps): Ctrl-C raises KeyboardInterrupt there. A handler that raises stops
// the run, which then replaces no file that it was writing, and its exception goes on.
class PythonSignals : public SweepProgress {
public:
    bool keepGoing(long long done, long long) override { return done % kStride != 0 || check(); }
    bool check() {
        if (!m_raised && PyErr_CheckSignals() != 0)
            m_raised = true;
        return !m_raised;
    }
    /// The handler's exception, when one was raised.
    void raisePending() const {
        if (m_raised)
            throw py::error_already_set();
    }

private:
    static constexpr long long kStride = 4096;
    bool m_raised = false;
};

// A column of numbers: a NumPy array that owns the vector's storage, or a list.
py::object column(std::vector<double>&& values) {
    if (!g_numpy)
        return py::cast(values);
    auto* owned = new std::vector<double>(std::move(values));
    py::capsule free(owned, [](void* p) { delete static_cast<std::vector<double>*>(p); });
    return py::array_t<double>(static_cast<py::ssize_t>(owned->size()), owned->data(), free);
}

struct Result {
    ConvectionState state;
    std::vector<std::string> warnings;
    std::optional<ReferenceDeviation> deviation;

    // The indicator's three values, None where there is none.
    const ReferenceDeviation* knownDeviation() const {
        return deviation && deviation->status == ReferenceDeviation::Status::Available && deviation->property
                   ? &*deviation
                   : nullptr;
    }
    py::object referenceDeviation() const {
        return knownDeviation() ? py::object(py::float_(knownDeviation()->deviation)) : py::none();
    }
    py::object referenceDeviationProperty() const {
        return knownDeviation() ? py::object(py::str(quantityInfo(knownDeviation()->property->quantity).key)) : py::none();
    }
    py::object referenceDeviationOfProperty() const {
        return knownDeviation() ? py::object(py::float_(knownDeviation()->propertyDeviation)) : py::none();
    }
};

struct SweepResult {
    std::vector<py::object> columns; // in the order of kQuantities
    std::vector<std::string> warnings;
    long long count = 0;
};

struct CoolingRun {
    double coolingTime = 0;
    double scaleTime = 0;
    long long steps = 0;
    py::object time;
    py::object tBody;
    std::vector<std::string> warnings;
};

class ColumnSink : public SweepSink {
public:
    void prepare(long long count) override {
        for (std::vector<double>& c : m_columns)
            c.reserve(static_cast<std::size_t>(count));
    }
    void point(long long, const ConvectionState& state, const std::vector<std::string>& warnings) override {
        for (std::size_t i = 0; i < kQuantities.size(); ++i)
            m_columns[i].push_back(state.*kQuantities[i].field);
        appendUnique(m_warnings, warnings);
    }
    SweepResult result() {
        SweepResult r;
        r.count = static_cast<long long>(m_columns[0].size());
        for (std::vector<double>& c : m_columns)
            r.columns.push_back(column(std::move(c)));
        r.warnings = std::move(m_warnings);
        return r;
    }

private:
    std::array<std::vector<double>, std::tuple_size<decltype(kQuantities)>::value> m_columns;
    std::vector<std::string> m_warnings;
};

Result steady(const MainArguments& a) {
    const SteadyResult r = runSteady(mainCase(a));
    warn(r.warnings);
    if (!r.ok)
        raiseCheckError(r.error);
    return {r.state, r.warnings, r.deviation};
}

SweepResult sweep(const MainArguments& a, double from, double to, double step, const std::optional<std::string>& table,
                  const std::optional<std::string>& ccl, const std::optional<std::string>& name) {
    const SteadyCase c = mainCase(a);
    const SweepRequest request{{from, to, step}, table, ccl, name};
    const SweepFiles files = prepareSweepFiles(request, kSweepOptions);
    PythonSignals signals;
    ColumnSink sink;
    const SweepOutcome outcome = runSweepCase(c, request.range, files, sink, signals);
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
    const CoolingRequest request{mass,
                                 coolingArea,
                                 target,
                                 steps,
                                 heatCapacity ? heatCapacityModel(*heatCapacity) : caseHeatCapacity,
                                 data,
                                 picture,
                                 background};
    // The module refuses an unknown background before an empty or doubled file name (zav-calc
    // after them).
    plotType(background);
    const CoolingSetup setup = prepareCooling(c, request, kCoolingOptions);
    PythonSignals signals;
    CoolingResult r =
        runCoolingCase(setup.steady, setup.cooling, setup.files, [&signals] { return signals.check(); });
    signals.raisePending();
    CoolingRun run;
    run.coolingTime = r.coolingTime;
    run.scaleTime = r.scaleTime;
    run.steps = r.steps;
    run.time = column(std::move(r.time));
    run.tBody = column(std::move(r.tBody));
    run.warnings = r.warnings;
    warn(r.warnings);
    if (r.fileProblem)
        raiseOSError(r.fileProblem->errorNumber, r.fileProblem->message, r.fileProblem->path);
    if (!r.error.empty())
        raiseCheckError(r.error, py::cast(run));
    return run;
}

std::string resultRepr(const Result& r) {
    std::string text = "zav.Result(";
    for (std::size_t i = 0; i < kQuantities.size(); ++i) {
        text += (i > 0 ? ", " : "") + std::string(kQuantities[i].key) + "=" +
                py::repr(py::float_(r.state.*kQuantities[i].field)).cast<std::string>();
    }
    return text + ")";
}

// The shapes' names from their table, wrapped as the other lines of the help.
std::string shapeHelp() {
    constexpr std::size_t kIndent = 24;
    constexpr std::size_t kWidth = 80;
    std::string text = "    shape" + std::string(kIndent - 9, ' ');
    std::size_t column = kIndent;
    for (std::size_t i = 0; i < kSurfaceShapes.size(); ++i) {
        std::string word = std::string("\"") + kSurfaceShapes[i].commandName + "\"";
        if (i == 0)
            word += " (default)";
        if (i + 1 < kSurfaceShapes.size())
            word += ',';
        if (column > kIndent && column + 1 + word.size() > kWidth) {
            text += '\n' + std::string(kIndent, ' ');
            column = kIndent;
        } else if (column > kIndent) {
            text += ' ';
            ++column;
        }
        text += word;
        column += word.size();
    }
    return text + '\n';
}

const char* const kArgumentsBeforeShape = R"(
The main window's arguments (keywords only; the defaults are the window's):
    t_body=100          surface temperature of the body, °C
    t_fluid=20          temperature of the fluid, °C
    length=0.1          characteristic dimension l, m
    area=1              surface area, m²
    fluid               "air", "water" or "user" (default "air", or "user" with
                        fluid_file or kelo)
)";

const char* const kArgumentsAfterShape = R"(    angle=0             the inclined plate's angle from the vertical, degrees
    face="upper"        the horizontal plate's face: "upper" or "lower"
    fin_gap=0.005       clear gap between the fins of the finned tube, m
    tube_diameter=0.1   the finned tube's diameter d, m
    emissivity=None     the surface's emissivity; radiation is on when given
    fluid_file=None     a user-defined fluid from a JSON file (kind "constant",
                        "linear", "quadratic" or "kelo"; see the README)
    kelo=None           a user-defined fluid from a KELO coefficient file
    pressure=None       the KELO gas pressure, MPa (default 5, as the window)
    properties="builtin" air's and water's properties: "builtin" (the program's
                        correlations) or "reference" (IAPWS-IF97 and IAPWS for
                        water, Lemmon et al. for air)
    case=None           a case file (.zav) saved by the program ("Súbor → Uložiť
                        zadanie…"): every argument not passed is taken from its
                        windows' fields as the windows would compute them (for
                        cool its cooling window's radiation and emissivity, for
                        sweep its range); the arguments passed override it
)";

std::string mainArgumentsHelp() { return kArgumentsBeforeShape + shapeHelp() + kArgumentsAfterShape; }

// The keyword parameters of a function in their order, with their defaults as Python would write
// them (for the signature that help() shows).
struct Parameter {
    const char* name;
    const char* pythonDefault;
};

const Parameter kMainParameters[] = {
    {"t_body", "100.0"},        {"t_fluid", "20.0"},    {"length", "0.1"},       {"area", "1.0"},
    {"fluid", "None"},          {"shape", "'vertical-plate'"}, {"angle", "0.0"}, {"face", "'upper'"},
    {"fin_gap", "0.005"},       {"tube_diameter", "0.1"}, {"emissivity", "None"}, {"fluid_file", "None"},
    {"kelo", "None"},           {"pressure", "None"},     {"properties", "'builtin'"}, {"case", "None"},
};
constexpr std::size_t kMainCount = sizeof kMainParameters / sizeof kMainParameters[0];
const Parameter kSweepParameters[] = {{"from_", "0.0"}, {"to", "100.0"}, {"step", "5.0"},
                                      {"table", "None"}, {"ccl", "None"},  {"name", "None"}};
const Parameter kCoolParameters[] = {
    {"mass", "1.0"},  {"cooling_area", "1.0"}, {"target", "30.0"}, {"steps", "10000.0"},
    {"heat_capacity", "'constant:1000'"}, {"data", "None"}, {"picture", "None"}, {"picture_background", "'black'"}};

// Matches a call's keywords to the parameters: keywords only, each at most once, none unknown.
class KeywordParser {
public:
    KeywordParser(const char* function, std::initializer_list<std::pair<const Parameter*, std::size_t>> groups)
        : m_function(function) {
        for (const auto& [parameters, count] : groups) {
            for (std::size_t i = 0; i < count; ++i)
                m_names.push_back(PyUnicode_InternFromString(parameters[i].name));
        }
    }
    std::size_t size() const { return m_names.size(); }

    /// Fills `given` (size() entries) with the values passed, null for the others; false with a
    /// TypeError set when the call does not fit.
    bool parse(Py_ssize_t positional, PyObject* const* args, PyObject* kwnames, PyObject** given) const {
        if (positional > 0) {
            PyErr_Format(PyExc_TypeError, "%s() takes keyword arguments only", m_function);
            return false;
        }
        const Py_ssize_t count = kwnames == nullptr ? 0 : PyTuple_GET_SIZE(kwnames);
        for (Py_ssize_t k = 0; k < count; ++k) {
            PyObject* name = PyTuple_GET_ITEM(kwnames, k);
            std::size_t i = find(name);
            if (i == m_names.size()) {
                PyErr_Format(PyExc_TypeError, "%s() got an unexpected keyword argument '%U'", m_function, name);
                return false;
            }
            given[i] = args[k];
        }
        return true;
    }

private:
    std::size_t find(PyObject* name) const {
        for (std::size_t i = 0; i < m_names.size(); ++i) {
            if (m_names[i] == name) // keywords of a call are interned as a rule
                return i;
        }
        for (std::size_t i = 0; i < m_names.size(); ++i) {
            if (PyUnicode_Compare(m_names[i], name) == 0)
                return i;
        }
        return m_names.size();
    }

    const char* m_function;
    std::vector<PyObject*> m_names;
};

double numberArgument(PyObject* value, double fallback, const char* name) {
    if (value == nullptr)
        return fallback;
    if (!PyFloat_Check(value) && !PyLong_Check(value) && !PyNumber_Check(value))
        throw py::type_error(std::string(name) + " must be a number");
    const double number = PyFloat_AsDouble(value);
    if (number == -1 && PyErr_Occurred())
        throw py::error_already_set();
    return number;
}

std::optional<double> optionalNumberArgument(PyObject* value, const char* name) {
    if (value == nullptr || value == Py_None)
        return std::nullopt;
    return numberArgument(value, 0, name);
}

std::optional<std::string> optionalTextArgument(PyObject* value, const char* name) {
    if (value == nullptr || value == Py_None)
        return std::nullopt;
    if (PyUnicode_Check(value)) {
        Py_ssize_t size = 0;
        const char* text = PyUnicode_AsUTF8AndSize(value, &size);
        if (text == nullptr)
            throw py::error_already_set();
        return std::string(text, static_cast<std::size_t>(size));
    }
    if (PyObject_HasAttrString(value, "__fspath__")) { // a path object
        py::object path = py::reinterpret_steal<py::object>(PyOS_FSPath(value));
        if (!path)
            throw py::error_already_set();
        return optionalTextArgument(path.ptr(), name);
    }
    throw py::type_error(std::string(name) + " must be a text");
}

std::string textArgument(PyObject* value, const char* fallback, const char* name) {
    return optionalTextArgument(value, name).value_or(fallback);
}

// The names of the keywords passed (from_ as "from"), which a case file does not give.
std::set<std::string> givenNames(PyObject* const* given,
                                 std::initializer_list<std::pair<const Parameter*, std::size_t>> groups) {
    std::set<std::string> names;
    for (const auto& [parameters, count] : groups) {
        for (std::size_t i = 0; i < count; ++i, ++given) {
            if (*given == nullptr)
                continue;
            std::string name = parameters[i].name;
            if (name.back() == '_')
                name.pop_back();
            names.insert(name);
        }
    }
    return names;
}

// The main window's arguments `g` over the case file of case=, if any; `given` names every
// keyword passed. For cool (`cooling`) the case's emissivity is the cooling window's.
MainArguments mainArguments(PyObject* const* g, std::set<std::string> given, bool cooling = false) {
    MainArguments a;
    if (const std::optional<std::string> path = optionalTextArgument(g[15], "case")) {
        requireFileName("case", *path);
        a.file.emplace(*path);
        a.given = given;
        if (cooling)
            given.insert("emissivity"); // not the main window's
        a.base = a.file->steady(given);
        if (cooling)
            a.base.emissivity = a.file->coolingEmissivity(a.given);
    }
    const SteadyRequest& b = a.base;
    a.tBody = numberArgument(g[0], b.tBody, "t_body");
    a.tFluid = numberArgument(g[1], b.tFluid, "t_fluid");
    a.length = numberArgument(g[2], b.charLength, "length");
    a.area = numberArgument(g[3], b.area, "area");
    const std::string fluid = textArgument(g[4], "", "fluid");
    if (!fluid.empty())
        a.fluid = fluid;
    a.shape = optionalTextArgument(g[5], "shape");
    a.angle = numberArgument(g[6], b.angleDeg, "angle");
    a.face = optionalTextArgument(g[7], "face");
    a.finGap = numberArgument(g[8], b.finGap, "fin_gap");
    a.tubeDiameter = numberArgument(g[9], b.tubeDiameter, "tube_diameter");
    a.emissivity = g[10] == nullptr ? b.emissivity : optionalNumberArgument(g[10], "emissivity");
    a.fluidFile = optionalTextArgument(g[11], "fluid_file");
    a.kelo = optionalTextArgument(g[12], "kelo");
    a.pressure = optionalNumberArgument(g[13], "pressure");
    a.properties = optionalTextArgument(g[14], "properties");
    return a;
}

// Runs a calculation and hands its result to Python, or sets the Python error of its failure.
template <class Calculation>
PyObject* callPython(Calculation calculation) {
    try {
        return calculation().release().ptr();
    } catch (py::error_already_set& e) {
        e.restore();
    } catch (const py::builtin_exception& e) {
        e.set_error();
    } catch (const InputFileError& e) {
        try {
            raiseOSError(e.errorNumber(), e.what(), e.path());
        } catch (py::error_already_set& raised) {
            raised.restore();
        }
    } catch (const InputError& e) {
        PyErr_SetString(PyExc_ValueError, e.what());
    } catch (const ConversionError& e) {
        PyErr_SetString(PyExc_ValueError, e.what());
    } catch (const std::bad_alloc&) {
        PyErr_NoMemory();
    } catch (const std::exception& e) {
        PyErr_SetString(PyExc_RuntimeError, (std::string("vnútorná chyba programu (") + e.what() + ").").c_str());
    } catch (...) {
        PyErr_SetString(PyExc_RuntimeError, "vnútorná chyba programu.");
    }
    return nullptr;
}

PyObject* steadyCall(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    static const KeywordParser parser("steady", {{kMainParameters, kMainCount}});
    PyObject* given[kMainCount] = {};
    if (!parser.parse(PyVectorcall_NARGS(nargs), args, kwnames, given))
        return nullptr;
    return callPython([&] {
        return py::cast(steady(mainArguments(given, givenNames(given, {{kMainParameters, kMainCount}}))));
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
                              numberArgument(g[2], range.tStep, "step"), optionalTextArgument(g[3], "table"),
                              optionalTextArgument(g[4], "ccl"), optionalTextArgument(g[5], "name")));
    });
}

PyObject* coolCall(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    static const KeywordParser parser("cool", {{kMainParameters, kMainCount}, {kCoolParameters, 8}});
    PyObject* given[kMainCount + 8] = {};
    if (!parser.parse(PyVectorcall_NARGS(nargs), args, kwnames, given))
        return nullptr;
    return callPython([&] {
        PyObject* const* g = given + kMainCount;
        const MainArguments a =
            mainArguments(given, givenNames(given, {{kMainParameters, kMainCount}, {kCoolParameters, 8}}), true);
        const CoolingRequest base = a.file ? a.file->cooling(a.given) : CoolingRequest();
        return py::cast(cool(a, numberArgument(g[0], base.mass, "mass"),
                             numberArgument(g[1], base.coolingArea, "cooling_area"),
                             numberArgument(g[2], base.targetTemperature, "target"),
                             numberArgument(g[3], base.stepCount, "steps"),
                             optionalTextArgument(g[4], "heat_capacity"), base.heatCapacity,
                             optionalTextArgument(g[5], "data"), optionalTextArgument(g[6], "picture"),
                             textArgument(g[7], base.background.c_str(), "picture_background")));
    });
}

// "name($module, /, *, a=1, ...)\n--\n\n": the signature help() and inspect show.
std::string signature(const char* function, std::initializer_list<std::pair<const Parameter*, std::size_t>> groups) {
    std::string text = std::string(function) + "($module, /, *";
    for (const auto& [parameters, count] : groups) {
        for (std::size_t i = 0; i < count; ++i)
            text += std::string(", ") + parameters[i].name + "=" + parameters[i].pythonDefault;
    }
    return text + ")\n--\n\n";
}

std::string steadyDoc() {
    return signature("steady", {{kMainParameters, kMainCount}}) +
           "The main window's calculation (\"Vypočítaj\") of one case; returns a Result with t_body, t_fluid, "
           "t_mean, density, conductivity, dyn_viscosity, kin_viscosity, heat_capacity, expansion_coeff, prandtl, "
           "grashof, rayleigh, nusselt, alpha_conv, alpha_rad, alpha_total, heat_flow and warnings; for air and "
           "water with the built-in properties also reference_deviation (the total coefficient's relative "
           "deviation from the reference properties' result, (built-in - reference) / reference), "
           "reference_deviation_property (the key of the property that deviates most) and "
           "reference_deviation_of_property (its relative deviation), else None. Raises CheckError when a check "
           "refuses the case.\n" +
           mainArgumentsHelp();
}

std::string sweepDoc() {
    return signature("sweep", {{kMainParameters, kMainCount}, {kSweepParameters, 6}}) +
           "The main window's sweep over a range of surface temperatures, without the checks, as the window's "
           "table. Returns a Sweep whose attributes are the quantities of steady() as arrays over the points. "
           "Raises CheckError for a range that cannot be swept, OSError (with errno and filename) when a file "
           "cannot be written, KeyboardInterrupt on Ctrl-C with the file being written left as it was (t_body "
           "plays no part: the range gives the surface temperatures).\n"
           "    from_=0             the lowest surface temperature, °C (the range window's defaults)\n"
           "    to=100              the highest surface temperature, °C\n"
           "    step=5              the step, °C\n"
           "    table=None          writes the window's table file (Windows-1250, decimal comma)\n"
           "    ccl=None            writes the window's CEL library for ANSYS CFX ...\n"
           "    name=None           ... with this boundary condition's name\n" +
           mainArgumentsHelp();
}

std::string coolDoc() {
    return signature("cool", {{kMainParameters, kMainCount}, {kCoolParameters, 8}}) +
           "The cooling window's run: the body cools (or warms) from t_body to target in the fluid at t_fluid. "
           "Returns a Cooling with cooling_time, scale_time, steps, the curve (time, t_body) and warnings. Raises "
           "CheckError when the run is refused or stops (its .result holds the run so far), OSError (with errno "
           "and filename) when a file cannot be written, KeyboardInterrupt on Ctrl-C with no file written.\n"
           "    mass=1              kg\n"
           "    cooling_area=1      the cooling surface, m² (area plays no part)\n"
           "    target=30           the target temperature, °C\n"
           "    steps=10000         the number of temperature steps\n"
           "    heat_capacity       \"constant:VALUE\" (default \"constant:1000\"), \"cubic:A,B,C,D\"\n"
           "                        (A + B·t + C·t² + D·t³, J/(kg·K), t in °C), \"carbon-steel\", \"17246\"\n"
           "    emissivity=None     radiation to the fluid's temperature is on when given\n"
           "    data=None           writes the window's data file\n"
           "    picture=None        saves the window's picture of the curve as BMP\n"
           "    picture_background  \"black\" (default) or \"white\"\n" +
           mainArgumentsHelp();
}

} // namespace

PYBIND11_MODULE(zav, m) {
    m.doc() = "Heat transfer coefficients of natural convection, the cooling of a body: the calculations of "
              "the program ZAV (\"ZAV - voľná konvekcia\") without its windows.\n\n"
              "steady() is the main window's calculation, sweep() its sweep over a range of surface "
              "temperatures (with the table and CEL files), cool() the cooling window's run (with its data "
              "file and picture). case=\"FILE.zav\" takes the inputs from a case file saved by the windows, the "
              "keywords passed overriding it. A case the program's checks refuse raises CheckError with the "
              "window's Slovak message; an argument that cannot be used raises ValueError, a file the system cannot read or "
              "write OSError (errno, the Slovak message, the file's name); the range warnings of a user-defined "
              "fluid are issued as RangeWarning. "
              "Sweeps and cooling curves are NumPy arrays when NumPy is installed, else lists of floats.";

    g_checkError = PyErr_NewExceptionWithDoc(
        "zav.CheckError",
        "A case refused by a check of the program (the mean temperature, the correlation's range, a result "
        "that is not finite, the cooling's inputs, a cooling step past the fluid temperature). str() is the "
        "window's Slovak message; .result holds what a cooling run computed before it stopped (else None).",
        PyExc_ValueError, nullptr);
    m.add_object("CheckError", py::handle(g_checkError));
    g_rangeWarning = PyErr_NewExceptionWithDoc(
        "zav.RangeWarning",
        "A temperature or pressure outside the range of a user-defined fluid's description; the "
        "calculation goes on with the extrapolated values. The text is the window's Slovak message.",
        PyExc_UserWarning, nullptr);
    m.add_object("RangeWarning", py::handle(g_rangeWarning));

    try {
        py::module_::import("numpy");
        g_numpy = true;
    } catch (const py::error_already_set&) {
        g_numpy = false;
    }
    m.attr("numpy") = g_numpy;

    auto result = py::class_<Result>(m, "Result", "The main window's results of one case: the quantities "
                                                  "in SI units, temperatures in °C, and the warnings' texts.");
    for (const QuantityInfo& q : kQuantities) {
        const auto member = q.field;
        result.def_property_readonly(q.key, [member](const Result& r) { return r.state.*member; }, q.meaning);
    }
    result.def_readonly("warnings", &Result::warnings, "the range warnings' texts")
        .def_property_readonly("reference_deviation", &Result::referenceDeviation,
                               "the total coefficient's relative deviation from the reference properties' result, "
                               "(built-in - reference) / reference; None in reference mode, for a user-defined "
                               "fluid or when the reference cannot be evaluated")
        .def_property_readonly("reference_deviation_property", &Result::referenceDeviationProperty,
                               "the key of the property that deviates most from its reference value, or None")
        .def_property_readonly("reference_deviation_of_property", &Result::referenceDeviationOfProperty,
                               "that property's relative deviation, or None")
        .def("__repr__", &resultRepr)
        .def("as_dict", [](const Result& r) {
            py::dict d;
            for (const QuantityInfo& q : kQuantities)
                d[q.key] = r.state.*q.field;
            d["reference_deviation"] = r.referenceDeviation();
            d["reference_deviation_property"] = r.referenceDeviationProperty();
            d["reference_deviation_of_property"] = r.referenceDeviationOfProperty();
            return d;
        }, "The quantities as a dict, with the reference deviation's three values.");

    auto sweepResult = py::class_<SweepResult>(
        m, "Sweep", "The points of a sweep: every quantity as an array (or list) over the surface temperatures.");
    for (std::size_t i = 0; i < kQuantities.size(); ++i)
        sweepResult.def_property_readonly(kQuantities[i].key, [i](const SweepResult& r) { return r.columns[i]; },
                                          kQuantities[i].meaning);
    sweepResult.def_readonly("warnings", &SweepResult::warnings, "the range warnings' texts, each once")
        .def("__len__", [](const SweepResult& r) { return r.count; });

    py::class_<CoolingRun>(m, "Cooling", "A cooling run: its time, its steps and its curve.")
        .def_readonly("cooling_time", &CoolingRun::coolingTime, "s, to the target (or as far as the run got)")
        .def_readonly("scale_time", &CoolingRun::scaleTime, "s, of the scale pass of 1000 steps")
        .def_readonly("steps", &CoolingRun::steps, "simulation steps done")
        .def_readonly("time", &CoolingRun::time, "the curve's times, s: 0 and the end of every step")
        .def_readonly("t_body", &CoolingRun::tBody, "the curve's body temperatures, °C")
        .def_readonly("warnings", &CoolingRun::warnings, "the range warnings' texts, each once");

    // The three calculations take their keywords through the vectorcall protocol: a call of
    // steady() costs little more than the calculation itself.
    static PyMethodDef methods[] = {
        {"steady", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(&steadyCall)),
         METH_FASTCALL | METH_KEYWORDS, nullptr},
        {"sweep", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(&sweepCall)),
         METH_FASTCALL | METH_KEYWORDS, nullptr},
        {"cool", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(&coolCall)),
         METH_FASTCALL | METH_KEYWORDS, nullptr},
        {nullptr, nullptr, 0, nullptr}};
    static const std::string docs[3] = {steadyDoc(), sweepDoc(), coolDoc()};
    for (int i = 0; i < 3; ++i) {
        methods[i].ml_doc = docs[i].c_str();
        m.attr(methods[i].ml_name) = py::reinterpret_steal<py::object>(
            PyCFunction_NewEx(&methods[i], m.ptr(), m.attr("__name__").ptr()));
    }

    m.def(
        "format_fixed",
        [](double value, int precision, int decimals) { return formatFixed(value, precision, decimals); },
        py::arg("value"), py::arg("precision"), py::arg("decimals"),
        "The windows' fixed number format (decimal comma, rounded half away from zero; the exponent form when "
        "the integer part needs more than precision digits), as the main window shows its results.");
}

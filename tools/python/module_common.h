// SPDX-License-Identifier: GPL-3.0-or-later
// What the files of the Python module zav share (not installed): the main window's arguments and
// the keyword parameters of the four functions, the result types, the columns the runs write, the
// signal check and the GIL, and the Python errors of a calculation. The files:
//   zav_module.cpp        the module's definition (PYBIND11_MODULE)
//   module_docs.cpp       the functions' docstrings and the signatures help() shows
//   module_arguments.cpp  the keyword parser and the arguments read from Python's objects
//   module_parameters.cpp the functions' keyword parameters from the table of the inputs
//   module_results.cpp    Result, Sweep and Cooling: their attributes, repr and comparison
//   module_pickle.cpp     their pickling and __setstate__ with its checks
//   module_columns.cpp    the columns' storage (the page pool) and the NumPy arrays on it
//   module_runs.cpp       steady(), sweep(), cool() and solve(): the calls and the runs of one case
//   module_points.cpp     steady() and solve() over arrays of inputs
//   module_signals.cpp    Python's signals during a run, the GIL and the errors raised
#pragma once

#include "core/alternatives.h"
#include "core/number_format.h"
#include "core/quantities.h"
#include "core/steady_state_inverse.h"
#include "tools/calc/calc_case_file.h"
#include "tools/calc/calc_options.h"
#include "tools/calc/calc_request.h"
#include "tools/calc/calc_runs.h"

#include <pybind11/pybind11.h>
#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace py = pybind11;

namespace zav::python {

using namespace zav::calc;

extern PyObject* g_checkError;
extern PyObject* g_rangeWarning;
extern PyObject* g_numpyScalar; // numpy.generic: a NumPy number is a number, not an array
extern PyObject* g_alternativeType; // zav.Alternative, a named tuple

constexpr std::size_t kQuantityCount = std::tuple_size<decltype(kQuantities)>::value;

// ---- The arguments (module_arguments.cpp, module_parameters.cpp) ----

// The steady case's arguments, shared by the four functions: the case with the numbers read, and
// the names and files still to be read, over the case file's case when case= names one.
struct MainArguments {
    SteadyCase values;          // the table's start-up values, or the case file's, under those given
    FluidChoice fluid;          // the case file's fluid (its name and its user-defined fluid)
    std::optional<std::string> fluidName, shape, face, properties;
    bool radiation = false;     // the radiation switch
    double emissivity = 0;      // the emissivity field
    std::optional<std::string> fluidFile, kelo;
    std::optional<double> pressure;
    std::optional<calc::CaseFileInputs> file;
    std::string caseFile;        // the path of case=, or empty
    std::set<std::string> given; // the keywords passed, "from" for from_
};

// A keyword parameter of a function and its default as Python writes it (empty: none, for the
// signature that help() shows).
struct Parameter {
    std::string name;
    std::string pythonDefault;
};
using ParameterList = std::vector<Parameter>;

// The parameters of the steady case, first in every function: the table's inputs of
// kSteadyArguments, the fluid's files after the emissivity, then case and radiation.
const ParameterList& mainParameters();
// Each function's own, after them: from the table and the function's files.
const ParameterList& sweepParameters();
const ParameterList& coolParameters();
const ParameterList& solveParameters();
using ParameterGroups = std::initializer_list<const ParameterList*>;

// The most parameters a function has: the size of the array of a call's values.
constexpr std::size_t kMaxParameters = 40;
using Given = std::array<PyObject*, kMaxParameters>;

// The position of the steady case's parameter `name` (in every function: they come first).
std::size_t mainSlot(const char* name);

// The inputs of steady() and solve() that may be arrays, by their keywords.
inline const std::vector<const char*> kPointKeywords = {"t_body", "t_fluid", "length", "area", "angle",
                                                     "fin_gap", "tube_diameter", "emissivity", "pressure"};
// Where in `c` a point's value of the input `keyword` of kPointKeywords goes; null for another.
double* pointTarget(const std::string& keyword, SteadyCase& c);

// Matches a call's keywords to the parameters: keywords only, each at most once, none unknown.
class KeywordParser {
public:
    KeywordParser(const char* function, ParameterGroups groups);
    std::size_t size() const { return m_names.size(); }
    /// The position of the parameter `name`; throws std::logic_error for a name it does not have.
    std::size_t slot(const char* name) const;
    /// The name of the parameter at `slot`.
    std::string name(std::size_t slot) const;
    /// The positions of the parameters `names`, each with its name.
    std::vector<std::pair<std::size_t, const char*>> slots(const std::vector<const char*>& names) const;

    /// Fills `given` (size() entries) with the values passed, null for the others; false with a
    /// TypeError set when the call does not fit.
    bool parse(Py_ssize_t positional, PyObject* const* args, PyObject* kwnames, PyObject** given) const;

private:
    std::size_t find(PyObject* name) const;

    const char* m_function;
    std::vector<PyObject*> m_names;
};

double numberArgument(PyObject* value, double fallback, const char* name);
std::optional<std::string> optionalTextArgument(PyObject* value, const char* name);
std::string textArgument(PyObject* value, const char* fallback, const char* name);
std::optional<std::string> pathArgument(PyObject* value, const char* name);
std::set<std::string> givenNames(PyObject* const* given, const KeywordParser& parser);
MainArguments mainArguments(PyObject* const* g, std::set<std::string> given, bool cooling = false);

// An input given as an array, by its keyword: its values as doubles (NaN where masked) and, of a
// NumPy masked array, its mask (else None).
struct ArrayInput {
    std::string parameter;
    py::object values;
    py::object mask;
};

// The inputs given as arrays or lists among the parameters `keywords` (their slots): each is replaced
// in `given` by its first value that is not masked (kept alive in `firstValues`), so that the
// checks of the arguments see a number, and returned with its keyword.
std::vector<ArrayInput> arrayInputs(PyObject** given, const std::vector<std::pair<std::size_t, const char*>>& keywords,
                                    std::vector<py::object>& firstValues);

// The inputs given as arrays (by their parameter), broadcast against each other as NumPy
// broadcasts: the shape, the number of points, each input's values over the points and the points
// where any of them is masked.
struct BroadcastInputs {
    using Contiguous = py::array_t<double, py::array::c_style | py::array::forcecast>;
    using Mask = py::array_t<bool, py::array::c_style | py::array::forcecast>;
    std::vector<Contiguous> arrays; // own the values
    std::vector<std::pair<std::string, const double*>> sources;
    std::vector<py::ssize_t> shape;
    std::size_t count = 0;
    std::vector<bool> masked; // empty when nothing is masked

    explicit BroadcastInputs(const std::vector<ArrayInput>& given);
    bool isMasked(std::size_t i) const { return !masked.empty() && masked[i]; }
};

// ---- The results (module_results.cpp, module_pickle.cpp) ----

// The results of steady() and solve(): the quantities of one case (floats), or of every point of
// its arrays of inputs (arrays of their broadcast shape, NaN where a check refused the point or no
// value carries the heat flow).
struct Result {
    std::optional<ConvectionState> state;  // one case
    std::vector<py::object> columns;       // points, in the order of kQuantities
    std::vector<std::string> warnings;
    py::object deviation = py::none();     // the reference deviation's three values, or None
    py::object deviationProperty = py::none();
    py::object deviationOfProperty = py::none();
    py::list errors;                       // of points: (index, message) of each one refused
    py::object solved = py::none();        // solve()'s unknown at the solution; None of steady()
    py::object alternatives = py::tuple(); // of one case: the published correlations, zav.Alternative each
    // Of steady() for one case: the case, from which report_html() calculates its report, and the
    // name the report gives it.
    std::optional<SteadyCase> reportCase;
    std::string reportName;

    py::object value(std::size_t q) const {
        return state ? py::object(py::float_(*state.*kQuantities[q].field)) : columns[q];
    }
};

struct SweepResult {
    std::vector<py::object> columns; // in the order of kQuantities
    std::vector<std::string> warnings;
    long long count = 0;
};

struct CoolingRun {
    double coolingTime = std::numeric_limits<double>::quiet_NaN();
    double scaleTime = std::numeric_limits<double>::quiet_NaN();
    long long steps = 0;
    py::object time;
    py::object tBody;
    std::vector<std::string> warnings;
    // With a heat source: where the body settles and the times to 63 % and 95 % of the way (None
    // where not known); all None without one.
    bool heatSource = false;
    std::optional<double> equilibrium;
    std::optional<double> time63;
    std::optional<double> time95;
};

// The numbers of a steady case in the order a pickled Result holds them: its doubles (the user-defined
// fluid's among them), and its choices by position (fluid, properties, shape, face, the fluid's
// approximation), each below its bound in kCaseChoiceBounds.
std::vector<double> caseDoubles(const SteadyCase& c);
std::vector<int> caseChoices(const SteadyCase& c);
inline constexpr int kCaseChoiceBounds[] = {3, 2, 8, 2, 4};
SteadyCase caseOf(const std::vector<double>& doubles, const std::vector<int>& choices, bool radiationOn);

// The alternatives of one case as a tuple of zav.Alternative.
py::object alternativesTuple(const std::vector<AlternativeResult>& alternatives);

// Result, Sweep and Cooling in the module `m`.
void defineResultTypes(py::module_& m);
// Their pickling and __setstate__ (module_pickle.cpp).
void definePickling(py::class_<Result>& cls);
void definePickling(py::class_<SweepResult>& cls);
void definePickling(py::class_<CoolingRun>& cls);
// repr() of a Python value, as a text.
std::string pythonRepr(const py::handle& value);

// ---- The columns (module_columns.cpp) ----

// A column's storage, which a NumPy array takes over: malloc's, or huge pages that go back to the
// pool for the next run when released; released with the GIL taken.
struct ReleaseColumn {
    std::size_t bytes = 0;
    void operator()(double* p) const;
};
using ColumnBuffer = std::unique_ptr<double[], ReleaseColumn>;

ColumnBuffer allocateColumn(std::size_t count);
// A NumPy array of `shape` on the buffer, which it releases.
py::array ownedArray(ColumnBuffer buffer, const std::vector<py::ssize_t>& shape);
// A NumPy array that owns the vector's storage.
py::array vectorArray(std::vector<double>&& values);

// The quantities of a number of points, one column each in the order of kQuantities.
class Columns {
public:
    explicit Columns(std::size_t count);
    void set(std::size_t i, const ConvectionState& state) {
        for (std::size_t q = 0; q < kQuantityCount; ++q)
            m_data[q][i] = state.*kQuantities[q].field;
    }
    /// A point refused by a check: its two temperatures as given, the rest NaN.
    void setRefused(std::size_t i, double tBody, double tFluid) {
        for (std::size_t q = 0; q < kQuantityCount; ++q)
            m_data[q][i] = std::numeric_limits<double>::quiet_NaN();
        m_data[static_cast<std::size_t>(Quantity::TBody)][i] = tBody;
        m_data[static_cast<std::size_t>(Quantity::TFluid)][i] = tFluid;
    }
    /// The columns as arrays of `shape`, which take over their storage.
    std::vector<py::object> arrays(const std::vector<py::ssize_t>& shape);
    std::size_t count() const { return m_count; }

private:
    std::array<ColumnBuffer, kQuantityCount> m_data;
    std::size_t m_count;
};

// Writes every point of a sweep into its columns, as it comes.
class ColumnSink : public SweepSink {
public:
    void prepare(long long count) override;
    void point(long long index, const ConvectionState& state, const std::vector<std::string>& warnings) override;
    SweepResult result();

private:
    std::optional<Columns> m_columns;
    long long m_count = 0;
    std::vector<std::string> m_warnings;
};

// ---- The runs (module_runs.cpp, module_points.cpp) ----

PyObject* steadyCall(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames);
PyObject* sweepCall(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames);
PyObject* coolCall(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames);
PyObject* solveCall(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames);

// The steady state of a design solution, its heat flow with the sign of `heatFlow`, the one sought
// (negative: into the body), as the design window and zav-calc's record give it; steady() gives
// its size.
inline ConvectionState designState(ConvectionState state, double heatFlow) {
    state.heatFlow = std::copysign(state.heatFlow, heatFlow);
    return state;
}
Result steadyPoints(SteadyCase c, const std::vector<ArrayInput>& arrays);
Result solvePoints(SteadyCase c, DesignUnknown unknown, double heatFlow, const std::vector<ArrayInput>& arrays);

// ---- The docstrings (module_docs.cpp) ----

std::string steadyDoc();
std::string sweepDoc();
std::string coolDoc();
std::string solveDoc();

// ---- Signals, the GIL and the errors (module_signals.cpp) ----

// Lets Python's signal handlers run during a long sweep (every kStride points) or cooling run
// (every kCancelStride steps): Ctrl-C raises KeyboardInterrupt there. A handler that raises stops
// the run, which then replaces no file that it was writing, and its exception goes on. The runs
// go on without the GIL: the check takes it (and keeps it when it is held).
class PythonSignals : public SweepProgress {
public:
    static constexpr long long kStride = 4096;
    bool keepGoing(long long done, long long) override { return done % kStride != 0 || check(); }
    bool check();
    /// The handler's exception, when one was raised; with the GIL held.
    void raisePending() const {
        if (m_raised)
            throw py::error_already_set();
    }

private:
    bool m_raised = false;
};

// Ctrl-C while an input waits (a named pipe with no writer yet): Python's handler runs, and its
// KeyboardInterrupt ends the reading.
void watchInputInterrupts();

// Runs `calculation` with the GIL released, so that other Python threads run meanwhile: it touches
// no Python object (PythonSignals and the column pool take the GIL for themselves).
template <class Calculation>
auto withoutGil(Calculation calculation) {
    py::gil_scoped_release released;
    return calculation();
}

// Issues the range warnings as RangeWarning, attributed to the line that called the function (a
// function of an extension module has no frame of its own: level 1 is its caller's).
void warn(const std::vector<std::string>& warnings);
[[noreturn]] void raiseCheckError(const std::string& message, py::object result = py::none());
// ValueError with `message`.
void setValueError(const std::string& message);
// OSError(errno, message, filename): FileNotFoundError, PermissionError ... by the error number.
[[noreturn]] void raiseOSError(int errorNumber, const std::string& message, const std::string& path);

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
        setValueError(e.what());
    } catch (const ConversionError& e) {
        setValueError(e.what());
    } catch (const std::bad_alloc&) {
        PyErr_NoMemory();
    } catch (const std::exception& e) {
        PyErr_SetString(PyExc_RuntimeError, (std::string("vnútorná chyba programu (") + e.what() + ").").c_str());
    } catch (...) {
        PyErr_SetString(PyExc_RuntimeError, "vnútorná chyba programu.");
    }
    return nullptr;
}

} // namespace zav::python

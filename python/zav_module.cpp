// SPDX-License-Identifier: GPL-3.0-or-later
// The Python module zav: the calculations of zav-calc as functions with keyword arguments, on the
// same library (tools/calc) and so on the same core functions as the windows. Results are objects
// whose attributes are the quantities; a refused case raises zav.CheckError with the window's
// message; range warnings of a user-defined fluid go through Python's warnings module as
// zav.RangeWarning. Sweeps and cooling curves are NumPy arrays when NumPy is installed, else lists.
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include <pybind11/pybind11.h>
#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include "core/number_format.h"
#include "export/cel_file.h"
#include "tools/calc/calc_options.h"
#include "tools/calc/calc_runs.h"

namespace py = pybind11;
using namespace zav;
using namespace zav::calc;

namespace {

PyObject* g_checkError = nullptr;
PyObject* g_rangeWarning = nullptr;
bool g_numpy = false;

// The main window's arguments, shared by the three functions.
struct MainArguments {
    double tBody, tFluid, length, area;
    std::string fluid, shape;
    double angle;
    std::string face;
    double finGap, tubeDiameter;
    std::optional<double> emissivity;
    std::optional<std::string> fluidFile, kelo;
    std::optional<double> pressure;
};

SteadyCase steadyCase(const MainArguments& a) {
    SteadyCase c;
    c.tBody = a.tBody;
    c.tFluid = a.tFluid;
    c.charLength = a.length;
    c.area = a.area;
    c.angleDeg = a.angle;
    c.finGap = a.finGap;
    c.tubeDiameter = a.tubeDiameter;
    c.radiationOn = a.emissivity.has_value();
    if (c.radiationOn)
        c.emissivity = *a.emissivity;
    c.shape = surfaceGeometry(a.shape);
    c.face = platePosition(a.face);
    if (a.fluidFile && a.kelo)
        throw InputError("fluid_file a kelo sa nedajú zadať naraz.");
    // A fluid file chooses the fluid "user" unless another fluid is named.
    c.fluid = a.fluid.empty() ? (a.fluidFile || a.kelo ? FluidKind::UserDefined : FluidKind::Air) : fluidKind(a.fluid);
    const double pressure = a.pressure ? *a.pressure : std::nan("");
    if (a.fluidFile)
        c.userFluid = readFluidFile(*a.fluidFile, pressure);
    else if (a.kelo)
        c.userFluid = readKeloModel(*a.kelo, a.pressure ? *a.pressure : 5);
    else if (c.fluid == FluidKind::UserDefined)
        throw InputError("Tekutina user potrebuje svoj opis: fluid_file alebo kelo.");
    return c;
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
            m_columns[i].push_back(state.*kQuantities[i].value);
        for (const std::string& w : warnings) {
            if (std::find(m_warnings.begin(), m_warnings.end(), w) == m_warnings.end())
                m_warnings.push_back(w);
        }
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
    const SteadyResult r = runSteady(steadyCase(a));
    warn(r.warnings);
    if (!r.ok)
        raiseCheckError(r.error);
    return {r.state, r.warnings};
}

SweepResult sweep(const MainArguments& a, double from, double to, double step, const std::optional<std::string>& table,
                  const std::optional<std::string>& ccl, const std::optional<std::string>& name) {
    const SteadyCase c = steadyCase(a);
    const SweepRange range{from, to, step};
    if (std::optional<std::string> problem = rangeProblem(range))
        raiseCheckError(*problem);
    SweepFiles files;
    files.table = table.value_or("");
    files.ccl = ccl.value_or("");
    if (ccl) {
        if (!name)
            throw InputError("ccl potrebuje názov okrajovej podmienky: name.");
        if (!isValidCelName(*name))
            throw InputError(invalidCelNameMessage(*name));
        files.cclName = *name;
        files.asctime = currentAsctime();
    }
    if (std::optional<std::string> problem = writeSweepFiles(c, range, files))
        throw std::system_error(std::make_error_code(std::errc::io_error), *problem);
    ColumnSink sink;
    runSweep(c, range, sink);
    SweepResult result = sink.result();
    warn(result.warnings);
    return result;
}

CoolingRun cool(const MainArguments& a, double mass, double coolingArea, double target, double steps,
                const std::string& heatCapacity, const std::optional<std::string>& data,
                const std::optional<std::string>& picture, const std::string& background) {
    SteadyCase c = steadyCase(a);
    CoolingCase cooling;
    cooling.mass = mass;
    cooling.coolingArea = coolingArea;
    cooling.targetTemperature = target;
    cooling.stepCount = steps;
    cooling.radiationOn = c.radiationOn;
    cooling.emissivity = c.radiationOn ? c.emissivity : 1;
    c.radiationOn = false;
    cooling.heatCapacity = heatCapacityModel(heatCapacity);
    if (background != "black" && background != "white")
        throw InputError("Neznáme pozadie obrázka „" + background + "“; možnosti: black, white.");
    CoolingFiles files;
    files.data = data.value_or("");
    files.picture = picture.value_or("");
    files.plotType = background == "white" ? 1 : 0;
    CoolingResult r = runCoolingCase(c, cooling, files);
    CoolingRun run;
    run.coolingTime = r.coolingTime;
    run.scaleTime = r.scaleTime;
    run.steps = r.steps;
    run.time = column(std::move(r.time));
    run.tBody = column(std::move(r.tBody));
    run.warnings = r.warnings;
    warn(r.warnings);
    if (!r.error.empty())
        raiseCheckError(r.error, py::cast(run));
    return run;
}

std::string resultRepr(const Result& r) {
    std::string text = "zav.Result(";
    for (std::size_t i = 0; i < kQuantities.size(); ++i) {
        text += (i > 0 ? ", " : "") + std::string(kQuantities[i].key) + "=" +
                py::repr(py::float_(r.state.*kQuantities[i].value)).cast<std::string>();
    }
    return text + ")";
}

const char* const kMainArguments = R"(
The main window's arguments (keywords only; the defaults are the window's):
    t_body=100          surface temperature of the body, °C
    t_fluid=20          temperature of the fluid, °C
    length=0.1          characteristic dimension l, m
    area=1              surface area, m²
    fluid               "air", "water" or "user" (default "air", or "user" with
                        fluid_file or kelo)
    shape               "vertical-plate" (default), "inclined-plate",
                        "horizontal-plate", "cube", "vertical-cylinder",
                        "horizontal-cylinder", "sphere", "finned-tube"
    angle=0             the inclined plate's angle from the vertical, degrees
    face="upper"        the horizontal plate's face: "upper" or "lower"
    fin_gap=0.005       clear gap between the fins of the finned tube, m
    tube_diameter=0.1   the finned tube's diameter d, m
    emissivity=None     the surface's emissivity; radiation is on when given
    fluid_file=None     a user-defined fluid from a JSON file (kind "constant",
                        "linear", "quadratic" or "kelo"; see the README)
    kelo=None           a user-defined fluid from a KELO coefficient file
    pressure=None       the KELO gas pressure, MPa (default 5, as the window)
)";

} // namespace

PYBIND11_MODULE(zav, m) {
    m.doc() = "Heat transfer coefficients of natural convection, the cooling of a body: the calculations of "
              "the program ZAV (\"ZAV - voľná konvekcia\") without its windows.\n\n"
              "steady() is the main window's calculation, sweep() its sweep over a range of surface "
              "temperatures (with the table and CEL files), cool() the cooling window's run (with its data "
              "file and picture). A case the program's checks refuse raises CheckError with the window's "
              "Slovak message; the range warnings of a user-defined fluid are issued as RangeWarning. "
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

    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p)
                std::rethrow_exception(p);
        } catch (const InputError& e) {
            PyErr_SetString(PyExc_ValueError, e.what());
        } catch (const ConversionError& e) {
            PyErr_SetString(PyExc_ValueError, e.what());
        } catch (const std::system_error& e) {
            PyErr_SetString(PyExc_OSError, e.what());
        }
    });

    auto result = py::class_<Result>(m, "Result", "The main window's results of one case: the quantities "
                                                  "in SI units, temperatures in °C, and the warnings' texts.");
    for (const Quantity& q : kQuantities) {
        const auto member = q.value;
        result.def_property_readonly(q.key, [member](const Result& r) { return r.state.*member; });
    }
    result.def_readonly("warnings", &Result::warnings)
        .def("__repr__", &resultRepr)
        .def("as_dict", [](const Result& r) {
            py::dict d;
            for (const Quantity& q : kQuantities)
                d[q.key] = r.state.*q.value;
            return d;
        }, "The quantities as a dict.");

    auto sweepResult = py::class_<SweepResult>(
        m, "Sweep", "The points of a sweep: every quantity as an array (or list) over the surface temperatures.");
    for (std::size_t i = 0; i < kQuantities.size(); ++i)
        sweepResult.def_property_readonly(kQuantities[i].key, [i](const SweepResult& r) { return r.columns[i]; });
    sweepResult.def_readonly("warnings", &SweepResult::warnings)
        .def("__len__", [](const SweepResult& r) { return r.count; });

    py::class_<CoolingRun>(m, "Cooling", "A cooling run: its time, its steps and its curve.")
        .def_readonly("cooling_time", &CoolingRun::coolingTime, "s, to the target (or as far as the run got)")
        .def_readonly("scale_time", &CoolingRun::scaleTime, "s, of the scale pass of 1000 steps")
        .def_readonly("steps", &CoolingRun::steps, "simulation steps done")
        .def_readonly("time", &CoolingRun::time, "the curve's times, s: 0 and the end of every step")
        .def_readonly("t_body", &CoolingRun::tBody, "the curve's body temperatures, °C")
        .def_readonly("warnings", &CoolingRun::warnings);

    m.def(
        "steady",
        [](double t_body, double t_fluid, double length, double area, const std::string& fluid,
           const std::string& shape, double angle, const std::string& face, double fin_gap, double tube_diameter,
           std::optional<double> emissivity, std::optional<std::string> fluid_file, std::optional<std::string> kelo,
           std::optional<double> pressure) {
            return steady({t_body, t_fluid, length, area, fluid, shape, angle, face, fin_gap, tube_diameter,
                           emissivity, fluid_file, kelo, pressure});
        },
        py::kw_only(), py::arg("t_body") = 100.0, py::arg("t_fluid") = 20.0, py::arg("length") = 0.1,
        py::arg("area") = 1.0, py::arg("fluid") = "", py::arg("shape") = "vertical-plate", py::arg("angle") = 0.0,
        py::arg("face") = "upper", py::arg("fin_gap") = 0.005, py::arg("tube_diameter") = 0.1,
        py::arg("emissivity") = py::none(), py::arg("fluid_file") = py::none(), py::arg("kelo") = py::none(),
        py::arg("pressure") = py::none(),
        (std::string("The main window's calculation (\"Vypočítaj\") of one case; returns a Result with t_body, "
                     "t_fluid, t_mean, density, conductivity, dyn_viscosity, kin_viscosity, heat_capacity, "
                     "expansion_coeff, prandtl, grashof, rayleigh, nusselt, alpha_conv, alpha_rad, alpha_total, "
                     "heat_flow and warnings. Raises CheckError when a check refuses the case.\n") +
         kMainArguments)
            .c_str());

    m.def(
        "sweep",
        [](double t_body, double t_fluid, double length, double area, const std::string& fluid,
           const std::string& shape, double angle, const std::string& face, double fin_gap, double tube_diameter,
           std::optional<double> emissivity, std::optional<std::string> fluid_file, std::optional<std::string> kelo,
           std::optional<double> pressure, double from_, double to, double step, std::optional<std::string> table,
           std::optional<std::string> ccl, std::optional<std::string> name) {
            return sweep({t_body, t_fluid, length, area, fluid, shape, angle, face, fin_gap, tube_diameter,
                          emissivity, fluid_file, kelo, pressure},
                         from_, to, step, table, ccl, name);
        },
        py::kw_only(), py::arg("t_body") = 100.0, py::arg("t_fluid") = 20.0, py::arg("length") = 0.1,
        py::arg("area") = 1.0, py::arg("fluid") = "", py::arg("shape") = "vertical-plate", py::arg("angle") = 0.0,
        py::arg("face") = "upper", py::arg("fin_gap") = 0.005, py::arg("tube_diameter") = 0.1,
        py::arg("emissivity") = py::none(), py::arg("fluid_file") = py::none(), py::arg("kelo") = py::none(),
        py::arg("pressure") = py::none(), py::arg("from_") = 0.0, py::arg("to") = 100.0, py::arg("step") = 5.0,
        py::arg("table") = py::none(), py::arg("ccl") = py::none(), py::arg("name") = py::none(),
        (std::string("The main window's sweep over a range of surface temperatures, without the checks, as the "
                     "window's table. Returns a Sweep whose attributes are the quantities of steady() as arrays "
                     "over the points. Raises CheckError for a range that cannot be swept, OSError when a file "
                     "cannot be written (t_body plays no part: the range gives the surface temperatures).\n"
                     "    from_=0             the lowest surface temperature, °C (the range window's defaults)\n"
                     "    to=100              the highest surface temperature, °C\n"
                     "    step=5              the step, °C\n"
                     "    table=None          writes the window's table file (Windows-1250, decimal comma)\n"
                     "    ccl=None            writes the window's CEL library for ANSYS CFX ...\n"
                     "    name=None           ... with this boundary condition's name\n") +
         kMainArguments)
            .c_str());

    m.def(
        "cool",
        [](double t_body, double t_fluid, double length, double area, const std::string& fluid,
           const std::string& shape, double angle, const std::string& face, double fin_gap, double tube_diameter,
           std::optional<double> emissivity, std::optional<std::string> fluid_file, std::optional<std::string> kelo,
           std::optional<double> pressure, double mass, double cooling_area, double target, double steps,
           const std::string& heat_capacity, std::optional<std::string> data, std::optional<std::string> picture,
           const std::string& picture_background) {
            return cool({t_body, t_fluid, length, area, fluid, shape, angle, face, fin_gap, tube_diameter,
                         emissivity, fluid_file, kelo, pressure},
                        mass, cooling_area, target, steps, heat_capacity, data, picture, picture_background);
        },
        py::kw_only(), py::arg("t_body") = 100.0, py::arg("t_fluid") = 20.0, py::arg("length") = 0.1,
        py::arg("area") = 1.0, py::arg("fluid") = "", py::arg("shape") = "vertical-plate", py::arg("angle") = 0.0,
        py::arg("face") = "upper", py::arg("fin_gap") = 0.005, py::arg("tube_diameter") = 0.1,
        py::arg("emissivity") = py::none(), py::arg("fluid_file") = py::none(), py::arg("kelo") = py::none(),
        py::arg("pressure") = py::none(), py::arg("mass") = 1.0, py::arg("cooling_area") = 1.0,
        py::arg("target") = 30.0, py::arg("steps") = 10000.0, py::arg("heat_capacity") = "constant:1000",
        py::arg("data") = py::none(), py::arg("picture") = py::none(), py::arg("picture_background") = "black",
        (std::string("The cooling window's run: the body cools (or warms) from t_body to target in the fluid at "
                     "t_fluid. Returns a Cooling with cooling_time, scale_time, steps, the curve (time, t_body) "
                     "and warnings. Raises CheckError when the run is refused or stops (its .result holds the "
                     "run so far).\n"
                     "    mass=1              kg\n"
                     "    cooling_area=1      the cooling surface, m² (area plays no part)\n"
                     "    target=30           the target temperature, °C\n"
                     "    steps=10000         the number of temperature steps\n"
                     "    heat_capacity       \"constant:VALUE\" (default \"constant:1000\"), \"cubic:A,B,C,D\"\n"
                     "                        (A + B·t + C·t² + D·t³, J/(kg·K), t in °C), \"carbon-steel\",\n"
                     "                        \"17246\"\n"
                     "    emissivity=None     radiation to the fluid's temperature is on when given\n"
                     "    data=None           writes the window's data file\n"
                     "    picture=None        saves the window's picture of the curve as BMP\n"
                     "    picture_background  \"black\" (default) or \"white\"\n") +
         kMainArguments)
            .c_str());

    m.def(
        "format_fixed",
        [](double value, int precision, int decimals) { return formatFixed(value, precision, decimals); },
        py::arg("value"), py::arg("precision"), py::arg("decimals"),
        "The windows' fixed number format (decimal comma, rounded half away from zero; the exponent form when "
        "the integer part needs more than precision digits), as the main window shows its results.");
}

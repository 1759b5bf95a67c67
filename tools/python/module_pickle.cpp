// SPDX-License-Identifier: GPL-3.0-or-later
// Pickling of Result, Sweep and Cooling: their state as Python's values (floats, ints, float64
// arrays, texts; a Result's report case as its numbers), and __setstate__, which reads a state
// with its checks, naming the item that does not fit, and leaves the object as it was when one
// does not.
#include "tools/python/module_common.h"

#include <iterator>
#include <string>

namespace zav::python {

namespace {

// The doubles of a steady case, to read or to write.
std::vector<double*> doublesOf(SteadyCase& c) {
    UserFluidModel& u = c.userFluid;
    std::vector<double*> doubles = {&c.tBody, &c.tFluid, &c.charLength, &c.area, &c.angleDeg, &c.finGap,
                                    &c.tubeDiameter, &c.emissivity, &u.dynViscosity, &u.density, &u.conductivity,
                                    &u.heatCapacity, &u.expansionCoeff, &u.validTempMin, &u.validTempMax,
                                    &u.gasPressure, &u.validPressureMin, &u.validPressureMax, &u.gasConstant};
    for (std::array<double, 6>* coefficients : {&u.viscosityCoeffs, &u.densityCoeffs, &u.conductivityCoeffs,
                                                &u.heatCapacityCoeffs, &u.compressibilityCoeffs}) {
        for (double& x : *coefficients)
            doubles.push_back(&x);
    }
    return doubles;
}

// Pickling: a Result as its values; one case as the 17 floats, points as the 17 arrays; then the
// solved value, the alternatives and the case of its report, (name, doubles, choices, radiation)
// or None (a result pickled before they existed has none of them or not the last ones).
py::tuple resultState(const Result& r) {
    py::list values;
    for (std::size_t q = 0; q < kQuantityCount; ++q)
        values.append(r.value(q));
    py::object reportCase = py::none();
    if (r.reportCase)
        reportCase = py::make_tuple(r.reportName, caseDoubles(*r.reportCase), caseChoices(*r.reportCase),
                                    r.reportCase->radiationOn);
    return py::make_tuple(r.state.has_value(), values, r.warnings, r.deviation, r.deviationProperty,
                          r.deviationOfProperty, r.errors, r.solved, r.alternatives, reportCase);
}

// The shape of an array, and as Python writes it.
std::vector<py::ssize_t> shapeOf(const py::handle& array) {
    const auto a = py::reinterpret_borrow<py::array>(array);
    return std::vector<py::ssize_t>(a.shape(), a.shape() + a.ndim());
}

std::string shapeText(const std::vector<py::ssize_t>& shape) {
    std::string text;
    for (std::size_t i = 0; i < shape.size(); ++i)
        text += (i > 0 ? ", " : "") + std::to_string(shape[i]);
    return "(" + text + (shape.size() == 1 ? ",)" : ")");
}

// The state given to __setstate__, read with its checks: a value of the wrong type raises
// TypeError, of the wrong size, shape or length ValueError (each naming the class and the item).
class StateReader {
public:
    StateReader(const char* cls, const py::handle& state, std::size_t least, std::size_t most) : m_class(cls) {
        if (!PyTuple_Check(state.ptr()))
            refuse(true, "the state must be a tuple, not " + typeName(state));
        m_items = py::reinterpret_borrow<py::tuple>(state);
        if (m_items.size() < least || m_items.size() > most)
            refuse(false, "the state must have " + std::to_string(least) +
                              (least == most ? "" : " or " + std::to_string(most)) + " items, not " +
                              std::to_string(m_items.size()));
    }
    std::size_t size() const { return m_items.size(); }
    py::object item(std::size_t i) const { return m_items[i]; }

    double number(const py::handle& v, const std::string& what) const {
        if (!PyFloat_Check(v.ptr()) && !PyLong_Check(v.ptr()))
            refuse(true, what + " must be a float, not " + typeName(v));
        const double x = PyFloat_AsDouble(v.ptr());
        if (x == -1 && PyErr_Occurred())
            throw py::error_already_set();
        return x;
    }
    long long count(const py::handle& v, const std::string& what) const {
        if (!PyLong_Check(v.ptr()))
            refuse(true, what + " must be an int, not " + typeName(v));
        const long long n = PyLong_AsLongLong(v.ptr());
        if (n == -1 && PyErr_Occurred())
            throw py::error_already_set();
        if (n < 0)
            refuse(false, what + " must not be negative");
        return n;
    }
    /// An array of doubles, of `shape` when one is given.
    py::object array(const py::handle& v, const std::string& what, const std::vector<py::ssize_t>* shape) const {
        if (!py::isinstance<py::array_t<double>>(v))
            refuse(true, what + " must be a NumPy array of float64, not " + pythonRepr(v).substr(0, 60));
        if (shape != nullptr && shapeOf(v) != *shape)
            refuse(false, what + " must have the shape " + shapeText(*shape) + ", not " + shapeText(shapeOf(v)));
        return py::reinterpret_borrow<py::object>(v);
    }
    /// A list or tuple of `count` items (any number when 0).
    py::sequence items(const py::handle& v, const std::string& what, std::size_t count = 0) const {
        if (!PyList_Check(v.ptr()) && !PyTuple_Check(v.ptr()))
            refuse(true, what + " must be a list, not " + typeName(v));
        const auto list = py::reinterpret_borrow<py::sequence>(v);
        if (count != 0 && list.size() != count)
            refuse(false, what + " must have " + std::to_string(count) + " items, not " + std::to_string(list.size()));
        return list;
    }
    std::vector<std::string> texts(const py::handle& v, const std::string& what) const {
        std::vector<std::string> texts;
        for (const py::handle text : items(v, what)) {
            if (!PyUnicode_Check(text.ptr()))
                refuse(true, what + " must be texts, not " + typeName(text));
            texts.push_back(text.cast<std::string>());
        }
        return texts;
    }
    /// None, or what `check` accepts.
    template <class Check>
    py::object optional(const py::handle& v, Check check) const {
        if (v.is_none())
            return py::none();
        check(v);
        return py::reinterpret_borrow<py::object>(v);
    }
    [[noreturn]] void refuse(bool type, const std::string& what) const {
        const std::string text = std::string(m_class) + ".__setstate__: " + what;
        if (type)
            throw py::type_error(text);
        throw py::value_error(text);
    }

private:
    static std::string typeName(const py::handle& v) { return Py_TYPE(v.ptr())->tp_name; }
    const char* m_class;
    py::tuple m_items;
};

Result resultFromState(const py::handle& given) {
    const StateReader t("zav.Result", given, 7, 10);
    Result r;
    if (!PyBool_Check(t.item(0).ptr()))
        t.refuse(true, "the first item must be True (one case) or False (points)");
    const py::sequence values = t.items(t.item(1), "the quantities", kQuantityCount);
    std::vector<py::ssize_t> shape;
    if (t.item(0).cast<bool>()) {
        ConvectionState state;
        for (std::size_t q = 0; q < kQuantityCount; ++q)
            state.*kQuantities[q].field = t.number(values[q], kQuantities[q].key);
        r.state = state;
    } else {
        for (std::size_t q = 0; q < kQuantityCount; ++q) {
            r.columns.push_back(t.array(values[q], kQuantities[q].key, q == 0 ? nullptr : &shape));
            if (q == 0)
                shape = shapeOf(r.columns[0]);
        }
    }
    r.warnings = t.texts(t.item(2), "warnings");
    const auto number = [&t](const py::handle& v) { t.number(v, "a reference deviation"); };
    r.deviation = t.optional(t.item(3), number);
    r.deviationProperty = t.optional(t.item(4), [&t](const py::handle& v) {
        if (!PyUnicode_Check(v.ptr()))
            t.refuse(true, "reference_deviation_property must be a text");
    });
    r.deviationOfProperty = t.optional(t.item(5), number);
    for (const py::handle error : t.items(t.item(6), "errors")) {
        if (!PyTuple_Check(error.ptr()) || PyTuple_GET_SIZE(error.ptr()) != 2 ||
            !PyUnicode_Check(PyTuple_GET_ITEM(error.ptr(), 1)))
            t.refuse(true, "errors must be (index, message) pairs");
    }
    r.errors = py::list(t.item(6));
    if (t.size() >= 8) {
        r.solved = t.optional(t.item(7), [&](const py::handle& v) {
            if (r.state)
                t.number(v, "solved");
            else
                t.array(v, "solved", &shape);
        });
    }
    if (t.size() >= 9) {
        std::vector<AlternativeResult> alternatives;
        for (const py::handle item : t.items(t.item(8), "alternatives")) {
            const bool record = PyTuple_Check(item.ptr()) && PyTuple_GET_SIZE(item.ptr()) == 7;
            if (!record)
                t.refuse(true, "alternatives must be records of 7 values");
            const py::tuple values = py::reinterpret_borrow<py::tuple>(item);
            AlternativeResult a;
            if (!PyUnicode_Check(values[0].ptr()) || !PyUnicode_Check(values[1].ptr()) || !PyBool_Check(values[6].ptr()))
                t.refuse(true, "an alternative's id and name must be texts, in_range True or False");
            a.id = values[0].cast<std::string>();
            a.name = values[1].cast<std::string>();
            a.length = t.number(values[2], "an alternative's length");
            a.nusselt = t.number(values[3], "an alternative's nusselt");
            a.alphaConv = t.number(values[4], "an alternative's alpha_conv");
            a.deviation = t.number(values[5], "an alternative's deviation");
            a.inRange = values[6].cast<bool>();
            alternatives.push_back(a);
        }
        r.alternatives = alternativesTuple(alternatives);
    }
    if (t.size() == 10 && !t.item(9).is_none()) {
        const py::sequence parts = t.items(t.item(9), "the report's case", 4);
        if (!r.state || !PyUnicode_Check(parts[0].ptr()) || !PyBool_Check(parts[3].ptr()))
            t.refuse(true, "the report's case must be (name, doubles, choices, radiation) of one case");
        std::vector<double> doubles;
        for (const py::handle x : t.items(parts[1], "the report's case's doubles", caseDoubles(SteadyCase()).size()))
            doubles.push_back(t.number(x, "a number of the report's case"));
        std::vector<int> choices;
        for (const py::handle x : t.items(parts[2], "the report's case's choices", std::size(kCaseChoiceBounds))) {
            const long long choice = t.count(x, "a choice of the report's case");
            if (choice >= kCaseChoiceBounds[choices.size()])
                t.refuse(false, "a choice of the report's case is out of its bounds");
            choices.push_back(static_cast<int>(choice));
        }
        r.reportCase = caseOf(doubles, choices, parts[3].cast<bool>());
        r.reportName = parts[0].cast<std::string>();
    }
    return r;
}

py::tuple sweepState(const SweepResult& r) { return py::make_tuple(r.count, r.columns, r.warnings); }

SweepResult sweepFromState(const py::handle& given) {
    const StateReader t("zav.Sweep", given, 3, 3);
    SweepResult r;
    r.count = t.count(t.item(0), "the count of points");
    const std::vector<py::ssize_t> shape{static_cast<py::ssize_t>(r.count)};
    const py::sequence columns = t.items(t.item(1), "the quantities", kQuantityCount);
    for (std::size_t q = 0; q < kQuantityCount; ++q)
        r.columns.push_back(t.array(columns[q], kQuantities[q].key, &shape));
    r.warnings = t.texts(t.item(2), "warnings");
    return r;
}

py::tuple coolingState(const CoolingRun& r) {
    // A run with a heat source adds its equilibrium and times; one without keeps the six items.
    if (r.heatSource)
        return py::make_tuple(r.coolingTime, r.scaleTime, r.steps, r.time, r.tBody, r.warnings, r.equilibrium,
                              r.time63, r.time95);
    return py::make_tuple(r.coolingTime, r.scaleTime, r.steps, r.time, r.tBody, r.warnings);
}

CoolingRun coolingFromState(const py::handle& given) {
    const StateReader t("zav.Cooling", given, 6, 9);
    if (t.size() != 6 && t.size() != 9)
        t.refuse(false, "the state must have 6 or 9 items, not " + std::to_string(t.size()));
    CoolingRun r;
    r.coolingTime = t.number(t.item(0), "cooling_time");
    r.scaleTime = t.number(t.item(1), "scale_time");
    r.steps = t.count(t.item(2), "steps");
    r.time = t.array(t.item(3), "time", nullptr);
    const std::vector<py::ssize_t> shape = shapeOf(r.time);
    if (shape.size() != 1)
        t.refuse(false, "time must have one dimension");
    r.tBody = t.array(t.item(4), "t_body", &shape);
    r.warnings = t.texts(t.item(5), "warnings");
    if (t.size() == 9) {
        r.heatSource = true;
        const auto optional = [&t](const py::handle& v, const char* what) {
            return v.is_none() ? std::optional<double>() : std::optional<double>(t.number(v, what));
        };
        r.equilibrium = optional(t.item(6), "equilibrium");
        r.time63 = optional(t.item(7), "time_63");
        r.time95 = optional(t.item(8), "time_95");
    }
    return r;
}

// The objects that __new__ makes, before __setstate__ fills them in: a Result of no points, a
// Sweep of none, a Cooling of no run (NaN times, empty curve).
Result emptyResult() {
    Result r;
    r.columns = Columns(0).arrays({0});
    return r;
}

SweepResult emptySweep() {
    SweepResult r;
    r.columns = Columns(0).arrays({0});
    return r;
}

CoolingRun emptyCooling() {
    CoolingRun r;
    r.time = vectorArray({});
    r.tBody = vectorArray({});
    return r;
}

// Pickling of every protocol: __reduce__ gives copyreg.__newobj__(cls) and the state (protocol 2 on
// writes NEWOBJ for it; protocols 0 and 1 would otherwise make the object with object.__new__,
// which the class of a C++ value cannot take). __new__ makes an empty object, which __setstate__
// fills in: one that only __new__ made is safe to show, compare and pickle. A subclass's objects
// are not made. __setstate__ is bound under another name: pybind11 takes a method named so for a
// constructor, which it skips on an object that holds its value.
template <class T>
void pickleByState(py::class_<T>& cls, const char* name, py::tuple (*state)(const T&),
                   T (*fromState)(const py::handle&), T (*empty)()) {
    PyObject* type = cls.ptr();
    cls.def("__getstate__", state)
        .def("__reduce__", [](const py::object& self) {
            return py::make_tuple(py::module_::import("copyreg").attr("__newobj__"),
                                  py::make_tuple(py::type::of(self)), self.attr("__getstate__")());
        })
        .def_static("__new__", [type, name, empty](const py::handle& of) -> py::object {
            if (of.ptr() != type)
                throw py::type_error(std::string(name) + ".__new__(" + pythonRepr(of) + "): not " + name);
            return py::cast(empty());
        });
    cls.attr("__setstate__") = py::cpp_function(
        [fromState](T& self, const py::object& given) { self = fromState(given); }, py::name("set_state"),
        py::is_method(cls));
}

} // namespace

std::vector<double> caseDoubles(const SteadyCase& c) {
    SteadyCase copy = c;
    std::vector<double> doubles;
    for (const double* x : doublesOf(copy))
        doubles.push_back(*x);
    return doubles;
}

std::vector<int> caseChoices(const SteadyCase& c) {
    return {static_cast<int>(c.fluid), static_cast<int>(c.properties), static_cast<int>(c.shape),
            static_cast<int>(c.face), static_cast<int>(c.userFluid.kind)};
}

SteadyCase caseOf(const std::vector<double>& doubles, const std::vector<int>& choices, bool radiationOn) {
    SteadyCase c;
    const std::vector<double*> into = doublesOf(c);
    for (std::size_t i = 0; i < into.size(); ++i)
        *into[i] = doubles.at(i);
    c.fluid = static_cast<FluidKind>(choices.at(0));
    c.properties = static_cast<PropertyModel>(choices.at(1));
    c.shape = static_cast<SurfaceGeometry>(choices.at(2));
    c.face = static_cast<PlatePosition>(choices.at(3));
    c.userFluid.kind = static_cast<ApproximationKind>(choices.at(4));
    c.radiationOn = radiationOn;
    return c;
}

void definePickling(py::class_<Result>& cls) {
    pickleByState(cls, "zav.Result", &resultState, &resultFromState, &emptyResult);
}

void definePickling(py::class_<SweepResult>& cls) {
    pickleByState(cls, "zav.Sweep", &sweepState, &sweepFromState, &emptySweep);
}

void definePickling(py::class_<CoolingRun>& cls) {
    pickleByState(cls, "zav.Cooling", &coolingState, &coolingFromState, &emptyCooling);
}

} // namespace zav::python

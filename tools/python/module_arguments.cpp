// SPDX-License-Identifier: GPL-3.0-or-later
// The arguments of the module's functions: the keywords of a call matched to the parameters, and
// the values read from Python's objects (numbers, texts, file names, switches, arrays of numbers)
// into the main window's arguments, over the case file of case= when one is named.
#include "tools/python/module_common.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

namespace zav::python {

namespace {

// An argument given as an array or a sequence of numbers (a NumPy number is a number).
bool isArrayArgument(PyObject* value) {
    if (value == nullptr || value == Py_None || PyFloat_Check(value) || PyLong_Check(value))
        return false;
    if (PyList_Check(value) || PyTuple_Check(value))
        return true;
    if (PyObject_IsInstance(value, g_numpyScalar) == 1)
        return false;
    return PyObject_CheckBuffer(value) || PyObject_HasAttrString(value, "__array__");
}

std::optional<double> optionalNumberArgument(PyObject* value, const char* name) {
    if (value == nullptr || value == Py_None)
        return std::nullopt;
    return numberArgument(value, 0, name);
}

// True or False (a NumPy bool too).
bool flagArgument(PyObject* value, const char* name) {
    if (PyBool_Check(value) || PyObject_IsInstance(value, g_numpyScalar) == 1) {
        const int truth = PyObject_IsTrue(value);
        if (truth < 0)
            throw py::error_already_set();
        return truth == 1;
    }
    throw py::type_error(std::string(name) + " must be True or False");
}

// A number of an array of objects: an int, a float, a NumPy number that is not complex or a date,
// or an object that converts to a float as a number does (not a text, bytes, a complex or None).
bool isRealNumber(PyObject* value) {
    if (PyFloat_Check(value) || PyLong_Check(value))
        return true;
    if (PyObject_IsInstance(value, g_numpyScalar) == 1)
        return std::string("biuf").find(py::handle(value).attr("dtype").attr("kind").cast<char>()) != std::string::npos;
    if (PyComplex_Check(value) || PyUnicode_Check(value) || PyBytes_Check(value))
        return false;
    const PyNumberMethods* number = Py_TYPE(value)->tp_as_number;
    return number != nullptr && (number->nb_float != nullptr || number->nb_index != nullptr);
}

// An input given as an array or a list: its values, which must be numbers (booleans, integers,
// floats, or objects that are numbers), as doubles; the masked points of a NumPy masked array NaN.
ArrayInput arrayInput(const char* parameter, PyObject* value, const char* name) {
    const auto refuse = [name] { return py::type_error(std::string(name) + " must be a number or an array of numbers"); };
    const py::module_ numpy = py::module_::import("numpy");
    py::object mask = py::none();
    py::object data = py::reinterpret_borrow<py::object>(value);
    const py::object ma = py::module_::import("sys").attr("modules").attr("get")("numpy.ma");
    if (!ma.is_none() && py::isinstance(data, ma.attr("MaskedArray"))) {
        mask = ma.attr("getmaskarray")(data);
        data = ma.attr("getdata")(data);
    }
    py::array array;
    try {
        array = numpy.attr("asarray")(data);
    } catch (py::error_already_set& e) {
        if (!e.matches(PyExc_ValueError) && !e.matches(PyExc_TypeError))
            throw;
        throw refuse(); // of ragged lists
    }
    const char kind = array.dtype().kind();
    if (kind == 'O') {
        for (const py::handle item : array.attr("ravel")()) {
            if (!isRealNumber(item.ptr()))
                throw refuse();
        }
    } else if (std::string("biuf").find(kind) == std::string::npos) {
        throw refuse();
    }
    py::object values = BroadcastInputs::Contiguous::ensure(array);
    if (!values)
        throw py::error_already_set();
    if (!mask.is_none())
        values = numpy.attr("where")(mask, std::numeric_limits<double>::quiet_NaN(), values);
    return {parameter, values, mask};
}

} // namespace

KeywordParser::KeywordParser(const char* function, ParameterGroups groups) : m_function(function) {
    for (const ParameterList* parameters : groups) {
        for (const Parameter& parameter : *parameters)
            m_names.push_back(PyUnicode_InternFromString(parameter.name.c_str()));
    }
    if (m_names.size() > kMaxParameters)
        throw std::logic_error("too many parameters");
}

std::size_t KeywordParser::slot(const char* name) const {
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        if (PyUnicode_CompareWithASCIIString(m_names[i], name) == 0)
            return i;
    }
    throw std::logic_error(std::string("no parameter ") + name);
}

std::string KeywordParser::name(std::size_t slot) const { return PyUnicode_AsUTF8(m_names[slot]); }

std::vector<std::pair<std::size_t, const char*>> KeywordParser::slots(const std::vector<const char*>& names) const {
    std::vector<std::pair<std::size_t, const char*>> found;
    for (const char* name : names)
        found.emplace_back(slot(name), name);
    return found;
}

bool KeywordParser::parse(Py_ssize_t positional, PyObject* const* args, PyObject* kwnames, PyObject** given) const {
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

std::size_t KeywordParser::find(PyObject* name) const {
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

double numberArgument(PyObject* value, double fallback, const char* name) {
    if (value == nullptr)
        return fallback;
    if (!PyFloat_Check(value) && !PyLong_Check(value) && (!PyNumber_Check(value) || isArrayArgument(value)))
        throw py::type_error(std::string(name) + " must be a number");
    const double number = PyFloat_AsDouble(value);
    if (number == -1 && PyErr_Occurred())
        throw py::error_already_set();
    return number;
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
    throw py::type_error(std::string(name) + " must be a text");
}

std::string textArgument(PyObject* value, const char* fallback, const char* name) {
    return optionalTextArgument(value, name).value_or(fallback);
}

// A file's name as open() takes it: a str, bytes or a path object (os.PathLike); a str in the file
// system's encoding with its surrogate escapes (os.fsencode), so that a name that is not UTF-8
// names the file of its bytes. The system takes a name up to its first NUL: another file would be
// read or written, so a NUL in it is refused (shown as \0).
std::optional<std::string> pathArgument(PyObject* value, const char* name) {
    if (value == nullptr || value == Py_None)
        return std::nullopt;
    if (!PyUnicode_Check(value) && !PyBytes_Check(value) && !PyObject_HasAttrString(value, "__fspath__"))
        throw py::type_error(std::string(name) + " must be a text, bytes or a path");
    py::object path = py::reinterpret_steal<py::object>(PyOS_FSPath(value));
    if (path && PyUnicode_Check(path.ptr()))
        path = py::reinterpret_steal<py::object>(PyUnicode_EncodeFSDefault(path.ptr()));
    if (!path)
        throw py::error_already_set();
    std::string bytes(PyBytes_AS_STRING(path.ptr()), static_cast<std::size_t>(PyBytes_GET_SIZE(path.ptr())));
    if (bytes.find('\0') != std::string::npos) {
        std::string shown;
        for (const char c : bytes)
            shown += c == '\0' ? std::string("\\0") : std::string(1, c);
        throw InputError(std::string(name) + ": názov súboru „" + shown + "“ obsahuje znak NUL.");
    }
    return bytes;
}

// The names of the keywords passed (from_ as "from"), which a case file does not give.
std::set<std::string> givenNames(PyObject* const* given, const KeywordParser& parser) {
    std::set<std::string> names;
    for (std::size_t i = 0; i < parser.size(); ++i) {
        if (given[i] == nullptr)
            continue;
        std::string name = parser.name(i);
        if (name.back() == '_')
            name.pop_back();
        names.insert(name);
    }
    return names;
}

// The steady case's arguments `g` over the case file of case=, if any; `given` names every keyword
// passed. For cool (`cooling`) the radiation and emissivity are the cooling's own: on with its
// start-up emissivity, or as the case's cooling has them.
MainArguments mainArguments(PyObject* const* g, std::set<std::string> given, bool cooling) {
    static const std::size_t kCase = mainSlot("case");
    static const std::size_t kRadiation = mainSlot("radiation");
    static const std::size_t kFluidFile = mainSlot("fluid_file");
    static const std::size_t kKelo = mainSlot("kelo");
    static const std::vector<const CaseKey*> kInputs = [] {
        std::vector<const CaseKey*> inputs;
        for (const char* key : kSteadyArguments)
            inputs.push_back(&caseKey(key));
        return inputs;
    }();
    static const double kStartEmissivity = startNumber("main.emissivity");
    static const double kCoolingEmissivity = startNumber("cooling.emissivity");
    MainArguments a;
    std::optional<double> caseEmissivity; // the case's, when its radiation is on
    if (const std::optional<std::string> path = pathArgument(g[kCase], "case")) {
        requireFileName("case", *path);
        a.file.emplace(*path);
        a.caseFile = *path;
        a.given = given;
        if (cooling)
            given.insert("emissivity"); // not the steady case's
        a.values = a.file->steady(given, a.fluid);
        if (cooling)
            caseEmissivity = a.file->coolingEmissivity(a.given);
        else if (a.values.radiationOn)
            caseEmissivity = a.values.emissivity;
    } else {
        a.values = startCase();
    }
    // In the order of the parameters: each number over the case's, the names to be read.
    std::size_t slot = 0;
    for (const CaseKey* input : kInputs) {
        const CaseKey& entry = *input;
        PyObject* value = g[slot++];
        if (entry.steadyNumber == &SteadyCase::emissivity) {
            // Radiation: radiation= when given; else on with an emissivity= number and off with
            // None; else the switch (the case's).
            const std::optional<double> emissivity =
                value == nullptr ? std::nullopt : optionalNumberArgument(value, entry.keyword);
            a.emissivity = emissivity.value_or(
                caseEmissivity.value_or(cooling ? kCoolingEmissivity : kStartEmissivity));
            if (g[kRadiation] != nullptr)
                a.radiation = flagArgument(g[kRadiation], "radiation");
            else if (value != nullptr)
                a.radiation = emissivity.has_value();
            else
                a.radiation = a.file ? caseEmissivity.has_value() : cooling;
            a.fluidFile = pathArgument(g[kFluidFile], "fluid_file");
            a.kelo = pathArgument(g[kKelo], "kelo");
            slot += 2;
        } else if (entry.steadyNumber != nullptr) {
            a.values.*entry.steadyNumber = numberArgument(value, a.values.*entry.steadyNumber, entry.keyword);
        } else if (entry.parse == InputParse::Number) { // the KELO gas pressure
            a.pressure = optionalNumberArgument(value, entry.keyword);
        } else {
            std::optional<std::string> text = optionalTextArgument(value, entry.keyword);
            if (text && text->empty() && entry.steadyChoice == nullptr)
                text.reset(); // fluid="": the fluid as without it
            (entry.key == "main.fluid"        ? a.fluidName
             : entry.key == "main.shape"      ? a.shape
             : entry.key == "main.face"       ? a.face
                                              : a.properties) = text;
        }
    }
    return a;
}

std::vector<ArrayInput> arrayInputs(PyObject** given, const std::vector<std::pair<std::size_t, const char*>>& keywords,
                                    std::vector<py::object>& firstValues) {
    std::vector<ArrayInput> arrays;
    for (const auto& [slot, keyword] : keywords) {
        PyObject*& value = given[slot];
        if (!isArrayArgument(value))
            continue;
        ArrayInput array = arrayInput(keyword, value, keyword);
        const auto values = BroadcastInputs::Contiguous::ensure(array.values);
        const auto mask = array.mask.is_none() ? BroadcastInputs::Mask() : BroadcastInputs::Mask::ensure(array.mask);
        double first = 1.0;
        for (py::ssize_t i = 0; i < values.size(); ++i) {
            if (array.mask.is_none() || !mask.data()[i]) {
                first = values.data()[i];
                break;
            }
        }
        firstValues.push_back(py::float_(first));
        value = firstValues.back().ptr();
        arrays.push_back(std::move(array));
    }
    return arrays;
}

BroadcastInputs::BroadcastInputs(const std::vector<ArrayInput>& given) {
    py::list views;
    for (const ArrayInput& input : given)
        views.append(input.values);
    for (const ArrayInput& input : given) {
        if (!input.mask.is_none())
            views.append(input.mask);
    }
    const py::list broadcast = py::module_::import("numpy").attr("broadcast_arrays")(*views);
    for (std::size_t k = 0; k < given.size(); ++k)
        arrays.push_back(Contiguous::ensure(broadcast[k]));
    shape.assign(arrays[0].shape(), arrays[0].shape() + arrays[0].ndim());
    count = static_cast<std::size_t>(arrays[0].size());
    for (std::size_t k = 0; k < given.size(); ++k)
        sources.emplace_back(given[k].parameter, arrays[k].data());
    for (std::size_t k = given.size(); k < broadcast.size(); ++k) {
        const Mask mask = Mask::ensure(broadcast[k]);
        masked.resize(count);
        for (std::size_t i = 0; i < count; ++i)
            masked[i] = masked[i] || mask.data()[i];
    }
}

} // namespace zav::python

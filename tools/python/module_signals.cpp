// SPDX-License-Identifier: GPL-3.0-or-later
// The module and Python's interpreter during a run: the signal check that lets Ctrl-C stop a long
// run (taking the GIL, which the runs go on without), and the errors and warnings raised in
// Python: CheckError with the window's message, ValueError, OSError with its errno and the file's
// name, RangeWarning.
#include "tools/python/module_common.h"

#include <string>

namespace zav::python {

namespace {

// A message as a str: the bytes of a file's name that are not UTF-8 as their surrogate escapes
// (os.fsdecode's), so that the message holds the name as Python spells it.
py::object messageText(const std::string& message) {
    return py::reinterpret_steal<py::object>(
        PyUnicode_DecodeUTF8(message.data(), static_cast<Py_ssize_t>(message.size()), "surrogateescape"));
}

} // namespace

bool PythonSignals::check() {
    if (!m_raised) {
        py::gil_scoped_acquire gil;
        m_raised = PyErr_CheckSignals() != 0;
    }
    return !m_raised;
}

void watchInputInterrupts() {
    setInputInterruptCheck([] {
        py::gil_scoped_acquire gil;
        if (PyErr_CheckSignals() != 0)
            throw py::error_already_set();
    });
}

void warn(const std::vector<std::string>& warnings) {
    for (const std::string& text : warnings) {
        if (PyErr_WarnEx(g_rangeWarning, text.c_str(), 1) != 0)
            throw py::error_already_set();
    }
}

void raiseCheckError(const std::string& message, py::object result) {
    py::object error = py::reinterpret_borrow<py::object>(g_checkError)(message);
    error.attr("result") = std::move(result);
    PyErr_SetObject(g_checkError, error.ptr());
    throw py::error_already_set();
}

void setValueError(const std::string& message) {
    const py::object text = messageText(message);
    if (text)
        PyErr_SetObject(PyExc_ValueError, text.ptr());
}

void raiseOSError(int errorNumber, const std::string& message, const std::string& path) {
    py::object text = messageText(message);
    py::object name = py::reinterpret_steal<py::object>(
        PyUnicode_DecodeFSDefaultAndSize(path.data(), static_cast<Py_ssize_t>(path.size())));
    if (!text || !name)
        throw py::error_already_set();
    py::object error = py::reinterpret_borrow<py::object>(PyExc_OSError)(errorNumber, text, name);
    PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(error.ptr())), error.ptr());
    throw py::error_already_set();
}

} // namespace zav::python

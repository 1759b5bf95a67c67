// SPDX-License-Identifier: GPL-3.0-or-later
// The Python module zav: the calculations of zav-calc as functions with keyword arguments, on the
// same library (tools/calc) and so on the same core functions as the windows. Results are objects
// whose attributes are the quantities; a refused case raises zav.CheckError with the window's
// message; range warnings of a user-defined fluid go through Python's warnings module as
// zav.RangeWarning. An argument that cannot be used raises ValueError, a file the system cannot
// read or write OSError with its errno and name; Ctrl-C stops a long run with KeyboardInterrupt.
// solve() is the design calculation ("Návrh"): the input that carries a given heat flow, with the
// steady state there. Sweeps, cooling curves, steady() and solve() over arrays of inputs give NumPy
// arrays, written in place by the runs (no Python object per value). The results pickle and
// compare by value. The runs go on without the GIL: other Python threads run meanwhile.
//
// This file defines the module; module_common.h lists the files that do the rest.
#include "tools/python/module_common.h"

#include "core/number_format.h"

#include <string>

using namespace zav::python;

namespace zav::python {

PyObject* g_checkError = nullptr;
PyObject* g_rangeWarning = nullptr;
PyObject* g_numpyScalar = nullptr;
PyObject* g_alternativeType = nullptr;

} // namespace zav::python

PYBIND11_MODULE(zav, m) {
    m.doc() = "Heat transfer coefficients of natural convection, the cooling of a body: the calculations of "
              "the program ZAV (\"ZAV - voľná konvekcia\") without its windows.\n\n"
              "steady() is the main window's calculation, sweep() its sweep over a range of surface "
              "temperatures (with the table and CEL files), cool() the cooling window's run (with its data "
              "file and picture), solve() the design calculation (\"Návrh\": the body or fluid temperature, "
              "the area or the characteristic dimension that carries a heat flow). Every default is the "
              "freshly started windows' (cool() with radiation on and emissivity 1.0, as the cooling "
              "window). case=\"FILE.zav\" takes the inputs from a case file "
              "saved by the windows, the keywords passed overriding it. A case the program's checks refuse "
              "raises CheckError with the window's Slovak message; an argument that cannot be used raises "
              "ValueError, a file the system cannot read or write OSError (errno, the Slovak message, the file's "
              "name); the range warnings of a user-defined fluid are issued as RangeWarning, pointing at the "
              "line that called. Sweeps, cooling curves, steady() and solve() over arrays of inputs (NumPy arrays or "
              "lists, broadcast) give NumPy arrays; they and solve() release the GIL while they compute, so other "
              "threads run meanwhile. Results have a readable repr, pickle and compare equal by "
              "value. __version__ is the program's version.";
    m.attr("__version__") = ZAV_VERSION;

    py::module_ numpy;
    try {
        numpy = py::module_::import("numpy");
    } catch (py::error_already_set& e) {
        py::raise_from(e, PyExc_ImportError, "zav needs NumPy (Debian: python3-numpy)");
        throw py::error_already_set();
    }
    g_numpyScalar = py::object(numpy.attr("generic")).release().ptr();
    watchInputInterrupts();

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

    // A published correlation beside the program's own, as steady() and solve() give them.
    py::object alternative = py::module_::import("collections").attr("namedtuple")(
        "Alternative", py::make_tuple("id", "name", "length", "nusselt", "alpha_conv", "deviation", "in_range"),
        py::arg("module") = "zav");
    alternative.attr("__doc__") =
        "A published correlation for the same body: its id, its Slovak name with its source, its characteristic "
        "length (m), its Nusselt number on that length, alpha_conv (W/(m2.K)), deviation (alpha_conv against "
        "the program's, relative) and in_range (inside its published range).";
    g_alternativeType = alternative.release().ptr();
    m.add_object("Alternative", py::handle(g_alternativeType));

    defineResultTypes(m);

    // The four calculations take their keywords through the vectorcall protocol: a call of
    // steady() costs little more than the calculation itself.
    static PyMethodDef methods[] = {
        {"steady", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(&steadyCall)),
         METH_FASTCALL | METH_KEYWORDS, nullptr},
        {"sweep", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(&sweepCall)),
         METH_FASTCALL | METH_KEYWORDS, nullptr},
        {"cool", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(&coolCall)),
         METH_FASTCALL | METH_KEYWORDS, nullptr},
        {"solve", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(&solveCall)),
         METH_FASTCALL | METH_KEYWORDS, nullptr},
        {nullptr, nullptr, 0, nullptr}};
    static const std::string docs[4] = {steadyDoc(), sweepDoc(), coolDoc(), solveDoc()};
    for (int i = 0; i < 4; ++i) {
        methods[i].ml_doc = docs[i].c_str();
        m.attr(methods[i].ml_name) = py::reinterpret_steal<py::object>(
            PyCFunction_NewEx(&methods[i], m.ptr(), m.attr("__name__").ptr()));
    }

    m.def(
        "format_fixed",
        [](double value, int precision, int decimals) { return zav::formatFixed(value, precision, decimals); },
        py::arg("value"), py::arg("precision"), py::arg("decimals"),
        "The windows' fixed number format (decimal comma, rounded half away from zero; the exponent form when "
        "the integer part needs more than precision digits), as the main window shows its results.");
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The keyword parameters of the module's functions from the table of the inputs: each input's
// keyword and its start-up value as Python writes it, in the order of the help, with the
// functions' own parameters (files, names) beside them; and where a point's value of an input
// given as an array goes in the case.
#include "tools/python/module_common.h"

#include "io/case_inputs.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace zav::python {

namespace {

// A parameter of an input of the table of the inputs: its keyword and its start-up value.
Parameter tableParameter(const char* key) {
    const CaseKey& entry = caseKey(key);
    return {entry.keyword, pythonStartValue(entry)};
}

// The parameters of the table's inputs `keys`, in their order.
ParameterList tableParameters(std::initializer_list<const char*> keys) {
    ParameterList list;
    for (const char* key : keys)
        list.push_back(tableParameter(key));
    return list;
}

} // namespace

const ParameterList& mainParameters() {
    static const ParameterList list = [] {
        ParameterList parameters;
        for (const char* key : kSteadyArguments) {
            Parameter parameter = tableParameter(key);
            // Unless given, the fluid follows the fluid's files and the pressure the KELO file.
            if (parameter.name == "fluid" || parameter.name == "pressure")
                parameter.pythonDefault = "None";
            parameters.push_back(parameter);
            if (parameter.name == "emissivity") {
                parameters.push_back({"fluid_file", "None"});
                parameters.push_back({"kelo", "None"});
            }
        }
        parameters.push_back({"case", "None"});
        parameters.push_back(tableParameter("main.radiation"));
        return parameters;
    }();
    return list;
}

const ParameterList& sweepParameters() {
    static const ParameterList list = [] {
        ParameterList parameters = tableParameters({"range.from", "range.to", "range.step"});
        parameters.insert(parameters.end(), {{"table", "None"}, {"ccl", "None"}, {"name", "None"}});
        return parameters;
    }();
    return list;
}

const ParameterList& coolParameters() {
    static const ParameterList list = [] {
        ParameterList parameters =
            tableParameters({"cooling.mass", "cooling.cooling_area", "cooling.power", "cooling.target", "cooling.steps"});
        const std::string constant = caseKey("heat_capacity.constant").startValue;
        parameters.insert(parameters.end(),
                          {{"heat_capacity", "'constant:" + constant + "'"}, {"data", "None"}, {"picture", "None"}});
        parameters.push_back(tableParameter("cooling.picture_background"));
        return parameters;
    }();
    return list;
}

const ParameterList& solveParameters() {
    static const ParameterList list = [] {
        // heat_flow has no default; the unknown's names are written with "_" (t_body).
        ParameterList parameters = tableParameters({"design.heat_flow", "design.unknown"});
        parameters[0].pythonDefault.clear();
        std::replace(parameters[1].pythonDefault.begin(), parameters[1].pythonDefault.end(), '-', '_');
        return parameters;
    }();
    return list;
}

std::size_t mainSlot(const char* name) {
    const ParameterList& parameters = mainParameters();
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        if (parameters[i].name == name)
            return i;
    }
    throw std::logic_error(std::string("no parameter ") + name);
}

double* pointTarget(const std::string& keyword, SteadyCase& c) {
    if (keyword == "pressure")
        return &c.userFluid.gasPressure;
    const CaseKey* entry = caseKeyOfKeyword(keyword);
    return entry == nullptr || entry->steadyNumber == nullptr ? nullptr : &(c.*entry->steadyNumber);
}

} // namespace zav::python

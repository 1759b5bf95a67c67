// SPDX-License-Identifier: GPL-3.0-or-later
// The docstrings of steady(), sweep(), cool() and solve(): the signature that help() and inspect
// show, what the function does, its own arguments, then the main window's arguments shared by
// the four.
#include "tools/python/module_common.h"

#include "core/surface_shapes.h"
#include "io/case_inputs.h"

#include <algorithm>

#include <string>

namespace zav::python {

namespace {

// The cooling window's own defaults of the main window's parameters.
const Parameter kCoolingDefaults[] = {{"radiation", "True"}, {"emissivity", "1.0"}};

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

// "    NAME=DEFAULT        HELP": a keyword's line of the help, its text from column 24.
std::string keywordLine(const std::string& name, const std::string& shownDefault, const std::string& help) {
    constexpr std::size_t kColumn = 24;
    std::string line = "    " + name + (shownDefault.empty() ? "" : "=" + shownDefault);
    line += std::string(line.size() < kColumn ? kColumn - line.size() : 1, ' ');
    return line + help + '\n';
}

// The line of the table's input `key`: its keyword, its start-up value as the help shows it (none
// for the fluid and the picture's background, whose help tells it; None for the KELO pressure,
// which the KELO file gives unless passed) and its help.
std::string inputLine(const char* key) {
    const CaseKey& entry = caseKey(key);
    const std::string name = entry.keyword;
    std::string shown = entry.startValue;
    if (entry.parse == InputParse::Number)
        std::replace(shown.begin(), shown.end(), ',', '.');
    else if (entry.parse == InputParse::Choice)
        shown = "\"" + shown + "\"";
    else if (entry.parse == InputParse::Flag)
        shown = shown == "true" ? "True" : "False";
    if (name == "fluid" || name == "picture_background")
        shown.clear();
    else if (name == "pressure")
        shown = "None";
    return keywordLine(name, shown, entry.keywordHelp);
}

// The steady case's arguments, in the order of kSteadyArguments with the radiation switch before
// the emissivity and the fluid's files after it, then the case file.
std::string mainArgumentsHelp() {
    std::string text = "\nThe main window's arguments (keywords only; the defaults are the window's):\n";
    for (const char* key : kSteadyArguments) {
        const std::string input = key;
        if (input == "main.shape") {
            text += shapeHelp();
            continue;
        }
        if (input == "main.emissivity")
            text += inputLine("main.radiation");
        text += inputLine(key);
        if (input == "main.emissivity") {
            text += keywordLine("fluid_file", "None",
                                "a user-defined fluid from a JSON file (kind \"constant\",\n"
                                "                        \"linear\", \"quadratic\" or \"kelo\"; see the README)");
            text += keywordLine("kelo", "None", "a user-defined fluid from a KELO coefficient file");
        }
    }
    return text + keywordLine("case", "None",
                              "a case file (.zav) saved by the program (\"Súbor → Uložiť\n"
                              "                        zadanie…\"): every argument not passed is taken from its\n"
                              "                        windows' fields as the windows would compute them (for\n"
                              "                        cool its cooling window's radiation and emissivity, for\n"
                              "                        sweep its range, for solve its design window's heat_flow\n"
                              "                        and unknown); the arguments passed override it");
}

// "name($module, /, *, a=1, ...)\n--\n\n": the signature help() and inspect show; `defaults`
// replace the groups' own.
std::string signature(const char* function, ParameterGroups groups, std::initializer_list<Parameter> defaults = {}) {
    std::string text = std::string(function) + "($module, /, *";
    for (const ParameterList* parameters : groups) {
        for (const Parameter& parameter : *parameters) {
            std::string value = parameter.pythonDefault;
            for (const Parameter& other : defaults) {
                if (other.name == parameter.name)
                    value = other.pythonDefault;
            }
            text += ", " + parameter.name + (value.empty() ? "" : "=" + value);
        }
    }
    return text + ")\n--\n\n";
}

} // namespace

std::string steadyDoc() {
    return signature("steady", {&mainParameters()}) +
           "The main window's calculation (\"Vypočítaj\") of one case; returns a Result with t_body, t_fluid, "
           "t_mean, density, conductivity, dyn_viscosity, kin_viscosity, heat_capacity, expansion_coeff, prandtl, "
           "grashof, rayleigh, nusselt, alpha_conv, alpha_rad, alpha_total, heat_flow and warnings; for air and "
           "water with the built-in properties also reference_deviation (the total coefficient's relative "
           "deviation from the reference properties' result, (built-in - reference) / reference), "
           "reference_deviation_property (the key of the property that deviates most) and "
           "reference_deviation_of_property (its relative deviation), else None. Raises CheckError when a check "
           "refuses the case.\n\n"
           "Any of t_body, t_fluid, length, area, angle, fin_gap, tube_diameter, emissivity and pressure may be a "
           "NumPy array or a list: the arrays broadcast against each other, every point is computed as one case "
           "with its checks, and the Result's quantities are arrays of the broadcast shape. A point a check "
           "refuses is NaN (its t_body and t_fluid as given) and its (index, message) is in the Result's errors; "
           "nothing is raised for it. A point masked in a NumPy masked array is NaN, every quantity, with no "
           "message. The reference deviation of such a Result is None.\n" +
           mainArgumentsHelp();
}

std::string solveDoc() {
    return signature("solve", {&solveParameters(), &mainParameters()}) +
           "The design calculation (\"Návrh\"): the value of one of the main window's inputs at which the steady "
           "state of steady() carries heat_flow, found inside the range where the fluid model holds, with the same "
           "checks (radiation included when it is on). Returns a Result like steady()'s, of the full steady state "
           "at the solution (every quantity, warnings, the reference deviation), with the unknown's value also in "
           "solved; its heat_flow has the sign of the one sought, as zav-calc's record. Where several values carry the heat flow, the one nearest to the other temperature (or to the "
           "length given) comes with a warning. Raises CheckError when no value carries the heat flow: its text is "
           "the steady state's message, then the heat flow reachable nearest to the target (the largest, the "
           "smallest, or the nearest across a jump) and the value of the unknown where it is reached.\n"
           "    heat_flow           W, positive from the surface into the fluid (a body warmer than\n"
           "                        the fluid), negative from the fluid into the surface; required\n"
           "                        unless case= gives it\n"
           "    unknown=\"t_body\"    the input found: \"t_body\" (°C), \"t_fluid\" (°C), \"area\" (m²) or\n"
           "                        \"length\" (the characteristic dimension, m); the value given for\n"
           "                        it is not used (of length: of several solutions, the nearest)\n\n"
           "heat_flow and any of the arguments that steady() takes as arrays may be NumPy arrays or lists: they "
           "broadcast, every point is solved as one case, and the Result's quantities and solved are arrays of the "
           "broadcast shape. A point without a solution is NaN (the unknown temperature too, the other as given) "
           "and its (index, message) is in the Result's errors; nothing is raised for it.\n" +
           mainArgumentsHelp();
}

std::string sweepDoc() {
    return signature("sweep", {&mainParameters(), &sweepParameters()}) +
           "The main window's sweep over a range of surface temperatures, without the checks, as the window's "
           "table. Returns a Sweep whose attributes are the quantities of steady() as NumPy arrays over the "
           "points. Raises CheckError for a range that cannot be swept, OSError (with errno and filename) when a "
           "file cannot be written, KeyboardInterrupt on Ctrl-C with the file being written left as it was "
           "(t_body plays no part: the range gives the surface temperatures).\n" +
           inputLine("range.from") + inputLine("range.to") + inputLine("range.step") +
           "    table=None          writes the window's table file (Windows-1250, decimal comma)\n"
           "    ccl=None            writes the window's CEL library for ANSYS CFX ...\n"
           "    name=None           ... with this boundary condition's name\n" +
           mainArgumentsHelp();
}

std::string coolDoc() {
    return signature("cool", {&mainParameters(), &coolParameters()},
                     {kCoolingDefaults[0], kCoolingDefaults[1]}) +
           "The cooling window's run: the body cools (or warms) from t_body to target in the fluid at t_fluid. "
           "Returns a Cooling with cooling_time, scale_time, steps, the curve (time, t_body: NumPy arrays) and "
           "warnings; with a heat source (power) also equilibrium (°C, where the body settles) and time_63, time_95 "
           "(s, to 63 % and 95 % of the way there), None where not known. Radiation and emissivity are the cooling window's (on, 1.0; radiation=False switches it "
           "off). Raises CheckError when the run is refused or stops (its .result holds the run so far), OSError "
           "(with errno and filename) when a file cannot be written, KeyboardInterrupt on Ctrl-C with no file "
           "written.\n" +
           inputLine("cooling.mass") + inputLine("cooling.cooling_area") + inputLine("cooling.power") +
           inputLine("cooling.target") +
           inputLine("cooling.steps") +
           std::string("    heat_capacity       \"constant:VALUE\" (default \"constant:1000\"), \"cubic:A,B,C,D\"\n"
           "                        (A + B·t + C·t² + D·t³, J/(kg·K), t in °C), \"carbon-steel\", \"17246\"\n"
           "    data=None           writes the window's data file\n"
           "    picture=None        saves the window's picture of the curve as BMP\n") +
           inputLine("cooling.picture_background") +
           mainArgumentsHelp();
}

} // namespace zav::python

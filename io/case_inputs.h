// SPDX-License-Identifier: GPL-3.0-or-later
// The one table of a case's inputs. Each row names an input once: its key in the case file, how
// the file holds it and the program reads it, its start-up text, its Slovak label and unit, the
// zav-calc option and the Python keyword that give it, and the control that shows it. The case
// file's reader and writer, the program's binding of its controls to the case, zav-calc's
// options and the Python module's keywords, defaults and help all go by it.
//
// Each choice has one table of its names, in the order of its enumeration.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zav {

struct SteadyCase; // core/steady_case.h

/// What a value of a case is, and how the file writes it.
enum class CaseValueType {
    Text,   // a field's text exactly as typed: a JSON string
    Flag,   // a check box: true or false
    Choice, // a group of radio buttons or a fixed list: a JSON string, one of the names
    Index,  // a catalogue item: a JSON integer within the bounds
};

/// How the program reads a text when a calculation needs it.
enum class InputParse {
    Number, // a number with the decimal comma (the front ends take the point as well)
    Text,   // a text as it stands (a name)
    Choice, // one of the choice's names
    Flag,   // "true" or "false"
    Index,  // an integer within the bounds
};

/// One name of a choice: as the case file, zav-calc and the module write it, its Slovak meaning
/// for the help (null: none), and the radio button that chooses it (null: the choice is shown by a
/// check box or a list).
struct ChoiceName {
    const char* name;
    const char* label;
    const char* control;
};

/// The names of a choice, in the order of its enumeration.
struct Choice {
    const ChoiceName* names;
    std::size_t count;
    const char* what; // after "Neznám" in the message of another name: "a tekutina" …

    const ChoiceName* begin() const { return names; }
    const ChoiceName* end() const { return names + count; }
    const ChoiceName& operator[](std::size_t i) const { return names[i]; }
    /// The position of `name`, or count when it is not one.
    std::size_t find(const std::string& name) const;
};

extern const Choice kFluidChoice;            // air, water, user (FluidKind)
extern const Choice kPropertyModelChoice;    // builtin, reference (PropertyModel)
extern const Choice kShapeChoice;            // the shapes' command names (SurfaceGeometry)
extern const Choice kFaceChoice;             // upper, lower (PlatePosition)
extern const Choice kBackgroundChoice;       // black, white: the cooling picture's background
extern const Choice kHeatCapacityChoice;     // constant, cubic, carbon-steel, 17246 (HeatCapacityKind)
extern const Choice kUserFluidChoice;        // constant, linear, quadratic, kelo (ApproximationKind)
extern const Choice kDesignUnknownChoice;    // t-body, t-fluid, area, length (DesignUnknown)

/// One input of a case. Its key is the path of sections and a name, joined by dots
/// ("main.t_body"); a name of digits is a position in a JSON array of texts
/// ("fluid.linear.dyn_viscosity.1" is the second item of that list). The first section names
/// the group of inputs that one screen of the program shows.
struct CaseKey {
    std::string key;
    CaseValueType type;
    const char* startValue;   // as the freshly started program shows it; "true"/"false", an integer
    InputParse parse;
    const Choice* choice;     // the names of a Choice; null for the others
    int minimum;              // the bounds of an Index
    int maximum;
    const char* label;        // Slovak, as zav-calc's help shows it; null: none
    const char* unit;         // null: none
    const char* option;       // zav-calc's option ("--t-body"); null: none
    const char* keyword;      // the Python keyword ("t_body"); null: none
    const char* keywordHelp;  // the module's help of the keyword (English); null: none
    const char* control;      // the object name of the control that shows it; of a Choice shown
                              // by radio buttons, null (its names give their buttons)
    /// Where an input of the steady case goes: a Number's field, a Flag's field, or the setter of
    /// a Choice's position; null for the other inputs.
    double SteadyCase::*steadyNumber = nullptr;
    bool SteadyCase::*steadyFlag = nullptr;
    void (*steadyChoice)(SteadyCase&, std::size_t) = nullptr;

    /// The names of a Choice as texts.
    std::vector<std::string> choices() const;
    /// The label with its unit in parentheses, as a help shows it.
    std::string help() const;
};

/// Every input of a case, in the order the case file lists them.
const std::vector<CaseKey>& caseKeys();
/// The entry of `key`; throws std::out_of_range for a key that is not one.
const CaseKey& caseKey(const std::string& key);
/// The entry whose Python keyword is `keyword`, or null.
const CaseKey* caseKeyOfKeyword(const std::string& keyword);

/// The inputs of the steady case (those with a place in SteadyCase), in the table's order.
std::vector<const CaseKey*> steadyCaseKeys();
/// The steady case of the freshly started program: every input of steadyCaseKeys() at its
/// start-up value (the fluid air, the user-defined fluid empty).
SteadyCase startSteadyCase();
/// Sets the steady case's input `entry` from a number (a Number), a position among its names (a
/// Choice) or 0/1 (a Flag).
void setSteadyInput(SteadyCase& c, const CaseKey& entry, double value);

/// The start-up number of a Number input.
double startNumber(const std::string& key);
/// The start-up text of an input as Python writes its value: "0.005", "100.0", "'upper'",
/// "False" (a Number with its decimal point and at least one decimal, a Choice quoted, a Flag
/// capitalised).
std::string pythonStartValue(const CaseKey& entry);

} // namespace zav

// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the front ends without a window turned into the core's inputs: numbers with the
// decimal point or comma, the names of the fluids, shapes, faces and heat-capacity models, a
// user-defined fluid from a JSON file or a KELO coefficient file. Anything that cannot be read
// throws InputError (or ConversionError for a number) with a Slovak message.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/convection_state.h"
#include "core/heat_capacity.h"
#include "core/user_fluid.h"
#include "tools/calc/calc_case.h"

namespace zav::calc {

/// An input of the front ends that cannot be used; what() is the Slovak message.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A number with the decimal point or the decimal comma ("0.1", "0,1", "1,7e-5"); anything else
/// throws ConversionError, as a window's field does.
double parseInputNumber(const std::string& text);

/// A choice's names in the order of its enumeration.
extern const std::vector<std::string> kFluidNames; // air, water, user
extern const std::vector<std::string> kShapeNames; // vertical-plate … finned-tube
extern const std::vector<std::string> kFaceNames;  // upper, lower
extern const std::vector<std::string> kPropertyModelNames; // builtin, reference

FluidKind fluidKind(const std::string& name);
SurfaceGeometry surfaceGeometry(const std::string& name);
PlatePosition platePosition(const std::string& name);
PropertyModel propertyModel(const std::string& name);

/// "constant:VALUE", "cubic:A,B,C,D" (with decimal commas: "cubic:A;B;C;D"), "carbon-steel" or
/// "17246".
HeatCapacityModel heatCapacityModel(const std::string& text);

/// A user-defined fluid described by a JSON object of one of the four kinds of the fluid window
/// (the keys are in the manual page and the README). A KELO description takes its gas pressure
/// from `pressureMpa` when that is given (not NaN), else from its "pressure" key (5 MPa, as the
/// window's field, when there is none).
UserFluidModel readFluidFile(const std::string& path, double pressureMpa);

/// A KELO coefficient file as the fluid window loads it (its fields' texts read back as numbers)
/// with the gas pressure in MPa.
UserFluidModel readKeloModel(const std::string& path, double pressureMpa);

/// The fluid a front end's options name, each absent when not given.
struct FluidChoice {
    std::optional<std::string> name;      // "air", "water" or "user"
    std::optional<std::string> fluidFile; // a user-defined fluid's JSON description
    std::optional<std::string> kelo;      // a KELO coefficient file
    std::optional<double> pressureMpa;    // the KELO gas pressure
};

/// How a front end spells its options in the messages: the fluid file's, the KELO file's, and
/// both as a fluid "user" needs one of them.
struct FluidOptionNames {
    const char* fluidFile;
    const char* kelo;
    const char* either;
};

/// The fluid of a case: the one named, else "user" when a file describes it, else air; a
/// user-defined fluid read from its file (a KELO gas at 5 MPa unless told).
void chooseFluid(SteadyCase& c, const FluidChoice& choice, const FluidOptionNames& names);

} // namespace zav::calc

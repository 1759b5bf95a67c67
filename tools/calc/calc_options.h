// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of zav-calc and the Python module turned into the core's inputs: numbers with the
// decimal point or comma, the names of the fluids, shapes, faces and heat-capacity models, a
// user-defined fluid from a JSON file or a KELO coefficient file, and the checks of the file
// options. Anything that cannot be used throws InputError (or ConversionError for a number) with
// a Slovak message; an input file the system cannot read throws InputFileError.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/convection_state.h"
#include "core/heat_capacity.h"
#include "core/user_fluid.h"
#include "io/case_inputs.h"
#include "io/input_file.h"
#include "tools/calc/calc_case.h"

namespace zav::calc {

/// An input of the front ends that cannot be used; what() is the Slovak message.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// An input file that cannot be opened or read: the Slovak message, the system's error number and
/// the file's name as it was given.
class InputFileError : public InputError {
public:
    InputFileError(const std::string& message, int errorNumber, std::string path)
        : InputError(message), m_errorNumber(errorNumber), m_path(std::move(path)) {}
    int errorNumber() const { return m_errorNumber; }
    const std::string& path() const { return m_path; }

private:
    int m_errorNumber;
    std::string m_path;
};

/// The file name that stands for standard input (an input) or standard output (an output).
inline const std::string kStandardStreamName = "-";

/// Everything the input file `path` holds; "-" is standard input, read to its end. A file that
/// cannot be opened or read throws InputFileError, one beyond kMaximumInputBytes InputError.
std::string readInputFile(const std::string& path);

/// What readInputFile() and the case files call when a wait for an input is interrupted by a
/// signal (none by default: the wait goes on); it may throw to abandon the reading.
void setInputInterruptCheck(InterruptCheck check);
/// The check in force.
InterruptCheck& inputInterruptCheck();

/// A number with the decimal point or the decimal comma ("0.1", "0,1", "1,7e-5"); anything else
/// throws ConversionError, as an input field does.
double parseInputNumber(const std::string& text);

/// The position of `name` among a choice's names; another name is refused with "Neznám", the
/// choice's word ("a tekutina", "y tvar povrchu" …) and the list of the names.
std::size_t choicePosition(const std::string& name, const Choice& names);

FluidKind fluidKind(const std::string& name);
SurfaceGeometry surfaceGeometry(const std::string& name);
PlatePosition platePosition(const std::string& name);
PropertyModel propertyModel(const std::string& name);

/// "constant:VALUE", "cubic:A,B,C,D" (with decimal commas: "cubic:A;B;C;D"), "carbon-steel" or
/// "17246".
HeatCapacityModel heatCapacityModel(const std::string& text);

/// A user-defined fluid described by a JSON object (in the file `path`, "-" standard input) of one
/// of the four approximations of the user-defined fluid (the keys are in the manual page and the README). A KELO
/// description takes its gas pressure from `pressureMpa` when that is given (not NaN), else from
/// its "pressure" key (the case's start-up 5 MPa when there is none). A value that cannot be
/// used is refused with a message that names the file and the key.
UserFluidModel readFluidFile(const std::string& path, double pressureMpa);

/// A KELO coefficient file as the desktop loads it (the fields' texts read back as numbers)
/// with the gas pressure in MPa.
UserFluidModel readKeloModel(const std::string& path, double pressureMpa);

/// The fluid a front end's options name, each absent when not given.
struct FluidChoice {
    std::optional<std::string> name;      // "air", "water" or "user"
    std::optional<std::string> fluidFile; // a user-defined fluid's JSON description
    std::optional<std::string> kelo;      // a KELO coefficient file
    std::optional<double> pressureMpa;    // the KELO gas pressure
    // The user-defined fluid of a case file, read when the fluid "user" is chosen and no file describes it.
    std::function<UserFluidModel()> caseFluid;
};

/// How a front end spells its options in the messages: the fluid's, the fluid file's, the KELO
/// file's, the pressure's, and both files as a fluid "user" needs one of them.
struct FluidOptionNames {
    const char* fluid;
    const char* fluidFile;
    const char* kelo;
    const char* pressure;
    const char* either;
};

/// The fluid of a case: the one named, else "user" when a file describes it, else air; a
/// user-defined fluid read from its file (a KELO gas at 5 MPa unless told), else from the case
/// file's user-defined fluid (a KELO gas at the pressure told, else the case's). Refused: both files,
/// a file beside a fluid other than "user", a pressure without a KELO gas, an empty file name.
void chooseFluid(SteadyCase& c, const FluidChoice& choice, const FluidOptionNames& names);

/// Refuses an empty file name given to `option`.
void requireFileName(const std::string& option, const std::string& path);

/// Refuses two output files, both given, that name the same file (after symbolic links and "..",
/// as the writers resolve them): the one written last would replace the other.
void requireDistinctOutputs(const std::string& firstOption, const std::string& first,
                            const std::string& secondOption, const std::string& second);

} // namespace zav::calc

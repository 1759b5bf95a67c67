// SPDX-License-Identifier: GPL-3.0-or-later
// The calculations of zav-calc and the Python module, each through the core functions the desktop
// calls: the checked steady evaluation, the design, the sweep over the surface-temperature range
// (with the table and CEL files the desktop writes) and the cooling run (with its data file and
// picture). Results are records of doubles with the messages as texts.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/convection_state.h"
#include "core/cooling.h"
#include "core/quantities.h"
#include "core/reference_deviation.h"
#include "core/steady_state_inverse.h"
#include "export/sweep_range.h"
#include "export/sweeps.h"
#include "core/alternatives.h"
#include "tools/calc/calc_case.h"

namespace zav::calc {

/// The steady calculation ("Vypočítaj") of one case.
struct SteadyResult {
    bool ok = false;
    ConvectionState state; // meaningful when ok
    std::vector<std::string> warnings;
    std::string error; // the failed check's text when not ok
    /// Air and water with the built-in properties, after a successful calculation: how far the
    /// reference properties would move the result (the accuracy line under the results).
    std::optional<ReferenceDeviation> deviation;
    /// After a successful calculation: the published correlations beside the program's own.
    std::vector<AlternativeResult> alternatives;
};

/// calculateSteadyState on a fresh state with the case's inputs.
SteadyResult runSteady(const SteadyCase& steady);

/// The design calculation ("Návrh") of one case: the value of `unknown` that carries `heatFlow`.
struct SolveResult {
    bool ok = false;
    double value = 0;      // the unknown at the solution, when ok
    ConvectionState state; // the steady state there (its heatFlow signed as the one sought), when ok;
                           // else the case's inputs
    std::vector<std::string> warnings;
    std::string error;     // without a solution: why, and the heat flow reachable
    std::optional<double> reachableHeatFlow;
    std::optional<ReferenceDeviation> deviation; // as SteadyResult's, at the solution
    std::vector<AlternativeResult> alternatives;  // as SteadyResult's, at the solution
};

/// The unknowns by their command-line names: t-body, t-fluid, area, length.
std::optional<DesignUnknown> designUnknown(const std::string& name);
const char* designUnknownKey(DesignUnknown unknown);

/// solveSteadyState of the case's inputs (the unknown's own value is where a dimension's search
/// prefers its solution).
SolveResult runSolve(const SteadyCase& steady, DesignUnknown unknown, double heatFlow);

/// Receives the points of a sweep as they are evaluated.
class SweepSink {
public:
    virtual ~SweepSink() = default;
    /// Before the first point.
    virtual void prepare(long long count) = 0;
    /// Point `index` in `state`, with the range warnings its evaluation gave (usually none).
    virtual void point(long long index, const ConvectionState& state, const std::vector<std::string>& warnings) = 0;
};

/// Evaluates every point of `range` as the desktop's sweeps do (evaluatePoint, without checks) and
/// hands each to `sink`. A range that cannot be swept gives its message and nothing is evaluated.
/// The sweep stops before point i when `progress.keepGoing(i, count)` is false.
std::optional<std::string> runSweep(const SteadyCase& steady, const SweepRange& range, SweepSink& sink,
                                    SweepProgress& progress = noProgress());

/// The files of a sweep; an empty name writes no such file.
struct SweepFiles {
    std::string table;   // the table file ("Súbor → Ulož do súboru")
    std::string ccl;     // the CEL library ("Súbor → Ansys")
    std::string cclName; // the boundary condition's name, valid by isValidCelName
    std::string asctime; // the library's time line, with its line end
};

/// An output file that could not be written: the desktop's message, the system's error number
/// (EIO when it gave none) and the file's name as it was given.
struct FileProblem {
    std::string message;
    int errorNumber = 0;
    std::string path;
};

/// Writes the files through the desktop's own sweeps (the table first, then the library); the
/// problem of the first that could not be written, or nothing. A sweep that `progress` cancels
/// leaves its file as it was and the library unwritten; nothing is returned for it.
std::optional<FileProblem> writeSweepFiles(const SteadyCase& steady, const SweepRange& range,
                                           const SweepFiles& files, SweepProgress& progress = noProgress());

/// What became of a sweep with its files: refused, a file not written, or neither.
struct SweepOutcome {
    std::optional<std::string> refusal;     // the range's message; nothing was written or evaluated
    std::optional<FileProblem> fileProblem; // the first file not written; no point was evaluated
};

/// The sweep with its files: a range that cannot be swept is refused, else the files
/// are written (writeSweepFiles) and every point goes to `sink` (runSweep). A sweep that `progress`
/// cancels ends there, without a problem: no later file, no later point.
SweepOutcome runSweepCase(const SteadyCase& steady, const SweepRange& range, const SweepFiles& files,
                          SweepSink& sink, SweepProgress& progress = noProgress());

/// The outputs of a cooling run; an empty name writes no such file.
struct CoolingFiles {
    std::string data;    // the data file ("Údaje → Ulož do súboru")
    std::string picture; // the picture as a BMP file ("Ulož graf")
    int plotType = 0;    // "Typ grafu": 0 black background, 1 white
};

constexpr double kMaxCurveSteps = 100000;

struct CoolingResult {
    CoolingOutcome outcome = CoolingOutcome::Refused;
    double coolingTime = 0; // s, as far as the run got
    double scaleTime = 0;   // s, of the scale pass
    long long steps = 0;    // simulation steps done
    /// With a heat source: where the body settles (°C) and the times (s) to 63 % and 95 % of the
    /// way there; nothing without a source, or where they are not known.
    bool heatSource = false;
    std::optional<double> equilibrium;
    std::optional<double> time63;
    std::optional<double> time95;
    /// The curve: the start (0 s, the body temperature) and the end of every simulation step; of a
    /// run of more than kMaxCurveSteps steps, the end of every k-th step and of the last, k the
    /// smallest that keeps the curve within kMaxCurveSteps + 2 points.
    std::vector<double> time;  // s
    std::vector<double> tBody; // °C
    std::vector<std::string> warnings;
    std::string error; // why the run was refused or stopped, or a file that could not be written
    std::optional<FileProblem> fileProblem; // the first file that could not be written
};

/// One cooling run on the steady case. `keepGoing`, where given, is asked
/// every kCancelStride steps; false cancels the run (CoolingOutcome::Cancelled), and no file is
/// written.
CoolingResult runCoolingCase(const SteadyCase& steady, const CoolingCase& cooling, const CoolingFiles& files,
                             const std::function<bool()>& keepGoing = {});

} // namespace zav::calc

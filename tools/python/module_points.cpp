// SPDX-License-Identifier: GPL-3.0-or-later
// steady() and solve() over arrays of inputs: every point of the broadcast arrays computed as one
// case, with its checks, into columns that become the Result's NumPy arrays. The points go on
// without the GIL; a point refused is NaN with its (index, message) in the Result's errors.
#include "tools/python/module_common.h"

#include "core/alternatives.h"
#include "core/steady_state.h"

#include <limits>
#include <string>

namespace zav::python {

namespace {

// Where each array's values go: into the case `c`, or heat_flow's into `heatFlow`.
std::vector<std::pair<double*, const double*>> pointTargets(const BroadcastInputs& points, SteadyCase& c,
                                                             double* heatFlow) {
    std::vector<std::pair<double*, const double*>> targets;
    for (const auto& [keyword, values] : points.sources) {
        double* target = keyword == "heat_flow" ? heatFlow : pointTarget(keyword, c);
        if (target != nullptr)
            targets.emplace_back(target, values);
    }
    return targets;
}

// The index of flat point i in an array of `shape`: an int for one dimension, else a tuple.
py::object pointIndex(std::size_t i, const std::vector<py::ssize_t>& shape) {
    if (shape.size() == 1)
        return py::int_(i);
    py::tuple index(shape.size());
    for (std::size_t d = shape.size(); d-- > 0;) {
        index[d] = py::int_(i % static_cast<std::size_t>(shape[d]));
        i /= static_cast<std::size_t>(shape[d]);
    }
    return std::move(index);
}

} // namespace

// The main window's calculation of every point of the broadcast arrays among the arguments, each
// as steady() computes one case (with its checks): `arrays` holds the inputs that are arrays, by
// their keywords, `c` the case of the rest.
Result steadyPoints(SteadyCase c, const std::vector<ArrayInput>& arrays) {
    const BroadcastInputs points(arrays);
    const std::vector<py::ssize_t>& shape = points.shape;
    const std::size_t count = points.count;

    Result result;
    Columns columns(count);
    const CaseInputs caseInputs(c);
    const auto targets = pointTargets(points, c, nullptr);
    PythonSignals signals;
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    std::vector<std::pair<std::size_t, std::string>> refused; // the errors, made Python's after the run
    withoutGil([&] {
        for (std::size_t i = 0; i < count; ++i) {
            if (i % PythonSignals::kStride == 0 && !signals.check())
                return;
            for (const auto& [target, values] : targets)
                *target = values[i];
            if (points.isMasked(i)) {
                columns.setRefused(i, kNaN, kNaN);
                continue;
            }
            ConvectionState state = startState(c);
            const SteadyOutcome outcome = calculateSteadyState(state, caseInputs);
            if (outcome.ok) {
                columns.set(i, state);
            } else {
                columns.setRefused(i, c.tBody, c.tFluid);
                refused.emplace_back(i, outcome.statusText.empty() ? outcome.message : outcome.statusText);
            }
            appendUnique(result.warnings, outcome.warnings);
            if (outcome.ok)
                appendUnique(result.warnings, resultWarnings(state, caseInputs));
        }
    });
    signals.raisePending();
    for (const auto& [i, message] : refused)
        result.errors.append(py::make_tuple(pointIndex(i, shape), message));
    result.columns = columns.arrays(shape);
    warn(result.warnings);
    return result;
}

// The design calculation of every point of the broadcast arrays among the arguments (heat_flow
// among them), each as solve() computes one case. A point without a
// solution is NaN (the unknown's temperature too, the other as given) with its (index, message)
// in the errors.
Result solvePoints(SteadyCase c, DesignUnknown unknown, double heatFlow,
                   const std::vector<ArrayInput>& arrays) {
    // A point takes some sixteen steady states: Ctrl-C is looked for more often than in steady().
    constexpr std::size_t kStride = 64;
    const BroadcastInputs points(arrays);
    const std::size_t count = points.count;

    Result result;
    Columns columns(count);
    ColumnBuffer solved = allocateColumn(count);
    const CaseInputs caseInputs(c);
    const auto targets = pointTargets(points, c, &heatFlow);
    PythonSignals signals;
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    std::vector<std::pair<std::size_t, std::string>> refused; // the errors, made Python's after the run
    withoutGil([&] {
        for (std::size_t i = 0; i < count; ++i) {
            if (i % kStride == 0 && !signals.check())
                return;
            for (const auto& [target, values] : targets)
                *target = values[i];
            if (points.isMasked(i)) {
                columns.setRefused(i, kNaN, kNaN);
                solved[i] = kNaN;
                continue;
            }
            const DesignSolution solution = solveSteadyState(startState(c), caseInputs, unknown, heatFlow);
            if (solution.solved) {
                columns.set(i, designState(solution.state, heatFlow));
                solved[i] = solution.value;
            } else {
                columns.setRefused(i, unknown == DesignUnknown::BodyTemperature ? kNaN : c.tBody,
                                   unknown == DesignUnknown::FluidTemperature ? kNaN : c.tFluid);
                solved[i] = kNaN;
                refused.emplace_back(i, solution.message);
            }
            appendUnique(result.warnings, solution.warnings);
            if (solution.solved)
                appendUnique(result.warnings, resultWarnings(solution.state, caseInputs));
        }
    });
    signals.raisePending();
    for (const auto& [i, message] : refused)
        result.errors.append(py::make_tuple(pointIndex(i, points.shape), message));
    result.columns = columns.arrays(points.shape);
    result.solved = ownedArray(std::move(solved), points.shape);
    warn(result.warnings);
    return result;
}

} // namespace zav::python

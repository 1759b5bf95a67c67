// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/steady_state_inverse.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "core/number_format.h"
#include "core/steady_state.h"

namespace zav {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kAbsoluteZero = -273.15;
// The span searched around the other temperature for a user-defined fluid, whose model names no
// range of its own that the steady state enforces.
constexpr double kUserFluidSpan = 1000;
// The bracket search: the temperature grid starts at kGridLow of the searched span; the
// dimension grid has kLengthPoints in equal ratios.
constexpr int kLengthPoints = 15;
constexpr double kGridLow = 1e-7;
// The temperature grid: equal ratios up to a tenth of the span, then equal steps.
constexpr int kGeometricPoints = 8;
constexpr int kLinearPoints = 8;
// The characteristic dimensions searched (m).
constexpr double kLengthLow = 1e-5;
constexpr double kLengthHigh = 1e3;
// The unknown is refined until it is known to this relative precision.
constexpr double kRelativeTolerance = 1e-12;
constexpr int kMaxRefinements = 200;
// Halvings that find the edge of the valid steady states (only when there is no solution).
constexpr int kEdgeSteps = 40;
// A refinement that ends with the heat flow further than this from the target sits on a jump.
constexpr double kJumpTolerance = 1e-8;

// Keeps what a steady state would report instead of showing it.
class RecordingReporter : public Reporter {
public:
    void showMessage(const std::string& text) override {
        if (message.empty())
            message = text;
        messages.push_back(text);
    }
    void setStatusText(const std::string& text) override { status = text; }

    std::string message;
    std::string status;
    std::vector<std::string> messages;
};

// The steady state at one value of the unknown.
struct Point {
    double x = kNaN;
    bool evaluated = false; // the temperature difference 0 stands in the grid unevaluated
    bool valid = false;
    double heatFlow = kNaN; // signed
    ConvectionState state;
    std::string message;
    std::string status;
    std::vector<std::string> messages;
};

std::string number(double value) {
    return formatGeneral(std::fabs(value) >= 1e-3 ? std::round(value * 1000) / 1000 : value);
}

std::string withUnit(DesignUnknown unknown, double value) {
    switch (unknown) {
    case DesignUnknown::BodyTemperature:
    case DesignUnknown::FluidTemperature:
        return number(value) + " °C";
    case DesignUnknown::Area:
        return number(value) + " m²";
    case DesignUnknown::CharLength:
        return number(value) + " m";
    }
    return number(value);
}

class Solver {
public:
    Solver(const ConvectionState& inputs, const EvaluationInputs& evaluation, DesignUnknown unknown, double target)
        : m_inputs(inputs), m_evaluation(evaluation), m_unknown(unknown), m_target(target) {}

    DesignSolution solve() {
        if (!std::isfinite(m_target))
            return refuse(std::string("Tepelný tok nie je konečné číslo."), std::string(), kNaN);
        switch (m_unknown) {
        case DesignUnknown::BodyTemperature:
        case DesignUnknown::FluidTemperature:
            return solveTemperature();
        case DesignUnknown::Area:
            return solveArea();
        case DesignUnknown::CharLength:
            return solveLength();
        }
        return refuse("Neznáma veličina.", std::string(), kNaN);
    }

private:
    Point at(double x) {
        Point point;
        point.x = x;
        point.evaluated = true;
        point.state = m_inputs;
        value(point.state) = x;
        RecordingReporter reporter;
        point.valid = calculateSteadyState(point.state, m_evaluation, reporter);
        ++m_evaluations;
        if (point.valid)
            point.heatFlow = signedHeatFlow(point.state);
        point.message = reporter.message;
        point.status = reporter.status;
        point.messages = reporter.messages;
        return point;
    }

    double& value(ConvectionState& state) const {
        switch (m_unknown) {
        case DesignUnknown::BodyTemperature:
            return state.tBody;
        case DesignUnknown::FluidTemperature:
            return state.tFluid;
        case DesignUnknown::Area:
            return state.area;
        case DesignUnknown::CharLength:
            break;
        }
        return state.charLength;
    }

    DesignSolution solved(const Point& found) {
        const Point point = found.evaluated ? found : at(found.x);
        if (!point.valid)
            return refuse(point, std::nullopt);
        DesignSolution solution;
        solution.solved = true;
        solution.value = point.x;
        solution.state = point.state;
        solution.warnings = m_warnings;
        for (const std::string& message : point.messages)
            solution.warnings.push_back(message);
        solution.evaluations = m_evaluations;
        return solution;
    }

    DesignSolution refuse(const std::string& message, const std::string& status, double reachable) {
        DesignSolution solution;
        solution.message = message;
        solution.statusText = status.empty() ? message : status;
        solution.reachableHeatFlow = reachable;
        solution.evaluations = m_evaluations;
        return solution;
    }

    // The steady state's own message where it fails, and how far the heat flow can go.
    // `reach` is the valid steady state nearest to the target: the largest heat flow when the
    // target is beyond it, the smallest when the target falls short of every valid one.
    DesignSolution refuse(const Point& failed, const std::optional<Point>& reach, bool largest = true) {
        std::string message = failed.message;
        if (failed.valid || message.empty())
            message = "Tepelný tok " + number(m_target) + " W sa v rozsahu platnosti modelu tekutiny nedosiahne.";
        if (reach) {
            message += std::string(largest ? "\nNajväčší" : "\nNajmenší") + " dosiahnuteľný tepelný tok je " +
                       number(reach->heatFlow) + " W (" + designUnknownName(m_unknown) + " " +
                       withUnit(m_unknown, reach->x) + ").";
            return refuse(message, failed.valid ? std::string() : failed.status, reach->heatFlow);
        }
        message += "\nTepelný tok " + number(m_target) + " W sa nedá dosiahnuť: žiadna hodnota veličiny " +
                   designUnknownName(m_unknown) + " nedáva platný výsledok.";
        return refuse(message, failed.status, kNaN);
    }

    // The target heat flow's direction: +1 when the body is warmer than the fluid.
    int direction() const { return m_target > 0 ? 1 : -1; }

    // The temperature unknown is other ± δ with δ > 0 in the target's direction: the span of δ in
    // which the model holds (at most 0 when there is none).
    double temperatureSpan(double other) const {
        const FluidTemperatureRange range =
            fluidTemperatureRange(m_evaluation.fluidKind(), m_evaluation.propertyModel());
        double low = std::max(kAbsoluteZero, other - kUserFluidSpan);
        double high = other + kUserFluidSpan;
        if (range.meanMessage != nullptr) {
            low = std::max(kAbsoluteZero, 2 * range.meanLow - other);
            high = 2 * range.meanHigh - other;
            if (m_unknown == DesignUnknown::FluidTemperature) {
                low = std::max(low, range.fluidLow);
                high = std::min(high, range.fluidHigh);
            }
        }
        // Upward for a warmer body (or a colder fluid), downward otherwise.
        const bool upward = (m_unknown == DesignUnknown::BodyTemperature) == (direction() > 0);
        return upward ? high - other : other - low;
    }

    DesignSolution solveTemperature() {
        const bool body = m_unknown == DesignUnknown::BodyTemperature;
        const double other = body ? m_inputs.tFluid : m_inputs.tBody;
        if (m_target == 0) {
            // No heat flows exactly when the temperatures are equal, whether or not a correlation
            // holds there (it says so in a warning).
            Point equal = at(other);
            if (!equal.valid) {
                m_warnings.push_back(equal.message);
                equal.valid = true;
                equal.messages.clear();
                equal.state.tBody = equal.state.tFluid = other;
                equal.state.heatFlow = 0;
            }
            return solved(equal);
        }
        const double sign = (body ? 1.0 : -1.0) * direction();
        auto temperature = [&](double delta) { return other + sign * delta; };
        const double span = temperatureSpan(other);
        if (!(span > 0))
            return refuse(at(temperature(1)), std::nullopt);
        // δ = 0 carries no heat; grid points from a ten-millionth of the span, in equal ratios up to
        // a tenth of it and in equal steps from there, so that a heat flow that falls and rises
        // again far from the other temperature is seen as well.
        std::vector<Point> grid;
        const double ratio = std::pow(kGridLow / 0.1, 1.0 / (kGeometricPoints - 1));
        for (int k = kGeometricPoints - 1; k >= 1; --k)
            grid.push_back(at(temperature(0.1 * span * std::pow(ratio, k))));
        for (int k = 1; k <= kLinearPoints; ++k)
            grid.push_back(at(temperature(span * k / kLinearPoints)));
        Point zero;
        zero.x = other;
        zero.valid = grid.front().valid;
        zero.heatFlow = 0;
        grid.insert(grid.begin(), zero);
        const std::optional<Point> beyond =
            grid.back().valid ? std::optional<Point>(at(temperature(span * 1.000001 + 1e-6))) : std::nullopt;
        return finish(grid, [&](double x) { return sign * (x - other); }, beyond);
    }

    DesignSolution solveLength() {
        if (const std::optional<DesignSolution> refused = refuseDirection(" žiadny charakteristický rozmer"))
            return *refused;
        std::vector<Point> grid;
        const double ratio = std::pow(kLengthHigh / kLengthLow, 1.0 / (kLengthPoints - 1));
        for (int k = 0; k < kLengthPoints; ++k)
            grid.push_back(at(kLengthLow * std::pow(ratio, k)));
        return finish(grid, [](double x) { return std::log(x); }, std::nullopt);
    }

    // A heat flow against the temperature difference, or one at equal temperatures, that no
    // area or dimension can give.
    std::optional<DesignSolution> refuseDirection(const char* what) {
        const double difference = m_inputs.tBody - m_inputs.tFluid;
        if (difference == 0)
            return refuse("Pri rovnakej teplote telesa a tekutiny neprechádza tepelný tok; tepelný tok " +
                              number(m_target) + " W nedá" + what + ".",
                          std::string(), 0.0);
        if (m_target == 0 || (m_target > 0) != (difference > 0))
            return refuse("Tepelný tok " + number(m_target) +
                              " W nemá smer, ktorý dáva rozdiel teplôt telesa a tekutiny (kladný tok tečie z "
                              "povrchu do tekutiny); nedá ho" + what + ".",
                          std::string(), kNaN);
        return std::nullopt;
    }

    // The area scales the heat flow (the vertical cylinder's correction adds a part that does
    // not): secant steps from the area typed converge at once.
    DesignSolution solveArea() {
        if (const std::optional<DesignSolution> refused = refuseDirection("žiadna plocha"))
            return *refused;
        double area = m_inputs.area > 0 && std::isfinite(m_inputs.area) ? m_inputs.area : 1.0;
        Point previous = at(area);
        if (!previous.valid)
            return refuse(previous, std::nullopt);
        Point current = at(area * m_target / previous.heatFlow);
        for (int step = 0; step < kMaxRefinements; ++step) {
            if (!current.valid || !(current.x > 0))
                break;
            const double slope = (current.heatFlow - previous.heatFlow) / (current.x - previous.x);
            if (current.heatFlow == m_target || !(slope != 0) || !std::isfinite(slope))
                return solved(current);
            const double next = current.x + (m_target - current.heatFlow) / slope;
            if (std::fabs(next - current.x) <= kRelativeTolerance * std::fabs(current.x))
                return solved(at(next > 0 ? next : current.x));
            if (!(next > 0)) {
                // Even the smallest area carries more than the target.
                return refuse("Tepelný tok " + number(m_target) + " W je menší, než prenesie ľubovoľne malá "
                                  "plocha povrchu.",
                              std::string(), kNaN);
            }
            previous = current;
            current = at(next);
        }
        return refuse(current, std::nullopt);
    }

    // The grid's valid neighbours between which the heat flow passes the target: the pair
    // nearest to the grid's start is refined. Without one, the steady state's message says why.
    template <class Distance>
    DesignSolution finish(const std::vector<Point>& grid, Distance distance, const std::optional<Point>& beyond) {
        std::vector<std::size_t> crossings;
        const Point* farthest = nullptr; // the valid point of the largest heat flow
        for (std::size_t i = 0; i < grid.size(); ++i) {
            const Point& p = grid[i];
            if (p.valid && std::isfinite(p.heatFlow) &&
                (farthest == nullptr || direction() * p.heatFlow > direction() * farthest->heatFlow))
                farthest = &p;
            if (i + 1 < grid.size() && p.valid && grid[i + 1].valid &&
                (p.heatFlow - m_target) * (grid[i + 1].heatFlow - m_target) <= 0)
                crossings.push_back(i);
        }
        if (crossings.empty()) {
            // The steady state that fails nearest to where the target lies.
            std::optional<Point> nearest; // the valid point of the smallest heat flow
            for (const Point& p : grid) {
                if (p.evaluated && p.valid && std::isfinite(p.heatFlow) &&
                    (!nearest || direction() * p.heatFlow < direction() * nearest->heatFlow))
                    nearest = p;
            }
            if (nearest && direction() * m_target < direction() * nearest->heatFlow) {
                // Too small a heat flow: the failure just before the smallest valid one, and the
                // edge between them found.
                const Point* failed = nullptr;
                for (const Point& p : grid) {
                    if (p.x == nearest->x)
                        break;
                    if (p.evaluated && !p.valid)
                        failed = &p;
                }
                if (failed == nullptr)
                    return refuse(*nearest, nearest, false);
                Point invalid = *failed;
                const Point reach = edge(*nearest, invalid);
                return refuse(invalid, direction() * reach.heatFlow < direction() * nearest->heatFlow ? reach : *nearest,
                              false);
            }
            // Too large: the failure just after the largest valid one, or beyond the range.
            const Point* failed = nullptr;
            bool passed = farthest == nullptr;
            for (const Point& p : grid) {
                if (farthest && p.x == farthest->x)
                    passed = true;
                else if (passed && failed == nullptr && p.evaluated && !p.valid)
                    failed = &p;
            }
            if (failed == nullptr && beyond)
                failed = &*beyond;
            if (failed != nullptr && farthest != nullptr && !(beyond && failed == &*beyond)) {
                Point invalid = *failed;
                const Point reach = edge(*farthest, invalid);
                return refuse(invalid,
                              direction() * reach.heatFlow > direction() * farthest->heatFlow ? reach : *farthest);
            }
            return refuse(failed != nullptr ? *failed : grid.back(),
                          farthest != nullptr ? std::optional<Point>(*farthest) : std::nullopt);
        }
        if (m_unknown == DesignUnknown::CharLength) {
            // Of several dimensions, the one nearest to the dimension typed first.
            const double typed = std::log(m_inputs.charLength > 0 ? m_inputs.charLength : 0.1);
            std::stable_sort(crossings.begin(), crossings.end(), [&](std::size_t i, std::size_t j) {
                return std::fabs(distance(grid[i].x) - typed) < std::fabs(distance(grid[j].x) - typed);
            });
        }
        // A crossing may be a jump of the heat flow where a correlation changes its form: the next
        // one is tried.
        std::optional<Point> jump;
        for (std::size_t i : crossings) {
            const Point& low = grid[i];
            const Point& high = grid[i + 1];
            Refined refined = refine(low, high);
            if (refined.solution && refined.solution->solved && hasOtherRoot(grid, crossings, i)) {
                refined.solution->warnings.insert(
                    refined.solution->warnings.begin(),
                    std::string("Tepelný tok nie je monotónny v neznámej (") + designUnknownName(m_unknown) +
                        "); z viacerých riešení je uvedené to najbližšie k zadanej hodnote.");
            }
            if (refined.solution) {
                if (refined.point.valid && isFlat(low, high))
                    refined.solution->warnings.push_back(
                        std::string("Tepelný tok tu takmer nezávisí od veličiny ") + designUnknownName(m_unknown) +
                        ": rovnaký tok dáva celý rozsah hodnôt a uvedená hodnota je len jedna z nich.");
                return *refined.solution;
            }
            if (!jump)
                jump = refined.point;
        }
        const std::string message = "Tepelný tok " + number(m_target) + " W leží v skoku výsledku pri hodnote " +
                                    designUnknownName(m_unknown) + " " + withUnit(m_unknown, jump->x) +
                                    ", kde sa mení tvar kriteriálnej rovnice; žiadna hodnota ho nedáva presne.";
        return refuse(message, std::string(), farthest != nullptr ? farthest->heatFlow : kNaN);
    }

    // The last valid steady state before `invalid`, from `valid` on, found by halving the step;
    // `invalid` becomes the first invalid one after it.
    Point edge(Point valid, Point& invalid) {
        for (int step = 0; step < kEdgeSteps; ++step) {
            if (std::fabs(invalid.x - valid.x) <= kRelativeTolerance * std::max(scale(valid.x), 1e-300))
                break;
            Point middle = at(0.5 * (valid.x + invalid.x));
            if (middle.valid)
                valid = std::move(middle);
            else
                invalid = std::move(middle);
        }
        return valid;
    }

    // Another of the crossings is a root rather than a jump of the heat flow (refined to see).
    bool hasOtherRoot(const std::vector<Point>& grid, const std::vector<std::size_t>& crossings, std::size_t chosen) {
        const std::vector<std::string> warnings = m_warnings;
        bool found = false;
        for (std::size_t i : crossings) {
            if (i == chosen)
                continue;
            const Refined other = refine(grid[i], grid[i + 1]);
            if (other.solution && other.solution->solved) {
                found = true;
                break;
            }
        }
        m_warnings = warnings;
        return found;
    }

    // The heat flow hardly changes between two neighbours of the grid: the unknown is not
    // determined by it (a turbulent correlation in which the dimension cancels).
    bool isFlat(const Point& a, const Point& b) const {
        if (!a.evaluated || !b.evaluated || !(a.heatFlow != 0) || !(b.heatFlow != 0))
            return false;
        const double change = std::fabs(std::log(b.heatFlow / a.heatFlow));
        const double step = std::fabs(std::log(std::fabs(b.x / a.x)));
        return m_unknown == DesignUnknown::CharLength && change < 1e-6 * step;
    }

    // A refined crossing: the solution, or nothing when the heat flow jumps over the target at
    // `point`.
    struct Refined {
        std::optional<DesignSolution> solution;
        Point point;
    };

    // Brent's method between two points whose heat flows lie on both sides of the target.
    Refined refine(Point a, Point b) {
        if (a.heatFlow == m_target)
            return {solved(a), a};
        if (b.heatFlow == m_target)
            return {solved(b), b};
        double fa = a.heatFlow - m_target;
        double fb = b.heatFlow - m_target;
        Point c = a;
        double fc = fa;
        double d = b.x - a.x;
        double e = d;
        for (int step = 0; step < kMaxRefinements; ++step) {
            if ((fb > 0) == (fc > 0)) {
                c = a;
                fc = fa;
                d = e = b.x - a.x;
            }
            if (std::fabs(fc) < std::fabs(fb)) {
                a = b;
                b = c;
                c = a;
                fa = fb;
                fb = fc;
                fc = fa;
            }
            const double tolerance = 2 * std::numeric_limits<double>::epsilon() * std::fabs(b.x) +
                                     0.5 * kRelativeTolerance * scale(b.x);
            const double middle = 0.5 * (c.x - b.x);
            if (std::fabs(middle) <= tolerance || fb == 0) {
                // Converged on a jump rather than a root when the heat flow still misses.
                if (std::fabs(fb) > kJumpTolerance * std::fabs(m_target))
                    return {std::nullopt, b};
                return {solved(b), b};
            }
            if (std::fabs(e) >= tolerance && std::fabs(fa) > std::fabs(fb)) {
                // Inverse quadratic interpolation, or the secant when only two points differ.
                double p;
                double q;
                const double s = fb / fa;
                if (a.x == c.x) {
                    p = 2 * middle * s;
                    q = 1 - s;
                } else {
                    const double qa = fa / fc;
                    const double r = fb / fc;
                    p = s * (2 * middle * qa * (qa - r) - (b.x - a.x) * (r - 1));
                    q = (qa - 1) * (r - 1) * (s - 1);
                }
                if (p > 0)
                    q = -q;
                p = std::fabs(p);
                if (2 * p < std::min(3 * middle * q - std::fabs(tolerance * q), std::fabs(e * q))) {
                    e = d;
                    d = p / q;
                } else {
                    d = middle;
                    e = d;
                }
            } else {
                d = middle;
                e = d;
            }
            a = b;
            fa = fb;
            const double next = std::fabs(d) > tolerance ? b.x + d : b.x + (middle > 0 ? tolerance : -tolerance);
            b = at(next);
            if (!b.valid)
                return {refuse(b, std::nullopt), b};
            fb = b.heatFlow - m_target;
        }
        return {solved(b), b};
    }

    // What the relative tolerance is taken of: the temperature difference for a temperature, the
    // value itself for an area or a dimension.
    double scale(double x) const {
        switch (m_unknown) {
        case DesignUnknown::BodyTemperature:
            return std::fabs(x - m_inputs.tFluid);
        case DesignUnknown::FluidTemperature:
            return std::fabs(m_inputs.tBody - x);
        case DesignUnknown::Area:
        case DesignUnknown::CharLength:
            break;
        }
        return std::fabs(x);
    }

    const ConvectionState& m_inputs;
    const EvaluationInputs& m_evaluation;
    DesignUnknown m_unknown;
    double m_target;
    int m_evaluations = 0;
    std::vector<std::string> m_warnings;
};

} // namespace

double signedHeatFlow(const ConvectionState& state) {
    return state.tBody >= state.tFluid ? state.heatFlow : -state.heatFlow;
}

DesignSolution solveSteadyState(const ConvectionState& inputs, const EvaluationInputs& evaluation,
                                DesignUnknown unknown, double heatFlow) {
    return Solver(inputs, evaluation, unknown, heatFlow).solve();
}

const char* designUnknownName(DesignUnknown unknown) {
    switch (unknown) {
    case DesignUnknown::BodyTemperature:
        return "teplota telesa";
    case DesignUnknown::FluidTemperature:
        return "teplota tekutiny";
    case DesignUnknown::Area:
        return "plocha povrchu";
    case DesignUnknown::CharLength:
        return "charakteristický rozmer";
    }
    return "";
}

} // namespace zav

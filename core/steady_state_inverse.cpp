// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/steady_state_inverse.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "core/number_format.h"
#include "core/nusselt.h"
#include "core/steady_state.h"

namespace zav {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kAbsoluteZero = -273.15;
// The span searched on each side of the other temperature for a user-defined fluid whose model
// names no temperature range of its own (constant properties).
constexpr double kUserFluidSpan = 5000;
// The temperature grid: the difference from the other temperature from kGridLow of the searched
// span in kGeometricPoints equal ratios up to a tenth of it, then kLinearPoints equal steps.
constexpr double kGridLow = 1e-7;
constexpr int kGeometricPoints = 8;
constexpr int kLinearPoints = 8;
// The characteristic dimensions searched (m), in kLengthPoints equal ratios.
constexpr double kLengthLow = 1e-5;
constexpr double kLengthHigh = 1e3;
constexpr int kLengthPoints = 15;
// A root is refined until the unknown is known to this relative precision.
constexpr double kRelativeTolerance = 1e-12;
constexpr int kMaxRefinements = 200;
// The edge of the valid steady states next to a valid point is found to the resolution of the
// unknown, in at most this many steps.
constexpr int kMaxEdgeSteps = 120;
// Regula falsi halves the step once an end has stayed this many times in a row.
constexpr int kMaxStays = 6;
// Where the heat flow turns, its extremum is found to this relative precision of the unknown's
// scale (the heat flow there to about its square).
constexpr double kExtremumTolerance = 1e-9;
// Heat flows closer than this (relative) do not make a turn.
constexpr double kSignificant = 1e-10;
// A converged bracket whose ends' heat flows differ by more than this (relative), beyond what the
// slope across the bracket explains, sits on a jump of the heat flow.
constexpr double kJumpTolerance = 1e-6;
// A root's heat flow is within this of the target (relative) where the axis resolves it.
constexpr double kRootMiss = 1e-10;
// A solution is given only where its heat flow meets the target to this (relative).
constexpr double kSolvedMiss = 1e-6;
// The search adds points step by step (edges, turns, roots) until no step adds one; these bound it.
constexpr int kMaxSteps = 400;
constexpr int kMaxEvaluations = 4000;

// The steady state at one value of the unknown, as the search sees it. `u` is the value on the
// search's axis.
struct Point {
    double x = kNaN;
    double u = kNaN;
    bool valid = false;
    double heatFlow = kNaN; // signed
    bool extremum = false;  // a turn here has been looked into
    bool endProbed = false; // the end of a piece whose heat flow may turn back before it
    ValidityMargin margin{kNaN, kNaN}; // how far inside the ranges checked
    double branch = kNaN;   // which form of the correlation (formulaSwitchMargin)
};

// The steady state at a point in full, with what it reports.
struct Report {
    bool valid = false;
    ConvectionState state;
    std::string message;               // the first of `messages`
    std::string status;                // the status text (empty on success)
    std::vector<std::string> messages; // the fluid's warnings, then a failed check's message
};

// A solution found between two points of the search.
struct Root {
    Point point;
    bool flat = false; // the heat flow hardly depends on the unknown here
};

// A number in a message: to thousandths, or to six significant digits below a thousandth.
std::string number(double value) {
    if (std::fabs(value) >= 1e-3 || value == 0 || !std::isfinite(value))
        return formatGeneral(std::fabs(value) >= 1e-3 ? std::round(value * 1000) / 1000 : value);
    return formatSignificant(value, 6);
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

// The temperature range in which the user-defined fluid's model holds (its mean temperature and
// the fluid temperature are checked against it), or nothing for a model without one.
std::optional<std::pair<double, double>> userFluidRange(const UserFluidModel& model) {
    if (model.kind == ApproximationKind::Constant)
        return std::nullopt;
    if (!(std::isfinite(model.validTempMin) && std::isfinite(model.validTempMax) &&
          model.validTempMin < model.validTempMax))
        return std::nullopt;
    return std::make_pair(model.validTempMin, model.validTempMax);
}

class Solver {
public:
    Solver(const ConvectionState& inputs, const EvaluationInputs& evaluation, DesignUnknown unknown, double target)
        : m_inputs(inputs), m_evaluation(evaluation), m_unknown(unknown), m_target(target) {}

    DesignSolution solve() {
        if (!std::isfinite(m_target))
            return refuse(std::string("Tepelný tok nie je konečné číslo."), std::string(), kNaN);
        if (m_unknown != DesignUnknown::Area && !(m_inputs.area > 0 && std::isfinite(m_inputs.area)))
            return refuse("Plocha povrchu " + formatGeneral(m_inputs.area) +
                              " m² neprenáša tepelný tok: tepelný tok " + number(m_target) +
                              " W nedá žiadna hodnota veličiny " + designUnknownName(m_unknown) + ".",
                          std::string(), kNaN);
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
    bool temperature() const {
        return m_unknown == DesignUnknown::BodyTemperature || m_unknown == DesignUnknown::FluidTemperature;
    }

    // The other temperature: the one the temperature found is measured from.
    double other() const { return m_unknown == DesignUnknown::BodyTemperature ? m_inputs.tFluid : m_inputs.tBody; }

    // The search's axis: the unknown itself, a temperature signed so that the axis runs away
    // from the other temperature (m_sign -1 downward). Every value of the unknown has its own
    // value on the axis.
    double xOf(double u) const { return temperature() ? m_sign * u : u; }
    double uOf(double x) const { return temperature() ? m_sign * x : x; }

    // What relative precisions of the unknown are taken of: the temperature difference, or the
    // dimension itself.
    double axisScale(double u) const { return temperature() ? std::fabs(xOf(u) - other()) : std::fabs(u); }

    // How far a value lies from the one a solution is chosen nearest to: the other temperature,
    // or the dimension typed (in ratio).
    double distance(double x) const {
        return temperature() ? std::fabs(x - other()) : std::fabs(std::log(x) - std::log(m_typedLength));
    }

    // The finest step of the axis that still changes the unknown.
    double resolution(double u) const { return 4 * kEpsilon * std::max(std::fabs(u), 1e-300); }

    Point at(double x) {
        Point point;
        point.x = x;
        point.u = uOf(x);
        ConvectionState state = m_inputs;
        value(state) = x;
        point.valid = calculateSteadyState(state, m_evaluation).ok;
        ++m_evaluations;
        if (point.valid)
            point.heatFlow = signedHeatFlow(state);
        point.margin = validityMargin(state, m_evaluation);
        if (point.valid)
            point.branch = formulaSwitchMargin(state, m_evaluation);
        return point;
    }

    // The steady state of a point that is reported: the solution, or where it fails.
    Report report(const Point& point) {
        Report report;
        report.state = m_inputs;
        value(report.state) = point.x;
        const SteadyOutcome outcome = calculateSteadyState(report.state, m_evaluation);
        ++m_evaluations;
        report.valid = outcome.ok;
        report.messages = outcome.warnings;
        if (!outcome.ok)
            report.messages.push_back(outcome.message);
        if (!report.messages.empty())
            report.message = report.messages.front();
        report.status = outcome.statusText;
        return report;
    }

    Point atAxis(double u) { return at(xOf(u)); }

    // Halfway between two points.
    Point middleOf(const Point& a, const Point& b) { return at(0.5 * (a.x + b.x)); }

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

    DesignSolution solved(const Point& point) { return solved(point.x, report(point)); }

    DesignSolution solved(double x, const Report& report) {
        DesignSolution solution;
        solution.solved = true;
        solution.value = x;
        solution.state = report.state;
        solution.warnings = m_warnings;
        for (const std::string& message : report.messages)
            solution.warnings.push_back(message);
        solution.evaluations = m_evaluations;
        return solution;
    }

    DesignSolution refuse(const std::string& message, const std::string& status, double reachable,
                          double where = kNaN) {
        DesignSolution solution;
        solution.message = message;
        solution.statusText = status.empty() ? message : status;
        solution.reachableHeatFlow = reachable;
        solution.reachableValue = where;
        solution.evaluations = m_evaluations;
        return solution;
    }

    // A failed steady state's own message, and that no value of the unknown gives a valid one.
    DesignSolution refuseEverywhere(const Point& point) {
        const Report failed = report(point);
        std::string message = failed.valid || failed.message.empty() ? notReached() : failed.message;
        message += "\nTepelný tok " + number(m_target) + " W sa nedá dosiahnuť: žiadna hodnota veličiny " +
                   designUnknownName(m_unknown) + " nedáva platný výsledok.";
        return refuse(message, failed.valid ? std::string() : failed.status, kNaN);
    }

    // The target is not reached anywhere in the span searched.
    std::string notReached() const {
        if (m_unknown == DesignUnknown::CharLength)
            return "Tepelný tok " + number(m_target) +
                   " W sa v rozsahu charakteristického rozmeru 0,00001 až 1000 m nedosiahne.";
        return "Tepelný tok " + number(m_target) + " W sa v rozsahu platnosti modelu tekutiny nedosiahne.";
    }

    // The target heat flow's direction: +1 when the body is warmer than the fluid.
    int direction() const { return m_target > 0 ? 1 : -1; }

    // ---- The temperature ------------------------------------------------------------------

    // The temperatures the unknown may take: where the fluid model holds, never below absolute zero.
    std::pair<double, double> temperatureRange(double other) const {
        const bool fluid = m_unknown == DesignUnknown::FluidTemperature;
        double low = other - kUserFluidSpan;
        double high = other + kUserFluidSpan;
        const auto meanWithin = [&](double meanLow, double meanHigh) {
            low = 2 * meanLow - other;
            high = 2 * meanHigh - other;
        };
        if (m_evaluation.fluidKind() == FluidKind::UserDefined) {
            if (const auto range = userFluidRange(m_evaluation.userFluidModel())) {
                meanWithin(range->first, range->second);
                if (fluid) {
                    low = std::max(low, range->first);
                    high = std::min(high, range->second);
                }
            }
        } else {
            const FluidTemperatureRange range =
                fluidTemperatureRange(m_evaluation.fluidKind(), m_evaluation.propertyModel());
            if (range.meanMessage != nullptr)
                meanWithin(range.meanLow, range.meanHigh);
            if (fluid) {
                low = std::max(low, range.fluidLow);
                high = std::min(high, range.fluidHigh);
            }
        }
        return {std::max(low, kAbsoluteZero), high};
    }

    DesignSolution solveTemperature() {
        const bool body = m_unknown == DesignUnknown::BodyTemperature;
        const double from = other();
        if (m_target == 0) {
            // No heat flows exactly when the temperatures are equal, whether or not a correlation
            // holds there (it says so in a warning).
            Point point;
            point.x = from;
            Report equal = report(point);
            if (!equal.valid) {
                std::string why; // the check's message on one line
                for (const char c : equal.message) {
                    if (c == ' ' || c == '\n') {
                        if (!why.empty() && why.back() != ' ')
                            why += ' ';
                    } else {
                        why += c;
                    }
                }
                while (!why.empty() && why.back() == ' ')
                    why.pop_back();
                m_warnings.push_back(std::string("Tepelný tok 0 W: teplota ") + (body ? "telesa sa rovná teplote tekutiny" : "tekutiny sa rovná teplote telesa") +
                                     " (" + formatSignificant(from, 15, ',') +
                                     " °C), pri ktorej nevzniká voľná konvekcia a súčiniteľ prestupu tepla je 0; výpočet tam hlási: " + why);
                equal.messages.clear();
                equal.state.tBody = equal.state.tFluid = from;
                equal.state.heatFlow = 0;
            }
            return solved(from, equal);
        }
        // Upward for a warmer body (or a colder fluid), downward otherwise.
        m_sign = (body ? 1.0 : -1.0) * direction();
        const auto [low, high] = temperatureRange(from);
        const double near = std::max(0.0, m_sign > 0 ? low - from : from - high);
        const double far = m_sign > 0 ? high - from : from - low;
        if (!(far > near))
            return refuseEverywhere(at(from + m_sign * std::max(near, 1.0)));
        m_spanLow = uOf(from + m_sign * near);
        m_spanHigh = uOf(from + m_sign * far);
        // From the near end (the other temperature, where no heat flows) in equal ratios up to a
        // tenth of the span, then in equal steps, so that a heat flow that falls and rises again
        // far from the other temperature is seen as well.
        const double width = far - near;
        std::vector<double> grid{from + m_sign * near};
        const double ratio = std::pow(kGridLow / 0.1, 1.0 / (kGeometricPoints - 1));
        for (int k = kGeometricPoints - 1; k >= 1; --k)
            grid.push_back(from + m_sign * (near + 0.1 * width * std::pow(ratio, k)));
        for (int k = 1; k <= kLinearPoints; ++k)
            grid.push_back(from + m_sign * (near + width * k / kLinearPoints));
        return search(grid);
    }

    // ---- The dimension ------------------------------------------------------------------

    DesignSolution solveLength() {
        if (const std::optional<DesignSolution> refused = refuseDirection(" žiadny charakteristický rozmer"))
            return *refused;
        m_spanLow = kLengthLow;
        m_spanHigh = kLengthHigh;
        std::vector<double> grid;
        for (int k = 0; k < kLengthPoints; ++k)
            grid.push_back(kLengthLow * std::pow(kLengthHigh / kLengthLow, double(k) / (kLengthPoints - 1)));
        // Of several dimensions, the one nearest to the dimension typed.
        if (m_inputs.charLength > 0 && std::isfinite(m_inputs.charLength))
            m_typedLength = m_inputs.charLength;
        return search(grid);
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

    // ---- The area -----------------------------------------------------------------------

    // The heat flow is affine in the area (the vertical cylinder's correction adds a part that
    // does not scale with it): secant steps from the area typed converge at once.
    DesignSolution solveArea() {
        if (const std::optional<DesignSolution> refused = refuseDirection(" žiadna plocha"))
            return *refused;
        double area = m_inputs.area > 0 && std::isfinite(m_inputs.area) ? m_inputs.area : 1.0;
        Point previous = at(area);
        if (!previous.valid)
            return refuseEverywhere(previous);
        Point current = at(area * m_target / previous.heatFlow);
        for (int step = 0; step < kMaxRefinements; ++step) {
            if (!current.valid || !(current.x > 0))
                break;
            const double slope = (current.heatFlow - previous.heatFlow) / (current.x - previous.x);
            if (current.heatFlow == m_target || !(slope != 0) || !std::isfinite(slope))
                return std::fabs(miss(current)) <= kSolvedMiss * std::fabs(m_target) ? solved(current) : unmet(current);
            const double next = current.x + (m_target - current.heatFlow) / slope;
            if (std::fabs(next - current.x) <= kRelativeTolerance * std::fabs(current.x)) {
                const Point last = next > 0 ? at(next) : current;
                if (!last.valid)
                    return refuseEverywhere(last);
                return std::fabs(miss(last)) <= kSolvedMiss * std::fabs(m_target) ? solved(last) : unmet(last);
            }
            if (!(next > 0)) {
                // Even the smallest area carries more than the target: the part of the heat flow
                // that does not scale with the area.
                const double least = current.heatFlow - slope * current.x;
                const std::string message = "Tepelný tok " + number(m_target) +
                                            " W je menší, než prenesie ľubovoľne malá plocha povrchu.";
                if (!std::isfinite(least))
                    return refuse(message, message, kNaN);
                return refuse(message + "\nNajmenší dosiahnuteľný tepelný tok je " + number(least) + " W (" +
                                  designUnknownName(m_unknown) + " " + withUnit(m_unknown, 0) + ").",
                              message, least, 0.0);
            }
            previous = current;
            current = at(next);
        }
        return refuseEverywhere(current);
    }

    // An area whose heat flow misses the target by more than kSolvedMiss, the nearest there is
    // (the area's last digit passes over the target).
    DesignSolution unmet(const Point& nearest) {
        const std::string message = "Tepelný tok " + number(m_target) + " W sa nedá dosiahnuť s presnosťou 10^-6.";
        return refuse(message + "\nNajbližší dosiahnuteľný tepelný tok je " + number(nearest.heatFlow) + " W (" +
                          designUnknownName(m_unknown) + " " + withUnit(m_unknown, nearest.x) + ").",
                      message, nearest.heatFlow, nearest.x);
    }

    // ---- The search on the axis ---------------------------------------------------------

    // The points evaluated, in the order of the axis; every valid run of them between invalid
    // ones (and jumps) is a piece on which the heat flow is continuous.
    bool insert(Point point) {
        const auto at = std::lower_bound(m_points.begin(), m_points.end(), point.u,
                                         [](const Point& p, double u) { return p.u < u; });
        if (at != m_points.end() && at->u == point.u)
            return false;
        m_points.insert(at, std::move(point));
        return true;
    }

    bool jumpBetween(const Point& a, const Point& b) const {
        for (const Jump& jump : m_jumps) {
            if (a.u <= jump.left && jump.right <= b.u)
                return true;
        }
        return false;
    }

    bool rootBetween(const Point& a, const Point& b) const {
        for (const Root& root : m_roots) {
            if (a.u <= root.point.u && root.point.u <= b.u)
                return true;
        }
        return false;
    }

    // Neighbours on one continuous piece of the heat flow.
    bool joined(std::size_t i, std::size_t j) const {
        const Point& a = m_points[std::min(i, j)];
        const Point& b = m_points[std::max(i, j)];
        return a.valid && b.valid && !jumpBetween(a, b);
    }

    double miss(const Point& p) const { return p.heatFlow - m_target; }

    // The search from the values of the unknown in `grid`.
    DesignSolution search(const std::vector<double>& grid) {
        for (double x : grid)
            insert(at(x));
        // One step at a time, each adding what it finds, until none finds more: the edges of the
        // valid steady states, the turns of the heat flow, the roots. The edge next to the other
        // temperature comes last, and only while nothing carries the target: the heat flow rises
        // from there without a turn (the first grid point lies a ten-millionth of the span away),
        // so only a target below every heat flow found can lie there.
        for (int step = 0; step < kMaxSteps && m_evaluations < kMaxEvaluations; ++step) {
            if (!(findBoundary(false) || refineTurn() || refineBracket() || (m_roots.empty() && findBoundary(true))))
                break;
        }
        if (m_roots.empty())
            return refuseNearest();
        // Of several solutions, the one nearest to the other temperature or the dimension typed.
        std::stable_sort(m_roots.begin(), m_roots.end(), [&](const Root& a, const Root& b) {
            return distance(a.point.x) < distance(b.point.x);
        });
        const Root& chosen = m_roots.front();
        if (chosen.flat) {
            m_warnings.push_back(std::string("Tepelný tok tu takmer nezávisí od veličiny ") +
                                 designUnknownName(m_unknown) +
                                 ": rovnaký tok dáva celý rozsah hodnôt a uvedená hodnota je len jedna z nich.");
        } else if (m_roots.size() > 1) {
            m_warnings.insert(m_warnings.begin(), std::string("Tepelný tok nie je monotónny v neznámej (") +
                                                      designUnknownName(m_unknown) +
                                                      "); z viacerých riešení je uvedené to najbližšie k zadanej "
                                                      "hodnote.");
        }
        DesignSolution solution = solved(chosen.point);
        if (chosen.flat)
            std::rotate(solution.warnings.begin(), solution.warnings.begin() + 1, solution.warnings.end());
        return solution;
    }

    // Between each valid point and an invalid neighbour lies an edge of the valid steady states,
    // and between two valid points whose correlation takes different forms, the change of form
    // (where the heat flow may jump): the points on both sides of it join the search.
    bool findBoundary(bool nearEnd) {
        for (std::size_t i = 0; i + 1 < m_points.size(); ++i) {
            const Point& a = m_points[i];
            const Point& b = m_points[i + 1];
            if (nearEnd != (temperature() && a.valid != b.valid && (a.u == m_spanLow || b.u == m_spanLow)))
                continue;
            Boundary kind;
            if (a.valid != b.valid)
                kind = Boundary::Validity;
            else if (a.valid && std::isfinite(a.branch) && std::isfinite(b.branch) &&
                     (a.branch >= 0) != (b.branch >= 0) && !jumpBetween(a, b))
                kind = Boundary::Formula;
            else
                continue;
            if (std::find(m_boundaries.begin(), m_boundaries.end(), std::make_pair(a.u, b.u)) != m_boundaries.end())
                continue;
            m_boundaries.emplace_back(a.u, b.u);
            if (kind == Boundary::Validity)
                kind = (a.valid ? b : a).margin.temperature < 0 ? Boundary::Temperature : Boundary::Correlation;
            const bool aInside = inside(a, kind);
            std::vector<Point> found = boundary(aInside ? a : b, aInside ? b : a, kind);
            if (kind == Boundary::Formula && found.size() == 2 && found[0].valid && found[1].valid) {
                const Point& low = found[0].u < found[1].u ? found[0] : found[1];
                const Point& high = found[0].u < found[1].u ? found[1] : found[0];
                m_boundaries.emplace_back(low.u, high.u);
                if (std::fabs(low.heatFlow - high.heatFlow) >
                    kJumpTolerance * std::max(std::fabs(low.heatFlow), std::fabs(high.heatFlow)))
                    m_jumps.push_back({low.u, high.u});
            } else if (found.size() == 2) {
                m_boundaries.emplace_back(std::min(found[0].u, found[1].u), std::max(found[0].u, found[1].u));
            }
            bool added = false;
            for (Point& p : found)
                added = insert(std::move(p)) || added;
            if (added)
                return true;
        }
        return false;
    }

    // An edge of the valid states where a temperature leaves its range or the correlation its
    // own (Validity until told which), or a change of the correlation's form.
    enum class Boundary { Validity, Temperature, Correlation, Formula };

    static bool inside(const Point& p, Boundary kind) { return kind == Boundary::Formula ? p.valid && p.branch >= 0 : p.valid; }
    static double marginOf(const Point& p, Boundary kind) {
        switch (kind) {
        case Boundary::Temperature:
            return p.margin.temperature;
        case Boundary::Correlation:
            return p.margin.correlation;
        case Boundary::Formula:
            return p.branch;
        case Boundary::Validity:
            break;
        }
        return kNaN;
    }

    // The part of the validity margin that tells whether three neighbours lie outside: the
    // temperatures' where the middle one fails them, else the correlation's.
    static double outsideMargin(const Point& p, const Point& middle) {
        return middle.margin.temperature < 0 ? p.margin.temperature : p.margin.correlation;
    }

    // The boundary between a point inside and one outside, to the resolution of the unknown: the
    // root of the margin (the steady state's validity margin, or the correlation's distance from
    // its change of form) by regula falsi (Illinois), or halving where the margin does not tell
    // the side (a result that is not a finite number). The last points on both sides, and an
    // invalid point met on the way to a change of form.
    std::vector<Point> boundary(Point in, Point out, Boundary kind) {
        bool margins = std::isfinite(marginOf(in, kind)) && std::isfinite(marginOf(out, kind)) &&
                       marginOf(in, kind) >= 0 && marginOf(out, kind) < 0;
        double mIn = marginOf(in, kind);
        double mOut = marginOf(out, kind);
        int kept = 0;  // the end that stayed in the last step: +1 the inside one, -1 the outside one
        int staid = 0; // steps in a row that it stayed
        double gallop = 1; // steps of the unknown's last digit from an inside end on the margin's zero
        if (temperature() && out.x == other() && kind != Boundary::Formula) {
            // Nothing flows at the other temperature: a correlation that holds for every
            // difference holds from the next value on.
            Point next = at(std::nextafter(out.x, in.x));
            if (next.valid)
                return {std::move(next), std::move(out)};
            out = std::move(next);
            mOut = marginOf(out, kind);
            margins = margins && std::isfinite(mOut) && mOut < 0;
        }
        for (int step = 0; step < kMaxEdgeSteps; ++step) {
            std::optional<double> u;
            if (margins && mIn == 0 && gallop > 0) {
                // The inside end sits on the margin's zero (to its rounding): the edge is near,
                // so the steps from it double until one is outside.
                const double x = in.x + gallop * (std::nextafter(in.x, out.x) - in.x);
                gallop *= 2;
                if (std::min(in.x, out.x) < x && x < std::max(in.x, out.x))
                    u = uOf(x);
                else
                    gallop = 0;
            } else if (margins && staid < kMaxStays) {
                // Interpolated in the logarithm of the distance from where no heat flows (the
                // other temperature, or no dimension), in which the correlations' margins are
                // nearly straight.
                const double from = temperature() ? other() : 0.0;
                const double dIn = std::fabs(in.x - from);
                const double dOut = std::fabs(out.x - from);
                const double share = mIn / (mIn - mOut);
                double x = in.x + (out.x - in.x) * share;
                if (dIn > 0 && dOut > 0)
                    x = from + std::copysign(dIn * std::pow(dOut / dIn, share), in.x - from);
                else if (dIn > 0 && kind == Boundary::Correlation)
                    // From where no heat flows, the Rayleigh number grows as the distance: its
                    // margin's logarithm falls to 0 at dIn·e^-margin.
                    x = from + std::copysign(dIn * std::exp(-mIn), in.x - from);
                // Onto an end (the edge lies next to it, to the rounding of the interpolation):
                // the next value from that end; outside the bracket, the step halves.
                if (x == in.x || x == out.x)
                    x = std::nextafter(x, x == in.x ? out.x : in.x);
                if (std::min(in.x, out.x) < x && x < std::max(in.x, out.x))
                    u = uOf(x);
            }
            if (!u)
                staid = 0;
            Point trial = u ? atAxis(*u) : middleOf(in, out);
            if (trial.x == in.x || trial.x == out.x)
                break;
            if (kind == Boundary::Formula && !trial.valid)
                return {std::move(in), std::move(out), std::move(trial)};
            const double m = marginOf(trial, kind);
            if (!(inside(trial, kind) == (m >= 0)) || !std::isfinite(m))
                margins = false;
            // Illinois: an end that stays twice in a row counts half its margin.
            const int stays = inside(trial, kind) ? -1 : 1;
            staid = stays == kept ? staid + 1 : 0;
            if (stays == kept) {
                if (kept < 0)
                    mOut *= 0.5;
                else
                    mIn *= 0.5;
            }
            kept = stays;
            if (stays < 0) {
                // An inside end that reaches the margin's zero gallops from there.
                if (m == 0 && mIn != 0)
                    gallop = 1;
                in = std::move(trial);
                mIn = m;
            } else {
                out = std::move(trial);
                mOut = m;
                if (mIn == 0)
                    gallop = 0; // outside found: halving from here
            }
        }
        return {std::move(in), std::move(out)};
    }

    // Where the heat flow turns between three neighbours and the extremum may pass the target,
    // the extremum is found; once a point passes the target, two roots are bracketed and the
    // search there ends. Where the validity margin of three invalid neighbours turns, an island
    // of valid steady states may lie between them: a valid point found there joins the search.
    // At the end of a piece, a heat flow that turns back just before it is seen by one more
    // point.
    bool refineTurn() {
        for (std::size_t i = 1; i + 1 < m_points.size(); ++i) {
            const Point& p = m_points[i];
            if (p.extremum)
                continue;
            const Point& before = m_points[i - 1];
            const Point& after = m_points[i + 1];
            if (joined(i - 1, i) && joined(i, i + 1)) {
                const double turn = turnAt(before.heatFlow, p.heatFlow, after.heatFlow);
                if (turn == 0 || turn * (m_target - p.heatFlow) <= 0)
                    continue;
                m_points[i].extremum = true;
                insert(heatFlowExtremum(before.u, m_points[i], after.u, turn));
                return true;
            }
            const double marginBefore = outsideMargin(before, p);
            const double marginAfter = outsideMargin(after, p);
            if (!before.valid && !p.valid && !after.valid && std::isfinite(marginBefore) &&
                std::isfinite(marginAfter) && turnAt(marginBefore, outsideMargin(p, p), marginAfter) > 0) {
                m_points[i].extremum = true;
                const Point middle = m_points[i];
                Point found = extremum(
                    before.u, m_points[i], after.u,
                    [middle](const Point& q) {
                        const double m = outsideMargin(q, middle);
                        return q.valid ? kInfinity : std::isnan(m) ? -kInfinity : m;
                    },
                    [](const Point& q) { return q.valid; });
                found.extremum = !found.valid;
                insert(std::move(found));
                return true;
            }
        }
        for (std::size_t i = 0; i < m_points.size(); ++i) {
            if (m_points[i].endProbed || !m_points[i].valid)
                continue;
            // A piece's end: a valid point whose neighbour on one side is on the same piece and
            // on the other is not.
            const bool left = i > 0 && joined(i - 1, i);
            const bool right = i + 1 < m_points.size() && joined(i, i + 1);
            if (left == right)
                continue;
            const Point& p = m_points[i];
            const Point& inner = m_points[left ? i - 1 : i + 1];
            const double turn = m_target > std::max(p.heatFlow, inner.heatFlow)   ? 1
                                : m_target < std::min(p.heatFlow, inner.heatFlow) ? -1
                                                                                  : 0;
            if (turn == 0)
                continue;
            // A point just inside the end: where the heat flow turns back before the end, it
            // makes a turn with the end and the inner neighbour.
            m_points[i].endProbed = true;
            insert(atAxis(p.u + 1e-4 * (inner.u - p.u)));
            return true;
        }
        return false;
    }

    // +1 where the middle value is above both neighbours, -1 below both, else 0.
    static double turnAt(double before, double middle, double after) {
        const double noise = kSignificant * std::fabs(middle);
        if (middle - before > noise && middle - after > noise)
            return 1;
        if (before - middle > noise && after - middle > noise)
            return -1;
        return 0;
    }

    // The heat flow's maximum (turn +1) or minimum (-1) on [low, high], or the first point that
    // passes the target.
    Point heatFlowExtremum(double low, Point start, double high, double turn) {
        Point found = extremum(
            low, std::move(start), high, [turn](const Point& q) { return q.valid ? turn * q.heatFlow : -kInfinity; },
            [&](const Point& q) { return q.valid && turn * (q.heatFlow - m_target) >= 0; });
        found.extremum = true;
        return found;
    }

    // Brent's minimisation of -value on [low, high] from `start`, until the maximum is known to
    // kExtremumTolerance or a point is `enough`.
    template <class Value, class Enough>
    Point extremum(double low, Point start, double high, Value value, Enough enough) {
        const double golden = 0.5 * (3 - std::sqrt(5.0));
        const auto g = [&](const Point& p) { return -value(p); };
        const double tolerance = std::max(kExtremumTolerance * axisScale(start.u), resolution(start.u));
        Point best = std::move(start);
        double a = low;
        double b = high;
        double v = best.u;
        double w = best.u;
        double fx = g(best);
        double fv = fx;
        double fw = fx;
        double d = 0;
        double e = 0;
        for (int step = 0; step < kMaxRefinements; ++step) {
            const double middle = 0.5 * (a + b);
            const double tol = tolerance + kEpsilon * std::fabs(best.u);
            const double tol2 = 2 * tol;
            if (std::fabs(best.u - middle) <= tol2 - 0.5 * (b - a))
                break;
            double p = 0;
            double q = 0;
            double r = 0;
            if (std::fabs(e) > tol) {
                r = (best.u - w) * (fx - fv);
                q = (best.u - v) * (fx - fw);
                p = (best.u - v) * q - (best.u - w) * r;
                q = 2 * (q - r);
                if (q > 0)
                    p = -p;
                else
                    q = -q;
                r = e;
                e = d;
            }
            if (std::fabs(p) < std::fabs(0.5 * q * r) && p > q * (a - best.u) && p < q * (b - best.u)) {
                d = p / q;
                const double u = best.u + d;
                if (u - a < tol2 || b - u < tol2)
                    d = best.u < middle ? tol : -tol;
            } else {
                e = (best.u < middle ? b : a) - best.u;
                d = golden * e;
            }
            const double u = best.u + (std::fabs(d) >= tol ? d : (d > 0 ? tol : -tol));
            Point trial = atAxis(u);
            if (trial.u <= a || trial.u >= b || trial.u == best.u)
                break; // the axis cannot be resolved further
            if (enough(trial))
                return trial;
            const double fu = g(trial);
            if (fu <= fx) {
                if (trial.u < best.u)
                    b = best.u;
                else
                    a = best.u;
                v = w;
                fv = fw;
                w = best.u;
                fw = fx;
                best = std::move(trial);
                fx = fu;
            } else {
                if (trial.u < best.u)
                    a = trial.u;
                else
                    b = trial.u;
                if (fu <= fw || w == best.u) {
                    v = w;
                    fv = fw;
                    w = trial.u;
                    fw = fu;
                } else if (fu <= fv || v == best.u || v == w) {
                    v = trial.u;
                    fv = fu;
                }
            }
        }
        return best;
    }

    // Every pair of valid neighbours between which the heat flow passes the target, and that no
    // root or jump found so far explains, is refined.
    bool refineBracket() {
        for (std::size_t i = 0; i + 1 < m_points.size(); ++i) {
            const Point& a = m_points[i];
            const Point& b = m_points[i + 1];
            if (!joined(i, i + 1) || miss(a) * miss(b) > 0 || rootBetween(a, b))
                continue;
            refine(a, b);
            return true;
        }
        return false;
    }

    // The heat flow hardly changes between two points: the unknown is not determined by it (a
    // turbulent correlation in which the dimension cancels).
    bool isFlat(const Point& a, const Point& b) const {
        if (m_unknown != DesignUnknown::CharLength || !(a.heatFlow != 0) || !(b.heatFlow != 0))
            return false;
        return std::fabs(std::log(b.heatFlow / a.heatFlow)) < 1e-6 * std::fabs(b.u - a.u);
    }

    // Brent's method between two points whose heat flows lie on both sides of the target: a root,
    // a jump of the heat flow (both sides join the points), or an invalid point inside.
    void refine(Point a, Point b) {
        const bool flat = isFlat(a, b);
        if (miss(a) == 0 || miss(b) == 0) {
            m_roots.push_back({miss(a) == 0 ? a : b, flat});
            return;
        }
        double fa = miss(a);
        double fb = miss(b);
        Point c = a;
        double fc = fa;
        double d = b.u - a.u;
        double e = d;
        for (int step = 0; step < kMaxRefinements; ++step) {
            if ((fb > 0) == (fc > 0)) {
                c = a;
                fc = fa;
                d = e = b.u - a.u;
            }
            if (std::fabs(fc) < std::fabs(fb)) {
                a = b;
                b = c;
                c = a;
                fa = fb;
                fb = fc;
                fc = fa;
            }
            const double tolerance = std::max(2 * kEpsilon * std::fabs(b.u) + 0.5 * kRelativeTolerance * axisScale(b.u),
                                              0.5 * resolution(b.u));
            const double middle = 0.5 * (c.u - b.u);
            if (std::fabs(middle) <= tolerance || fb == 0 || b.x == c.x) {
                finishBracket(b, c, flat);
                return;
            }
            if (std::fabs(e) >= tolerance && std::fabs(fa) > std::fabs(fb)) {
                // Inverse quadratic interpolation, or the secant when only two points differ.
                double p;
                double q;
                const double s = fb / fa;
                if (a.u == c.u) {
                    p = 2 * middle * s;
                    q = 1 - s;
                } else {
                    const double qa = fa / fc;
                    const double r = fb / fc;
                    p = s * (2 * middle * qa * (qa - r) - (b.u - a.u) * (r - 1));
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
            const double next = std::fabs(d) > tolerance ? b.u + d : b.u + (middle > 0 ? tolerance : -tolerance);
            Point trial = atAxis(next);
            if (!trial.valid || trial.x == b.x) {
                if (!trial.valid) {
                    insert(std::move(trial)); // an invalid island: its edges are searched next
                    return;
                }
                finishBracket(b, c, flat);
                return;
            }
            b = std::move(trial);
            fb = miss(b);
        }
        finishBracket(b, c, flat);
    }

    // The converged bracket: a root where the heat flows of its ends differ no more than its width
    // explains, else a jump of the heat flow where a correlation changes its form. A steep heat
    // flow (next to an edge of the valid states) is told from a jump by halving the bracket to
    // the resolution of the unknown: only a jump keeps its difference there.
    void finishBracket(Point best, Point other, bool flat) {
        const auto jumps = [&] {
            const double difference = std::fabs(best.heatFlow - other.heatFlow);
            const double size = std::max(std::fabs(best.heatFlow), std::fabs(other.heatFlow));
            const double width = std::fabs(best.u - other.u) / std::max(axisScale(best.u), axisScale(other.u));
            // No heat flows at no driving force (equal temperatures, or no expansion): the heat
            // flow is continuous where it is 0, however steeply it leaves it.
            return miss(best) != 0 && miss(other) != 0 && best.heatFlow != 0 && other.heatFlow != 0 &&
                   difference > (kJumpTolerance + 100 * width) * size;
        };
        // A root is halved on to the resolution where the heat flow is too steep for Brent's
        // tolerance to give it to 1e-10.
        const auto unresolved = [&] {
            return jumps() ||
                   std::min(std::fabs(miss(best)), std::fabs(miss(other))) > kRootMiss * std::fabs(m_target);
        };
        for (int step = 0; step < kMaxEdgeSteps && unresolved(); ++step) {
            Point middle = middleOf(best, other);
            if (middle.x == best.x || middle.x == other.x)
                break;
            if (!middle.valid) {
                insert(std::move(middle)); // an invalid island: its edges are searched next
                return;
            }
            if (miss(middle) * miss(best) > 0)
                best = std::move(middle);
            else
                other = std::move(middle);
        }
        // Of the two ends, the one whose heat flow is nearer to the target: a solution when it
        // meets the target to kSolvedMiss; else no value of the unknown carries the target (two
        // neighbouring values pass over it), and both ends join the search like a jump's.
        const Point& nearer = std::fabs(miss(other)) < std::fabs(miss(best)) ? other : best;
        if (std::fabs(miss(nearer)) <= kSolvedMiss * std::fabs(m_target)) {
            m_roots.push_back({nearer, flat});
            return;
        }
        m_jumps.push_back({std::min(best.u, other.u), std::max(best.u, other.u), !jumps()});
        insert(best);
        insert(other);
    }

    // Without a root: the heat flow reachable nearest to the target over every continuous piece,
    // with the message of what fails (or jumps) there.
    DesignSolution refuseNearest() {
        const Point* nearest = nullptr;
        std::size_t index = 0;
        double lowest = std::numeric_limits<double>::infinity();
        double highest = -lowest;
        for (std::size_t i = 0; i < m_points.size(); ++i) {
            const Point& p = m_points[i];
            if (!p.valid || !std::isfinite(p.heatFlow))
                continue;
            lowest = std::min(lowest, direction() * p.heatFlow);
            highest = std::max(highest, direction() * p.heatFlow);
            if (nearest == nullptr || std::fabs(miss(p)) < std::fabs(miss(*nearest))) {
                nearest = &p;
                index = i;
            }
        }
        if (nearest == nullptr) {
            // The failure nearest to where no heat flows (or to the dimension typed).
            return refuseEverywhere(m_points.front());
        }
        const Point reach = *nearest;
        const char* which = direction() * m_target > highest   ? "\nNajväčší"
                            : direction() * m_target < lowest ? "\nNajmenší"
                                                               : "\nNajbližší";
        const std::string reached = std::string(which) + " dosiahnuteľný tepelný tok je " + number(reach.heatFlow) +
                                    " W (" + designUnknownName(m_unknown) + " " + withUnit(m_unknown, reach.x) + ").";
        // A jump of the heat flow across the target.
        for (const Jump& jump : m_jumps) {
            if (reach.u != jump.left && reach.u != jump.right)
                continue;
            const auto atU = [&](double u) {
                return *std::find_if(m_points.begin(), m_points.end(), [u](const Point& p) { return p.u == u; });
            };
            const Point& l = atU(jump.left);
            const Point& r = atU(jump.right);
            if (miss(l) * miss(r) >= 0)
                continue;
            const std::string message =
                jump.resolution
                    ? "Tepelný tok " + number(m_target) + " W sa nedá dosiahnuť s presnosťou 10^-6: dve susedné " +
                          "hodnoty veličiny " + designUnknownName(m_unknown) + " pri " + withUnit(m_unknown, reach.x) +
                          " dávajú " + number(l.heatFlow) + " W a " + number(r.heatFlow) + " W."
                    : "Tepelný tok " + number(m_target) + " W leží v skoku výsledku pri hodnote " +
                          designUnknownName(m_unknown) + " " + withUnit(m_unknown, reach.x) +
                          ", kde sa mení tvar kriteriálnej rovnice; žiadna hodnota ho nedáva presne.";
            return refuse(message + reached, message, reach.heatFlow, reach.x);
        }
        // The steady state that fails next to it, or just beyond the span searched.
        const Point* failed = nullptr;
        if (index > 0 && !m_points[index - 1].valid)
            failed = &m_points[index - 1];
        if (index + 1 < m_points.size() && !m_points[index + 1].valid &&
            (failed == nullptr || m_points[index + 1].u - reach.u < reach.u - failed->u))
            failed = &m_points[index + 1];
        std::optional<Point> beyond;
        if (failed == nullptr && temperature() && (index == 0 || index + 1 == m_points.size())) {
            // A millionth of the span (and a millionth of a kelvin) beyond its end.
            const double step = 1e-6 * (m_spanHigh - m_spanLow) + 1e-6;
            const double end = index == 0 ? m_spanLow - step : m_spanHigh + step;
            if (index != 0 || xOf(m_spanLow) != other()) {
                beyond = atAxis(end);
                if (!beyond->valid)
                    failed = &*beyond;
            }
        }
        const Report failure = failed != nullptr ? report(*failed) : Report{};
        if (failure.message.empty())
            return refuse(notReached() + reached, std::string(), reach.heatFlow, reach.x);
        return refuse(failure.message + reached, failure.status, reach.heatFlow, reach.x);
    }

    const ConvectionState& m_inputs;
    const EvaluationInputs& m_evaluation;
    DesignUnknown m_unknown;
    double m_target;
    int m_evaluations = 0;
    std::vector<std::string> m_warnings;

    double m_sign = 1;                      // the temperature's direction from the other one
    double m_spanLow = 0, m_spanHigh = 0;   // the span searched, on the axis
    double m_typedLength = 0.1;             // the dimension typed (m), or 0,1 m without one
    std::vector<Point> m_points;            // in the order of the axis
    std::vector<Root> m_roots;
    // A jump of the heat flow over the target, or two neighbouring values of the unknown whose heat
    // flows pass over it (`resolution`): its ends on the axis.
    struct Jump {
        double left, right;
        bool resolution = false;
    };
    std::vector<Jump> m_jumps;
    std::vector<std::pair<double, double>> m_boundaries; // neighbours whose boundary is found
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

// SPDX-License-Identifier: GPL-3.0-or-later
// The design calculation against a dense scan written here without it: the heat flow over a fine
// grid of the unknown (every change of validity and every sign change refined by halving to
// adjacent values). A question is solved exactly when the scan finds a root; the value given is
// the root nearest to the other temperature (or to the dimension typed), with a warning exactly
// when there are several; a refusal's reachable heat flow is the scan's value nearest to the
// target.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/steady_state.h"
#include "core/steady_state_inverse.h"
#include "test_support.h"

namespace zav {
namespace {

// A number from the environment, for a longer check than the default run:
// ZAV_DESIGN_QUESTIONS=1500 ZAV_DESIGN_SEED=7 ZAV_DESIGN_SCAN_POINTS=20000.
int setting(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text != nullptr ? std::atoi(text) : fallback;
}

struct Question {
    const char* name;
    FluidKind fluid;
    SurfaceGeometry shape;
    DesignUnknown unknown;
    double heatFlow;
    double tBody = 100, tFluid = 20, length = 0.1, area = 1;
    bool radiation = false;
    PropertyModel properties = PropertyModel::Builtin;
    double angle = 0;
    PlatePosition face = PlatePosition::Upper;
    int userFluid = 0; // 1: constant, water-like; 2: quadratic density whose β falls (to 0 at 100 °C)
};

UserFluidModel userFluid(int which) {
    if (which == 1)
        return test::constantFluid();
    UserFluidModel model;
    model.kind = ApproximationKind::Quadratic;
    model.viscosityCoeffs = {1e-3};
    model.densityCoeffs = {1000, -0.4, 0.002};
    model.conductivityCoeffs = {0.6};
    model.heatCapacityCoeffs = {4180};
    model.validTempMin = 0;
    model.validTempMax = 90;
    return model;
}

test::FakeInputs inputsOf(const Question& q) {
    test::FakeInputs inputs;
    inputs.values.fluid = q.userFluid != 0 ? FluidKind::UserDefined : q.fluid;
    inputs.values.properties = q.properties;
    inputs.values.shape = q.shape;
    inputs.values.angleDeg = q.angle;
    inputs.values.face = q.face;
    inputs.values.radiationOn = q.radiation;
    inputs.values.emissivity = 0.9;
    if (q.userFluid != 0)
        inputs.values.userFluid = userFluid(q.userFluid);
    return inputs;
}

bool isTemperature(DesignUnknown unknown) {
    return unknown == DesignUnknown::BodyTemperature || unknown == DesignUnknown::FluidTemperature;
}

// The scan's view of the question: the heat flow at a value of the unknown.
class Scan {
public:
    explicit Scan(const Question& q) : m_q(q), m_inputs(inputsOf(q)) {}

    struct Sample {
        double x;
        bool valid;
        double heatFlow;
        int piece = 0; // the run of valid samples it belongs to
    };

    Sample at(double x) const {
        ConvectionState s;
        s.tBody = m_q.tBody;
        s.tFluid = m_q.tFluid;
        s.charLength = m_q.length;
        s.area = m_q.area;
        switch (m_q.unknown) {
        case DesignUnknown::BodyTemperature:
            s.tBody = x;
            break;
        case DesignUnknown::FluidTemperature:
            s.tFluid = x;
            break;
        case DesignUnknown::Area:
            s.area = x;
            break;
        case DesignUnknown::CharLength:
            s.charLength = x;
            break;
        }
        const bool valid = calculateSteadyState(s, m_inputs).ok;
        return {x, valid, valid ? signedHeatFlow(s) : std::nan("")};
    }

    // The values scanned: for a temperature from the other one into the target's direction, up to
    // 5000 K away (or the user fluid's range, as documented); for a dimension 10 µm to 1 km, for an area 1e-14 to 1e8 m².
    std::vector<double> grid() const {
        std::vector<double> xs;
        const int kPoints = setting("ZAV_DESIGN_SCAN_POINTS", 3000);
        if (isTemperature(m_q.unknown)) {
            const bool body = m_q.unknown == DesignUnknown::BodyTemperature;
            const double other = body ? m_q.tFluid : m_q.tBody;
            const double sign = (body ? 1.0 : -1.0) * (m_q.heatFlow > 0 ? 1 : -1);
            // The span, on the target's side of the other temperature: `near` to `far` away.
            double near = 0;
            double far = 5000;
            if (m_q.userFluid == 2) {
                // The mean temperature (and the fluid's) within 0..90 °C.
                double low = -other;
                double high = 180 - other;
                if (!body) {
                    low = std::max(low, 0.0);
                    high = std::min(high, 90.0);
                }
                near = std::max(0.0, sign > 0 ? low - other : other - high);
                far = std::max(0.0, sign > 0 ? high - other : other - low);
            }
            if (sign < 0)
                far = std::min(far, other + 273.15);
            if (far <= near)
                return xs;
            xs.push_back(other + sign * near);
            for (int k = 0; k <= kPoints; ++k) {
                xs.push_back(other + sign * (near + (far - near) * std::pow(10.0, -12.0 + 12.0 * k / kPoints)));
                xs.push_back(other + sign * (near + (far - near) * k / kPoints));
            }
        } else if (m_q.unknown == DesignUnknown::CharLength) {
            for (int k = 0; k <= 2 * kPoints; ++k)
                xs.push_back(1e-5 * std::pow(1e8, double(k) / (2 * kPoints)));
        } else {
            for (int k = 0; k <= 2 * kPoints; ++k)
                xs.push_back(1e-14 * std::pow(1e22, double(k) / (2 * kPoints)));
        }
        std::sort(xs.begin(), xs.end());
        xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
        return xs;
    }

    // Halving between two samples until they are adjacent values; `same` tells which side a
    // sample falls on.
    template <class Same>
    std::pair<Sample, Sample> halve(Sample a, Sample b, Same same) const {
        for (int step = 0; step < 200; ++step) {
            const double middle = 0.5 * (a.x + b.x);
            if (middle == a.x || middle == b.x)
                break;
            const Sample m = at(middle);
            if (same(a, m))
                a = m;
            else
                b = m;
        }
        return {a, b};
    }

    struct Result {
        std::vector<double> roots;
        std::vector<Sample> valid; // every valid sample, edges included
    };

    Result run() const {
        std::vector<Sample> samples;
        for (double x : grid())
            samples.push_back(at(x));
        // Every change of validity, to adjacent values.
        std::vector<Sample> edges;
        for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
            if (samples[i].valid != samples[i + 1].valid) {
                const auto [a, b] =
                    halve(samples[i], samples[i + 1], [](const Sample& p, const Sample& m) { return p.valid == m.valid; });
                edges.push_back(a);
                edges.push_back(b);
            }
        }
        samples.insert(samples.end(), edges.begin(), edges.end());
        std::sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.x < b.x; });
        Result result;
        const double t = m_q.heatFlow;
        int piece = 0;
        for (Sample& sample : samples)
            sample.piece = sample.valid ? piece : ++piece;
        for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
            const Sample& a = samples[i];
            const Sample& b = samples[i + 1];
            if (a.valid)
                result.valid.push_back(a);
            if (!a.valid || !b.valid || (a.heatFlow - t) * (b.heatFlow - t) > 0)
                continue;
            const auto [l, r] = halve(a, b, [t](const Sample& p, const Sample& m) {
                return m.valid && (p.heatFlow - t) * (m.heatFlow - t) > 0;
            });
            // A root where one of two adjacent values meets the target to a millionth; else the
            // heat flow jumps over it (or passes it between two adjacent values).
            const Sample& nearer = std::fabs(l.heatFlow - t) <= std::fabs(r.heatFlow - t) ? l : r;
            if (std::fabs(nearer.heatFlow - t) <= 1e-6 * std::fabs(t))
                result.roots.push_back(nearer.x);
        }
        if (!samples.empty() && samples.back().valid)
            result.valid.push_back(samples.back());
        std::sort(result.roots.begin(), result.roots.end());
        // A root met from both sides of a sample that carries the target exactly is one root.
        result.roots.erase(std::unique(result.roots.begin(), result.roots.end(),
                                       [&](double a, double b) { return std::fabs(a - b) <= 1e-9 * scale(a); }),
                           result.roots.end());
        return result;
    }

    // Where the heat flow turns at a valid sample, its extremum by golden section on the two
    // neighbouring intervals.
    double refinedExtremum(const std::vector<Sample>& valid, std::size_t k, bool maximum) const {
        double a = valid[k - 1].x;
        double b = valid[k + 1].x;
        const double golden = 0.5 * (std::sqrt(5.0) - 1);
        const auto value = [&](double x) {
            const Sample s = at(x);
            return s.valid ? (maximum ? s.heatFlow : -s.heatFlow) : -std::numeric_limits<double>::infinity();
        };
        double best = maximum ? valid[k].heatFlow : -valid[k].heatFlow;
        for (int step = 0; step < 200 && b - a > 1e-13 * std::max(1.0, std::fabs(a)); ++step) {
            const double c = b - golden * (b - a);
            const double d = a + golden * (b - a);
            const double fc = value(c);
            const double fd = value(d);
            best = std::max({best, fc, fd});
            if (fc > fd)
                b = d;
            else
                a = c;
        }
        return maximum ? best : -best;
    }

    double scale(double x) const {
        if (!isTemperature(m_q.unknown))
            return std::fabs(x);
        return std::max(std::fabs(x - (m_q.unknown == DesignUnknown::BodyTemperature ? m_q.tFluid : m_q.tBody)), 1e-300);
    }

    // The distance of a value from the reference the solution is chosen by.
    double distance(double x) const {
        if (isTemperature(m_q.unknown))
            return std::fabs(x - (m_q.unknown == DesignUnknown::BodyTemperature ? m_q.tFluid : m_q.tBody));
        return std::fabs(std::log(x) - std::log(m_q.length));
    }

private:
    const Question& m_q;
    test::FakeInputs m_inputs;
};

// Checks one question against its scan; returns the solver's evaluations.
int check(const Question& q) {
    SCOPED_TRACE(q.name);
    const Scan scan(q);
    const Scan::Result found = scan.run();
    ConvectionState start;
    start.tBody = q.tBody;
    start.tFluid = q.tFluid;
    start.charLength = q.length;
    start.area = q.area;
    const test::FakeInputs inputs = inputsOf(q);
    const DesignSolution solution = solveSteadyState(start, inputs, q.unknown, q.heatFlow);
    // A root the scan passes over lies where the heat flow just reaches the target (at a maximum
    // or an edge): the solution's own heat flow is checked there.
    const auto nearestValid = [&] {
        double nearest = std::numeric_limits<double>::infinity();
        for (const Scan::Sample& s : found.valid)
            nearest = std::min(nearest, std::fabs(s.heatFlow - q.heatFlow));
        return nearest;
    };
    const bool passedOver = solution.solved && found.roots.empty() && nearestValid() <= 1e-3 * std::fabs(q.heatFlow);
    EXPECT_TRUE(solution.solved == !found.roots.empty() || passedOver)
        << (solution.solved ? "solved where the scan finds no root: " + std::to_string(solution.value)
                            : "refused where the scan finds a root at " +
                                  std::to_string(found.roots.empty() ? 0.0 : found.roots.front()) + ": " +
                                  solution.message);
    if (passedOver) {
        const Scan::Sample there = scan.at(solution.value);
        EXPECT_TRUE(there.valid && test::relativelyNear(there.heatFlow, q.heatFlow, 1e-9)) << there.heatFlow;
    }
    if (solution.solved && !found.roots.empty()) {
        const double nearest = *std::min_element(found.roots.begin(), found.roots.end(), [&](double a, double b) {
            return scan.distance(a) < scan.distance(b);
        });
        // The root nearest to the reference, to the precision of the scan's halving (unless the
        // heat flow hardly depends on the unknown, as the solution then says).
        const bool flat = !solution.warnings.empty() && solution.warnings.back().find("nezávisí") != std::string::npos;
        EXPECT_LE(flat ? 0.0 : std::fabs(solution.value - nearest), 1e-7 * scan.scale(nearest) + 1e-12 * std::fabs(nearest))
            << solution.value << " instead of " << nearest << " (" << found.roots.size() << " roots)";
        const double flow = signedHeatFlow(solution.state);
        const Scan::Sample next = scan.at(std::nextafter(solution.value, solution.value + 1));
        const Scan::Sample previous = scan.at(std::nextafter(solution.value, solution.value - 1));
        // The heat flow is the target, or the target lies between it and the next value's.
        const bool resolved = (previous.valid && (previous.heatFlow - q.heatFlow) * (flow - q.heatFlow) <= 0) ||
                              (next.valid && (next.heatFlow - q.heatFlow) * (flow - q.heatFlow) <= 0);
        EXPECT_TRUE(test::relativelyNear(flow, q.heatFlow, 1e-9) || resolved) << flow;
        const bool several = !solution.warnings.empty() &&
                             solution.warnings.front().find("nie je monotónny") != std::string::npos;
        EXPECT_EQ(several, found.roots.size() > 1) << found.roots.size() << " roots";
    }
    if (!solution.solved && found.roots.empty()) {
        if (found.valid.empty()) {
            EXPECT_TRUE(std::isnan(solution.reachableHeatFlow)) << solution.reachableHeatFlow;
            EXPECT_NE(solution.message.find("žiadna hodnota"), std::string::npos) << solution.message;
        } else {
            // The value nearest to the target: a sample, or an extremum between samples.
            std::size_t k = 0;
            for (std::size_t i = 0; i < found.valid.size(); ++i) {
                if (std::fabs(found.valid[i].heatFlow - q.heatFlow) < std::fabs(found.valid[k].heatFlow - q.heatFlow))
                    k = i;
            }
            double reach = found.valid[k].heatFlow;
            if (k > 0 && k + 1 < found.valid.size() && found.valid[k - 1].piece == found.valid[k].piece &&
                found.valid[k + 1].piece == found.valid[k].piece)
                reach = scan.refinedExtremum(found.valid, k, q.heatFlow > reach);
            // The scan's value, or one nearer to the target that the steady state gives where the
            // solution says (the scan's grid may pass over it).
            const bool nearer = std::fabs(solution.reachableHeatFlow - q.heatFlow) < std::fabs(reach - q.heatFlow);
            if (nearer && q.unknown != DesignUnknown::Area) {
                const Scan::Sample there = scan.at(solution.reachableValue);
                EXPECT_TRUE(there.valid && test::relativelyNear(there.heatFlow, solution.reachableHeatFlow, 1e-12))
                    << solution.message;
            } else {
                EXPECT_TRUE(test::relativelyNear(solution.reachableHeatFlow, reach, 1e-6)) << solution.message;
            }
            double low = reach;
            double high = reach;
            for (const Scan::Sample& s : found.valid) {
                low = std::min(low, s.heatFlow);
                high = std::max(high, s.heatFlow);
            }
            const int direction = q.heatFlow > 0 ? 1 : -1;
            const char* label = q.heatFlow > high ? (direction > 0 ? "Najväčší" : "Najmenší")
                                : q.heatFlow < low ? (direction > 0 ? "Najmenší" : "Najväčší")
                                                   : "Najbližší";
            EXPECT_NE(solution.message.find(std::string("\n") + label + " dosiahnuteľný tepelný tok je "),
                      std::string::npos)
                << solution.message;
        }
    }
    return solution.evaluations;
}

using F = FluidKind;
using S = SurfaceGeometry;
using U = DesignUnknown;

// The questions that were refused or answered wrongly before, and the edges of every shape's range.
const Question kQuestions[] = {
    // A root between the last valid grid point and an edge of the valid states.
    {"heater in water at 2 °C", F::Water, S::HorizontalCylinder, U::BodyTemperature, 296.547, 100, 2, 0.05, 0.1},
    {"heater in water at 2 °C, 5 W", F::Water, S::HorizontalCylinder, U::BodyTemperature, 5, 100, 2, 0.05, 0.1},
    {"1 m plate in water, near Ra 1e12", F::Water, S::VerticalPlate, U::BodyTemperature, 18358.68, 100, 20, 1, 1},
    {"1 m plate in water, beyond Ra 1e12", F::Water, S::VerticalPlate, U::BodyTemperature, 24414.5, 100, 20, 1, 1},
    {"finned tube, Gr·Pr window", F::Air, S::FinnedTube, U::FluidTemperature, 435.08, 80, 20, 0.1, 1},
    {"finned tube, beyond its window", F::Air, S::FinnedTube, U::FluidTemperature, 1e6, 80, 20, 0.1, 1},
    {"finned tube, below its window", F::Air, S::FinnedTube, U::BodyTemperature, 1e-3, 80, 20, 0.1, 1},
    {"water near its mean 100 °C", F::Water, S::Sphere, U::BodyTemperature, 3000, 100, 90, 0.1, 0.5},
    {"water beyond its mean 100 °C", F::Water, S::Sphere, U::BodyTemperature, 1e6, 100, 90, 0.1, 0.5},
    // The dimension: the root nearest to the one typed.
    {"vertical cylinder's two dimensions", F::Air, S::VerticalCylinder, U::CharLength, 85, 80, 20, 0.5, 0.2},
    {"vertical cylinder, dimension typed large", F::Air, S::VerticalCylinder, U::CharLength, 85, 80, 20, 20, 0.2},
    // The reachable bound: both directions, true maxima, jumps.
    {"plate too small for Ra 0,1", F::Air, S::VerticalPlate, U::CharLength, 1e6, 60, 20, 0.1, 0.1},
    {"water near 4 °C, the largest", F::Water, S::VerticalPlate, U::BodyTemperature, -1e4, 100, 8, 0.2, 0.5},
    {"user fluid whose β falls, its peak", F::UserDefined, S::Sphere, U::BodyTemperature, 1e9, 100, 20, 0.1, 1,
     false, PropertyModel::Builtin, 0, PlatePosition::Upper, 2},
    {"user fluid whose β falls, below its peak", F::UserDefined, S::Sphere, U::BodyTemperature, 50, 100, 20, 0.1, 1,
     false, PropertyModel::Builtin, 0, PlatePosition::Upper, 2},
    {"inclined plate, three crossings", F::Air, S::InclinedPlate, U::BodyTemperature, 19.6, 100, 20, 1, 1},
    {"inclined plate, dimension across its jump", F::Air, S::InclinedPlate, U::CharLength, 60, 40, 20, 1, 1},
    // Next to the other temperature.
    {"sphere, 3 µW", F::Air, S::Sphere, U::BodyTemperature, 3e-6, 100, 800, 0.1, 1},
    {"sphere, 1e-300 W: between two neighbouring temperatures", F::Air, S::Sphere, U::BodyTemperature, 1e-300, 100,
     800, 0.1, 1},
    {"plate, 1e-300 W", F::Air, S::VerticalPlate, U::BodyTemperature, 1e-300, 100, 20, 0.1, 1},
    // Two roots in one interval of the grid; the user fluid's span.
    {"water at 10 °C, two roots", F::Water, S::VerticalPlate, U::BodyTemperature, -1.79, 100, 10, 0.2, 0.04},
    {"constant user fluid, 1062 °C", F::UserDefined, S::VerticalPlate, U::BodyTemperature, 1.2e7, 100, 20, 0.1, 1,
     false, PropertyModel::Builtin, 0, PlatePosition::Upper, 1},
    // Every shape near its edges, with radiation and the reference properties.
    {"horizontal plate held under", F::Air, S::HorizontalPlate, U::BodyTemperature, -30, 100, 20, 0.3, 1, false,
     PropertyModel::Builtin, 0, PlatePosition::Upper},
    {"horizontal plate held under, too much", F::Air, S::HorizontalPlate, U::BodyTemperature, -1e5, 100, 20, 0.3, 1,
     false, PropertyModel::Builtin, 0, PlatePosition::Upper},
    {"horizontal plate rising face", F::Air, S::HorizontalPlate, U::BodyTemperature, 40, 100, 20, 0.05, 1, true,
     PropertyModel::Builtin, 0, PlatePosition::Upper},
    {"horizontal plate rising face, length", F::Water, S::HorizontalPlate, U::CharLength, 2000, 60, 20, 0.05, 1},
    {"cube, reference air", F::Air, S::Cube, U::FluidTemperature, 150, 300, 20, 0.4, 0.04, true,
     PropertyModel::Reference},
    {"cube, reference air beyond 1726,85 °C", F::Air, S::Cube, U::BodyTemperature, 1e7, 300, 20, 0.4, 0.04, true,
     PropertyModel::Reference},
    {"vertical cylinder in reference water", F::Water, S::VerticalCylinder, U::FluidTemperature, 500, 80, 20, 0.2,
     0.1, false, PropertyModel::Reference},
    {"horizontal cylinder, body colder", F::Air, S::HorizontalCylinder, U::BodyTemperature, -80, 100, 30, 0.1, 1,
     true},
    {"inclined plate at 60°, dimension", F::Air, S::InclinedPlate, U::CharLength, 300, 90, 20, 0.3, 1, false,
     PropertyModel::Builtin, 60},
    {"finned tube dimension, both window ends", F::Air, S::FinnedTube, U::CharLength, 50, 80, 20, 0.1, 1},
    {"finned tube dimension, above its window", F::Air, S::FinnedTube, U::CharLength, 1e5, 80, 20, 0.1, 1},
};

TEST(DesignScanTest, EveryQuestionAgreesWithADenseScan) {
    int evaluations = 0;
    for (const Question& q : kQuestions)
        evaluations += check(q);
    const double average = double(evaluations) / std::size(kQuestions);
    std::printf("%.1f evaluations per question on average\n", average);
    EXPECT_LE(average, 60);
}

// Random questions over every shape, fluid, unknown and direction, targets just short of the
// largest reachable heat flow included (a fixed seed: the same questions every run).
TEST(DesignScanTest, RandomQuestionsAgreeWithADenseScan) {
    std::mt19937 random(setting("ZAV_DESIGN_SEED", 20261208));
    const auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(random); };
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const int kQuestionsAsked = setting("ZAV_DESIGN_QUESTIONS", 150);
    int evaluations = 0;
    for (int n = 0; n < kQuestionsAsked; ++n) {
        Question q{"random", F::Air, S::VerticalPlate, U::BodyTemperature, 1};
        const int fluid = pick(4);
        q.fluid = fluid == 1 ? F::Water : F::Air;
        q.userFluid = fluid >= 2 ? fluid - 1 : 0;
        q.properties = pick(3) == 0 && q.userFluid == 0 ? PropertyModel::Reference : PropertyModel::Builtin;
        q.shape = static_cast<S>(pick(8));
        q.unknown = static_cast<U>(pick(4));
        q.radiation = q.fluid == F::Air && pick(2) == 0;
        q.angle = uniform(0, 80);
        q.face = pick(2) == 0 ? PlatePosition::Upper : PlatePosition::Lower;
        q.length = std::pow(10.0, uniform(-2.5, 0.5));
        q.area = std::pow(10.0, uniform(-2, 0.5));
        const bool water = q.fluid == F::Water || q.userFluid != 0;
        q.tFluid = water ? uniform(1, 95) : uniform(-60, 400);
        q.tBody = water ? uniform(1, 95) : uniform(-60, 600);
        // The target: a steady state's own heat flow, scaled a little beyond or short of it.
        Question steady = q;
        steady.unknown = U::Area;
        const Scan::Sample s = Scan(steady).at(q.area);
        const double base = s.valid && s.heatFlow != 0 ? s.heatFlow : (q.tBody > q.tFluid ? 50.0 : -50.0);
        const double factors[] = {1, uniform(0.2, 5), uniform(0.99, 1.01), 1e3, 1e-4, 0};
        q.heatFlow = base * factors[pick(6)];
        if (q.heatFlow == 0) {
            // Just short of the largest heat flow reachable, as the solver gives it for far too much.
            Question beyond = q;
            beyond.heatFlow = base * 1e6;
            ConvectionState start;
            start.tBody = q.tBody;
            start.tFluid = q.tFluid;
            start.charLength = q.length;
            start.area = q.area;
            const DesignSolution reach = solveSteadyState(start, inputsOf(beyond), q.unknown, beyond.heatFlow);
            q.heatFlow = std::isfinite(reach.reachableHeatFlow) && reach.reachableHeatFlow != 0
                             ? reach.reachableHeatFlow * (1 - std::pow(10.0, uniform(-9, -3)))
                             : base;
        }
        char name[200];
        std::snprintf(name, sizeof name, "random %d: fluid %d/%d shape %d unknown %d radiation %d, %g W, body %g, fluid %g, "
                      "l %g, A %g, angle %g, face %d", n, fluid, int(q.properties), int(q.shape), int(q.unknown),
                      q.radiation, q.heatFlow, q.tBody, q.tFluid, q.length, q.area, q.angle, int(q.face));
        q.name = name;
        evaluations += check(q);
    }
    std::printf("%.1f evaluations per question on average\n", double(evaluations) / kQuestionsAsked);
}

} // namespace
} // namespace zav

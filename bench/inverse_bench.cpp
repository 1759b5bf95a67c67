// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the design calculation against the steady state it inverts, in the same run: one
// "Vypočítaj" of the main window's defaults (the anchor), one solve for each unknown of the heat
// flow that the defaults carry, and the questions next to the edges of the correlations' and the
// fluids' ranges (one solve of each, on average). The ratios to the anchor are what counts.
#include <iterator>

#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "core/steady_state.h"
#include "core/steady_state_inverse.h"

namespace {

zav::ConvectionState defaults() {
    zav::ConvectionState s;
    s.tBody = 100;
    s.tFluid = 20;
    s.charLength = 0.1;
    s.area = 1;
    return s;
}

void steady(benchmark::State& st) {
    zav::bench::DefaultCase in;
    for (auto _ : st) {
        zav::ConvectionState s = defaults();
        benchmark::DoNotOptimize(zav::calculateSteadyState(s, in).ok);
    }
}

void solve(benchmark::State& st, zav::DesignUnknown unknown) {
    zav::bench::DefaultCase in;
    zav::ConvectionState carried = defaults();
    zav::calculateSteadyState(carried, in);
    const double heatFlow = zav::signedHeatFlow(carried);
    long long evaluations = 0;
    for (auto _ : st) {
        const zav::DesignSolution solution = zav::solveSteadyState(defaults(), in, unknown, heatFlow);
        evaluations += solution.evaluations;
        benchmark::DoNotOptimize(solution.value);
    }
    st.counters["evaluations"] = benchmark::Counter(static_cast<double>(evaluations), benchmark::Counter::kAvgIterations);
}

// The default case with a shape and a fluid of its own, without radiation.
struct Inputs : zav::bench::DefaultCase {
    Inputs() { values.radiationOn = false; }
};

struct Question {
    zav::FluidKind fluid;
    zav::SurfaceGeometry shape;
    zav::DesignUnknown unknown;
    double heatFlow, tBody, tFluid, length, area;
};

using F = zav::FluidKind;
using S = zav::SurfaceGeometry;
using U = zav::DesignUnknown;

// Roots next to an edge of the valid states, several roots, jumps and refusals.
const Question kQuestions[] = {
    {F::Water, S::HorizontalCylinder, U::BodyTemperature, 296.547, 100, 2, 0.05, 0.1},
    {F::Water, S::VerticalPlate, U::BodyTemperature, 18358.68, 100, 20, 1, 1},
    {F::Water, S::VerticalPlate, U::BodyTemperature, 1e9, 100, 20, 1, 1},
    {F::Air, S::FinnedTube, U::FluidTemperature, 435.08, 80, 20, 0.1, 1},
    {F::Air, S::VerticalCylinder, U::CharLength, 85, 80, 20, 0.5, 0.2},
    {F::Air, S::VerticalPlate, U::CharLength, 1e6, 60, 20, 0.1, 0.1},
    {F::Water, S::VerticalPlate, U::BodyTemperature, -1.79, 100, 10, 0.2, 0.04},
    {F::Air, S::InclinedPlate, U::BodyTemperature, 19.6, 100, 20, 1, 1},
    {F::Air, S::Sphere, U::BodyTemperature, 3e-6, 100, 800, 0.1, 1},
    {F::Air, S::HorizontalPlate, U::BodyTemperature, 40, 100, 20, 0.05, 1},
    {F::Air, S::Cube, U::FluidTemperature, 150, 300, 20, 0.4, 0.04},
    {F::Air, S::HorizontalCylinder, U::BodyTemperature, -80, 100, 30, 0.1, 1},
};

Inputs inputsOf(const Question& q) {
    Inputs in;
    in.values.fluid = q.fluid;
    in.values.shape = q.shape;
    return in;
}

zav::ConvectionState startOf(const Question& q) {
    zav::ConvectionState start;
    start.tBody = q.tBody;
    start.tFluid = q.tFluid;
    start.charLength = q.length;
    start.area = q.area;
    return start;
}

// The anchor of the questions: the steady state of each question's inputs, once.
void questionsSteady(benchmark::State& st) {
    for (auto _ : st) {
        for (const Question& q : kQuestions) {
            const Inputs in = inputsOf(q);
            zav::ConvectionState s = startOf(q);
            benchmark::DoNotOptimize(zav::calculateSteadyState(s, in).ok);
        }
    }
}

void questions(benchmark::State& st) {
    long long evaluations = 0;
    long long solves = 0;
    for (auto _ : st) {
        for (const Question& q : kQuestions) {
            const Inputs in = inputsOf(q);
            const zav::DesignSolution solution = zav::solveSteadyState(startOf(q), in, q.unknown, q.heatFlow);
            evaluations += solution.evaluations;
            ++solves;
            benchmark::DoNotOptimize(solution.value);
        }
    }
    st.counters["evaluations"] = benchmark::Counter(static_cast<double>(evaluations) / static_cast<double>(solves));
    // The time of one solve: the iteration's time over its questions.
    st.counters["solves"] = benchmark::Counter(static_cast<double>(std::size(kQuestions)));
}

} // namespace

BENCHMARK(steady)->Name("steady state (anchor)");
BENCHMARK_CAPTURE(solve, body, zav::DesignUnknown::BodyTemperature)->Name("solve body temperature");
BENCHMARK_CAPTURE(solve, fluid, zav::DesignUnknown::FluidTemperature)->Name("solve fluid temperature");
BENCHMARK_CAPTURE(solve, area, zav::DesignUnknown::Area)->Name("solve area");
BENCHMARK_CAPTURE(solve, length, zav::DesignUnknown::CharLength)->Name("solve dimension");
BENCHMARK(questionsSteady)->Name("steady states of the questions at the edges (anchor: every question once)");
BENCHMARK(questions)->Name("solve questions at the edges (every question once)");

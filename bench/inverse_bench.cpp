// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the design calculation against the steady state it inverts, in the same run: one
// "Vypočítaj" of the main window's defaults (the anchor), and one solve for each unknown of the
// heat flow that the defaults carry. The ratios to the anchor are what counts.
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
    zav::bench::MainWindowDefaults in;
    zav::bench::Silent reporter;
    for (auto _ : st) {
        zav::ConvectionState s = defaults();
        benchmark::DoNotOptimize(zav::calculateSteadyState(s, in, reporter));
    }
}

void solve(benchmark::State& st, zav::DesignUnknown unknown) {
    zav::bench::MainWindowDefaults in;
    zav::bench::Silent reporter;
    zav::ConvectionState carried = defaults();
    zav::calculateSteadyState(carried, in, reporter);
    const double heatFlow = zav::signedHeatFlow(carried);
    long long evaluations = 0;
    for (auto _ : st) {
        const zav::DesignSolution solution = zav::solveSteadyState(defaults(), in, unknown, heatFlow);
        evaluations += solution.evaluations;
        benchmark::DoNotOptimize(solution.value);
    }
    st.counters["evaluations"] = benchmark::Counter(static_cast<double>(evaluations), benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(steady)->Name("steady state (anchor)");
BENCHMARK_CAPTURE(solve, body, zav::DesignUnknown::BodyTemperature)->Name("solve body temperature");
BENCHMARK_CAPTURE(solve, fluid, zav::DesignUnknown::FluidTemperature)->Name("solve fluid temperature");
BENCHMARK_CAPTURE(solve, area, zav::DesignUnknown::Area)->Name("solve area");
BENCHMARK_CAPTURE(solve, length, zav::DesignUnknown::CharLength)->Name("solve dimension");

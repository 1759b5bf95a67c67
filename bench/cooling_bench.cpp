// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of a cooling run through the core (the scale pass of 1000 and the default 10000 steps),
// against the same number of bare steady-state evaluations, and of the cooling data file's row
// against writing the same nine numbers with std::to_chars.
#include <cmath>
#include <charconv>
#include <cstdio>
#include <filesystem>

#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "core/cooling.h"
#include "core/heat_capacity.h"
#include "core/steady_state.h"
#include "export/cooling_data_file.h"

namespace {

// The default case with the cooling's emissivity.
struct Main : zav::bench::DefaultCase {
    Main() { values.emissivity = 1; }
};

// The cooling's defaults.
struct Inputs : zav::CoolingInputs {
    Main main;
    double steps = 10000;
    double power = 0;
    const zav::EvaluationInputs& convection() const override { return main; }
    double heatSource() const override { return power; }
    zav::StartInputs startInputs() const override { return {100, 20, 0.1, 1}; }
    double mass() const override { return 1; }
    double coolingArea() const override { return 1; }
    double targetTemperature() const override { return 30; }
    double stepCount() const override { return steps; }
    bool radiationOn() const override { return true; }
    double emissivity() const override { return 1; }
    double materialHeatCapacity(double t) const override { return zav::materialHeatCapacity({}, t); }
};

using zav::bench::Silent;

struct NoView : zav::CoolingView {
    void setProgressMaximum(int) override {}
    void setProgressPosition(int) override {}
    void setUpPlot(double, double, double) override {}
    void plotPoint(const zav::CoolingState& s) override { benchmark::DoNotOptimize(s.tBody); }
};

void coolingRunDefaults(benchmark::State& st) {
    Inputs inputs;
    Silent reporter;
    NoView view;
    zav::CoolingState state;
    for (auto _ : st) {
        zav::runCooling(state, inputs, reporter, view, nullptr);
        benchmark::DoNotOptimize(state.coolingTime);
    }
}
BENCHMARK(coolingRunDefaults)->Unit(benchmark::kMillisecond);

// The same run with a heat source of 40 W (it settles near 25 °C, below the target): the
// equilibrium's root finding and the pass to 95 % of the way on top of the run's 11 000 steps. Its
// time over coolingRunDefaults' is the cost of the source.
void coolingRunWithSource(benchmark::State& st) {
    Inputs inputs;
    inputs.power = 40;
    Silent reporter;
    NoView view;
    zav::CoolingState state;
    if (zav::runCooling(state, inputs, reporter, view, nullptr) != zav::CoolingOutcome::Completed ||
        !std::isfinite(state.time95)) {
        st.SkipWithError("the run with a source did not complete");
        return;
    }
    for (auto _ : st) {
        zav::runCooling(state, inputs, reporter, view, nullptr);
        benchmark::DoNotOptimize(state.coolingTime);
    }
}
BENCHMARK(coolingRunWithSource)->Unit(benchmark::kMillisecond);

// Anchor: the 11 000 evaluations of the run as bare steady-state evaluations.
void anchorElevenThousandEvaluations(benchmark::State& st) {
    Main main;
    Silent reporter;
    zav::ConvectionState s;
    s.tFluid = 20;
    s.charLength = 0.1;
    s.area = 1;
    s.emissivity = 1;
    for (auto _ : st) {
        for (int i = 0; i < 11000; ++i) {
            s.tBody = 100 - i * 0.00636;
            zav::evaluatePoint(s, main, reporter);
        }
        benchmark::DoNotOptimize(s.alphaTotal);
    }
}
BENCHMARK(anchorElevenThousandEvaluations)->Unit(benchmark::kMillisecond);

void coolingRunWithDataFile(benchmark::State& st) {
    Inputs inputs;
    inputs.steps = static_cast<double>(st.range(0));
    Silent reporter;
    NoView view;
    zav::CoolingState state;
    const std::string path = (std::filesystem::temp_directory_path() / "zav_bench_cooling.txt").string();
    for (auto _ : st) {
        zav::CoolingDataFile file;
        file.open(path);
        zav::runCooling(state, inputs, reporter, view, &file);
        file.close();
    }
    st.SetItemsProcessed(st.iterations() * st.range(0));
    std::remove(path.c_str());
}
BENCHMARK(coolingRunWithDataFile)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

zav::CoolingState sampleRow() {
    zav::CoolingState s;
    s.coolingTime = 24.763577123;
    s.tBody = 86.66666666666667;
    s.tMean = 53.333333333333336;
    s.alphaConv = 7.0267123;
    s.alphaRad = 7.97512345;
    s.c_material = 1000;
    s.prandtl = 0.716312345;
    s.grashof = 6698579.91234;
    s.nusselt = 25.41241234;
    return s;
}

void coolingDataRow(benchmark::State& st) {
    zav::CoolingState s = sampleRow();
    for (auto _ : st) {
        benchmark::DoNotOptimize(zav::coolingDataRow(s));
        s.tBody += 1e-9;
    }
}
BENCHMARK(coolingDataRow);

// Anchor: the same nine numbers with std::to_chars into one buffer.
void anchorNineToChars(benchmark::State& st) {
    zav::CoolingState s = sampleRow();
    char buffer[256];
    for (auto _ : st) {
        char* at = buffer;
        const int decimals[9] = {6, 6, 6, 3, 3, 2, 4, 4, 4};
        const double values[9] = {s.coolingTime, s.tBody, s.tMean, s.alphaConv, s.alphaRad,
                                  s.c_material, s.prandtl, s.grashof, s.nusselt};
        for (int i = 0; i < 9; ++i) {
            at = std::to_chars(at, buffer + sizeof buffer, values[i], std::chars_format::fixed, decimals[i]).ptr;
            *at++ = ';';
        }
        benchmark::DoNotOptimize(buffer);
        s.tBody += 1e-9;
    }
}
BENCHMARK(anchorNineToChars);

} // namespace

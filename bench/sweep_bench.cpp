// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the pieces a sweep repeats for every point: the evaluation, the number formats and a
// whole table sweep written to a file.
#include <cstdio>
#include <filesystem>

#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "core/number_format.h"
#include "core/steady_state.h"
#include "export/sweeps.h"

namespace {

using Inputs = zav::bench::MainWindowDefaults;
using zav::bench::Silent;

struct NoChart : zav::ChartSink {
    void prepareChart(long long) override {}
    void setChartPoint(long long, const zav::ConvectionState&) override {}
    void finishChart() override {}
    void abandonChart() override {}
};

zav::ConvectionState defaults() {
    zav::ConvectionState s;
    s.tFluid = 20;
    s.charLength = 0.1;
    s.area = 1;
    s.emissivity = 0.8;
    return s;
}

void evaluatePoint(benchmark::State& st) {
    zav::ConvectionState s = defaults();
    Inputs in;
    Silent reporter;
    double t = 0;
    for (auto _ : st) {
        s.tBody = t;
        t += 0.1;
        zav::evaluatePoint(s, in, reporter);
        benchmark::DoNotOptimize(s.alphaTotal);
    }
}
BENCHMARK(evaluatePoint);

void formatFixed(benchmark::State& st) {
    double v = 7.362488747120539;
    for (auto _ : st) {
        benchmark::DoNotOptimize(zav::formatFixed(v, 6, 3));
        v += 1e-7;
    }
}
BENCHMARK(formatFixed);

void formatExponent(benchmark::State& st) {
    double v = 1.8904486e-5;
    for (auto _ : st) {
        benchmark::DoNotOptimize(zav::formatExponent(v, 8));
        v += 1e-13;
    }
}
BENCHMARK(formatExponent);

void tableSweep(benchmark::State& st) {
    const std::string path = (std::filesystem::temp_directory_path() / "zav_bench_table.txt").string();
    Inputs in;
    Silent reporter;
    NoChart chart;
    for (auto _ : st) {
        zav::ConvectionState s = defaults();
        zav::runTableSweep(s, {0, static_cast<double>(st.range(0) - 1), 1}, in, reporter, path, chart);
    }
    st.SetItemsProcessed(st.iterations() * st.range(0));
    std::remove(path.c_str());
}
BENCHMARK(tableSweep)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

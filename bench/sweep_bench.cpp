// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the pieces a sweep repeats for every point: the evaluation, the number formats (each
// against std::to_chars of the same value), a table line, and whole table sweeps of 10^4 to 10^6
// points over a range the air model covers, against writing the same bytes.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "core/number_format.h"
#include "core/steady_state.h"
#include "export/sweeps.h"
#include "export/table_file.h"

namespace {

using Inputs = zav::bench::DefaultCase;
using zav::bench::Silent;

const std::string kNoTableFile = "Nie je zvolený súbor pre tabuľku; tabuľka sa nezapíše.";

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

// A point of the default sweep, every column filled.
zav::ConvectionState samplePoint() {
    zav::ConvectionState s = defaults();
    s.tBody = 73.2581;
    Inputs in;
    Silent reporter;
    zav::evaluatePoint(s, in, reporter);
    return s;
}

void evaluatePoint(benchmark::State& st) {
    zav::ConvectionState s = defaults();
    Inputs in;
    Silent reporter;
    double t = 0;
    for (auto _ : st) {
        s.tBody = t;
        t += 0.0001;
        zav::evaluatePoint(s, in, reporter);
        benchmark::DoNotOptimize(s.alphaTotal);
    }
}
BENCHMARK(evaluatePoint);

// Each formatter appends to a reused line, as the table does; its anchor writes the same value
// with std::to_chars in the same notation and number of digits.
template <class Format> void appendLoop(benchmark::State& st, double v, double dv, Format format) {
    std::string line;
    for (auto _ : st) {
        line.clear();
        format(line, v);
        benchmark::DoNotOptimize(line.data());
        v += dv;
    }
}

template <class Format> void toCharsLoop(benchmark::State& st, double v, double dv, Format format) {
    char buffer[64];
    for (auto _ : st) {
        benchmark::DoNotOptimize(format(buffer, v));
        v += dv;
    }
}

void formatFixed(benchmark::State& st) {
    appendLoop(st, 7.362488747120539, 1e-7, [](std::string& s, double v) { zav::appendFixed(s, v, 6, 3); });
}
BENCHMARK(formatFixed);

void anchorToCharsFixed(benchmark::State& st) {
    toCharsLoop(st, 7.362488747120539, 1e-7, [](char* b, double v) {
        return std::to_chars(b, b + 64, v, std::chars_format::fixed, 3).ptr;
    });
}
BENCHMARK(anchorToCharsFixed);

void formatExponent(benchmark::State& st) {
    appendLoop(st, 1.8904486e-5, 1e-13, [](std::string& s, double v) { zav::appendExponent(s, v, 8); });
}
BENCHMARK(formatExponent);

void anchorToCharsExponent(benchmark::State& st) {
    toCharsLoop(st, 1.8904486e-5, 1e-13, [](char* b, double v) {
        return std::to_chars(b, b + 64, v, std::chars_format::scientific, 7).ptr;
    });
}
BENCHMARK(anchorToCharsExponent);

void formatGrouped(benchmark::State& st) {
    appendLoop(st, 12345.678, 1e-3, [](std::string& s, double v) { s += zav::formatGrouped(v, 9, "\u00A0"); });
}
BENCHMARK(formatGrouped);

void anchorToCharsGrouped(benchmark::State& st) {
    toCharsLoop(st, 12345.678, 1e-3, [](char* b, double v) {
        return std::to_chars(b, b + 64, v, std::chars_format::fixed, 9).ptr;
    });
}
BENCHMARK(anchorToCharsGrouped);

// Anchor of all three: the shortest text that reads back, the fastest to_chars there is.
void anchorToCharsShortest(benchmark::State& st) {
    toCharsLoop(st, 7.362488747120539, 1e-7, [](char* b, double v) { return std::to_chars(b, b + 64, v).ptr; });
}
BENCHMARK(anchorToCharsShortest);

void tableLine(benchmark::State& st) {
    zav::ConvectionState s = samplePoint();
    std::string line;
    for (auto _ : st) {
        line.clear();
        zav::appendTableLine(line, s);
        benchmark::DoNotOptimize(line.data());
        s.tBody += 1e-4;
    }
}
BENCHMARK(tableLine);

// Anchor: the same fourteen numbers with std::to_chars in the same notations, into one buffer.
void anchorTableLineToChars(benchmark::State& st) {
    zav::ConvectionState s = samplePoint();
    char buffer[512];
    for (auto _ : st) {
        const double values[14] = {s.tBody,     s.tFluid,       s.tMean,   s.kinViscosity, s.dynViscosity,
                                   s.density,   s.conductivity, s.heatCapacity, s.prandtl, s.grashof,
                                   s.nusselt,   s.alphaConv,    s.alphaRad, s.alphaTotal};
        const int decimals[14] = {3, 3, 3, -1, -1, 4, 4, 2, 4, -1, 4, 3, 3, 3};
        char* at = buffer;
        for (int i = 0; i < 14; ++i) {
            at = decimals[i] < 0
                     ? std::to_chars(at, buffer + sizeof buffer, values[i], std::chars_format::scientific, 7).ptr
                     : std::to_chars(at, buffer + sizeof buffer, values[i], std::chars_format::fixed, decimals[i]).ptr;
            *at++ = ';';
        }
        benchmark::DoNotOptimize(buffer);
        s.tBody += 1e-4;
    }
}
BENCHMARK(anchorTableLineToChars);

std::string benchFile() {
    return (std::filesystem::temp_directory_path() / "zav_bench_table.txt").string();
}

// 0 °C to (points - 1)·0,0001 °C: a range the air model covers, as fine as the range window allows.
void tableSweep(benchmark::State& st) {
    const std::string path = benchFile();
    Inputs in;
    Silent reporter;
    NoChart chart;
    for (auto _ : st) {
        zav::ConvectionState s = defaults();
        zav::runTableSweep(s, {0, static_cast<double>(st.range(0) - 1) * 1e-4, 1e-4}, in, reporter, path, kNoTableFile,
                           chart);
    }
    st.SetItemsProcessed(st.iterations() * st.range(0));
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations()) *
                         static_cast<std::int64_t>(std::filesystem::file_size(path)));
    std::remove(path.c_str());
}
BENCHMARK(tableSweep)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Anchor: writing as many bytes (a typical table line per point) to the same kind of file.
void anchorWriteSameBytes(benchmark::State& st) {
    const std::string path = benchFile();
    zav::ConvectionState s = samplePoint();
    std::string line;
    zav::appendTableLine(line, s);
    line += "\r\n";
    for (auto _ : st) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        for (long long i = 0; i < st.range(0); ++i)
            std::fwrite(line.data(), 1, line.size(), file);
        std::fflush(file);
        std::fclose(file);
    }
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations()) * st.range(0) *
                         static_cast<std::int64_t>(line.size()));
    std::remove(path.c_str());
}
BENCHMARK(anchorWriteSameBytes)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();

// SPDX-License-Identifier: GPL-3.0-or-later
// The anchor of the Python module's sweep (tools/python/bench_zav.py): the same sweep of the main
// window's default case through the same run (calc::runSweep, the core's evaluatePoint per point)
// with a sink that keeps only a sum, timed around the run alone. Prints the seconds of each round.
//
//     build/bench/zav_core_sweep FROM TO STEP [ROUNDS]
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "tools/calc/calc_runs.h"

namespace {

class SumSink : public zav::calc::SweepSink {
public:
    void prepare(long long) override {}
    void point(long long, const zav::ConvectionState& state, const std::vector<std::string>&) override {
        m_sum += state.alphaTotal;
    }
    double sum() const { return m_sum; }

private:
    double m_sum = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: zav_core_sweep FROM TO STEP [ROUNDS]\n");
        return 2;
    }
    const zav::SweepRange range{std::atof(argv[1]), std::atof(argv[2]), std::atof(argv[3])};
    const int rounds = argc > 4 ? std::atoi(argv[4]) : 1;
    const zav::calc::SteadyCase steady; // the main window's defaults
    for (int i = 0; i < rounds; ++i) {
        SumSink sink;
        const auto start = std::chrono::steady_clock::now();
        zav::calc::runSweep(steady, range, sink);
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        std::printf("%.6f %.17g\n", seconds.count(), sink.sum());
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The chart window ("Graf") with 10^4 to 10^6 points a series: filling it as a sweep does, and one
// repaint of the shown chart, against the same repaint with the 21 points of the default sweep.
// Qt's offscreen platform, so that no display is needed.
#include <cmath>
#include <cstdlib>

#include <QApplication>
#include <QChartView>

#include <benchmark/benchmark.h>

#include "ui/chart_window.h"
#include "ui/scripted_dialogs.h"

namespace {

// The default sweep's shape: a dip at the fluid's 20 °C, rising on both sides.
zav::ConvectionState pointAt(long long i, long long count) {
    zav::ConvectionState s;
    s.tBody = 100.0 * static_cast<double>(i) / static_cast<double>(count - 1);
    s.alphaConv = 1.4 * std::pow(std::fabs(s.tBody - 20) + 0.01, 0.25);
    s.alphaRad = 0;
    s.alphaTotal = s.alphaConv + s.alphaRad;
    return s;
}

void fill(zav::ChartWindow& chart, long long count) {
    chart.prepareChart(count);
    for (long long i = 0; i < count; ++i)
        chart.setChartPoint(i, pointAt(i, count));
    chart.finishChart();
}

void chartFill(benchmark::State& st) {
    zav::ScriptedDialogs dialogs([](const QString&) {});
    zav::ChartWindow chart(dialogs);
    chart.show();
    for (auto _ : st)
        fill(chart, st.range(0));
    st.SetItemsProcessed(st.iterations() * st.range(0));
}
BENCHMARK(chartFill)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The 21-point chart is the anchor of the others.
void chartRepaint(benchmark::State& st) {
    zav::ScriptedDialogs dialogs([](const QString&) {});
    zav::ChartWindow chart(dialogs);
    chart.show();
    QCoreApplication::processEvents();
    fill(chart, st.range(0));
    QCoreApplication::processEvents();
    auto* view = chart.findChild<QChartView*>(QStringLiteral("Chart1"));
    for (auto _ : st)
        benchmark::DoNotOptimize(view->grab());
}
BENCHMARK(chartRepaint)->Arg(21)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the reference properties against the built-in ones, in the same run: one sweep point of
// air and of water in each mode, and the main window's calculation with and without the deviation
// indicator (the reference evaluation it adds), and with and without the published correlations
// beside it. The ratios and differences between them are what counts.
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "core/alternatives.h"
#include "core/reference_deviation.h"
#include "core/steady_state.h"

namespace {

using Inputs = zav::bench::DefaultCase;
using zav::FluidKind;
using zav::PropertyModel;

zav::ConvectionState defaults(double tFluid) {
    zav::ConvectionState s;
    s.tFluid = tFluid;
    s.charLength = 0.1;
    s.area = 1;
    s.emissivity = 0.8;
    return s;
}

// A sweep point (evaluatePoint) with the surface temperature walking through the fluid's range.
void point(benchmark::State& st, FluidKind fluid, PropertyModel model) {
    const bool air = fluid == FluidKind::Air;
    zav::ConvectionState s = defaults(air ? 20 : 10);
    Inputs in;
    in.values.fluid = fluid;
    in.values.properties = model;
    zav::bench::Silent reporter;
    const double low = air ? -100 : 0;
    const double span = air ? 1500 : 90;
    double step = 0;
    for (auto _ : st) {
        s.tBody = low + span * step;
        step = step >= 1 ? 0 : step + 0.00037;
        zav::evaluatePoint(s, in, reporter);
        benchmark::DoNotOptimize(s.alphaTotal);
    }
}

// The main window's "Vypočítaj" of the default case, with or without the indicator after it.
void calculation(benchmark::State& st, FluidKind fluid, bool indicator) {
    Inputs in;
    in.values.fluid = fluid;
    for (auto _ : st) {
        zav::ConvectionState s = defaults(20);
        s.tBody = fluid == FluidKind::Air ? 100 : 40;
        benchmark::DoNotOptimize(zav::calculateSteadyState(s, in).ok);
        if (indicator) {
            const zav::ReferenceDeviation d = zav::referenceDeviation(s, in);
            benchmark::DoNotOptimize(d.deviation);
        }
    }
}

// The main window's calculation of a shape, with or without the published correlations beside it
// and the warnings of how sure the result is (what "Vypočítaj" adds for them).
void howSure(benchmark::State& st, zav::SurfaceGeometry shape, bool alternatives) {
    Inputs in;
    in.values.shape = shape;
    for (auto _ : st) {
        zav::ConvectionState s = defaults(20);
        s.tBody = 100;
        benchmark::DoNotOptimize(zav::calculateSteadyState(s, in).ok);
        if (alternatives) {
            benchmark::DoNotOptimize(zav::alternativeResults(s, in).size());
            benchmark::DoNotOptimize(zav::resultWarnings(s, in).size());
        }
    }
}

BENCHMARK_CAPTURE(point, air_builtin, FluidKind::Air, PropertyModel::Builtin);
BENCHMARK_CAPTURE(point, air_reference, FluidKind::Air, PropertyModel::Reference);
BENCHMARK_CAPTURE(point, water_builtin, FluidKind::Water, PropertyModel::Builtin);
BENCHMARK_CAPTURE(point, water_reference, FluidKind::Water, PropertyModel::Reference);
BENCHMARK_CAPTURE(calculation, air, FluidKind::Air, false);
BENCHMARK_CAPTURE(calculation, air_with_indicator, FluidKind::Air, true);
BENCHMARK_CAPTURE(calculation, water, FluidKind::Water, false);
BENCHMARK_CAPTURE(calculation, water_with_indicator, FluidKind::Water, true);
BENCHMARK_CAPTURE(howSure, vertical_plate, zav::SurfaceGeometry::VerticalPlate, false);
BENCHMARK_CAPTURE(howSure, vertical_plate_with_alternatives, zav::SurfaceGeometry::VerticalPlate, true);
BENCHMARK_CAPTURE(howSure, vertical_cylinder, zav::SurfaceGeometry::VerticalCylinder, false);
BENCHMARK_CAPTURE(howSure, vertical_cylinder_with_alternatives, zav::SurfaceGeometry::VerticalCylinder, true);
BENCHMARK_CAPTURE(howSure, sphere, zav::SurfaceGeometry::Sphere, false);
BENCHMARK_CAPTURE(howSure, sphere_with_alternatives, zav::SurfaceGeometry::Sphere, true);

} // namespace

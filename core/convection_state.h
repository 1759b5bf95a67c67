// SPDX-License-Identifier: GPL-3.0-or-later
// The record of one steady-state evaluation and the choices that steer it.
// All quantities are SI with temperatures in °C; every field starts at 0 and keeps the value of
// the previous evaluation wherever a step does not write it.
#pragma once

namespace zav {

enum class FluidKind { Air, Water, UserDefined };

enum class SurfaceGeometry {
    VerticalPlate,
    InclinedPlate,
    HorizontalPlate,
    Cube,
    VerticalCylinder,
    HorizontalCylinder,
    Sphere,
    FinnedTube,
};

/// Which face of a horizontal plate is computed.
enum class PlatePosition { Upper, Lower };

/// Where the properties of air and water come from: the built-in correlations (the program's
/// published behaviour) or the international reference equations. The user-defined fluid has
/// its own models either way.
enum class PropertyModel { Builtin, Reference };

struct ConvectionState {
    // Inputs.
    double tBody = 0;      // °C, surface temperature of the body
    double tFluid = 0;     // °C, fluid far from the surface
    double charLength = 0; // m, characteristic dimension l
    double area = 0;       // m², surface area A
    double emissivity = 0; // 1, relative emissivity of the surface

    double tMean = 0; // °C, film temperature

    // Fluid properties.
    double kinViscosity = 0;   // m²/s
    double dynViscosity = 0;   // Pa·s
    double density = 0;        // kg/m³
    double conductivity = 0;   // W/(m·K)
    double heatCapacity = 0;   // J/(kg·K)
    double expansionCoeff = 0; // 1/K

    // Similarity numbers.
    double prandtl = 0;
    double grashof = 0;
    double rayleigh = 0;
    double prandtlFactor = 0; // f(Pr) of the last correlation that wrote it
    double nusselt = 0;

    // Results.
    double alphaConv = 0;  // W/(m²·K)
    double alphaRad = 0;   // W/(m²·K)
    double alphaTotal = 0; // W/(m²·K)
    double heatFlow = 0;   // W
};

} // namespace zav

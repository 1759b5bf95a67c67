// SPDX-License-Identifier: GPL-3.0-or-later
// The surface shapes, each once, in SurfaceGeometry order: the name the command line and the
// Python module take. The main window's buttons and pictures and the front ends' shape option
// name their entries by SurfaceGeometry and read the rest from here.
#pragma once

#include <array>
#include <cstddef>

#include "core/convection_state.h"

namespace zav {

struct SurfaceShapeInfo {
    SurfaceGeometry id;
    const char* commandName; // as --shape and shape= take it
};

inline constexpr std::array<SurfaceShapeInfo, 8> kSurfaceShapes = {{
    {SurfaceGeometry::VerticalPlate, "vertical-plate"},
    {SurfaceGeometry::InclinedPlate, "inclined-plate"},
    {SurfaceGeometry::HorizontalPlate, "horizontal-plate"},
    {SurfaceGeometry::Cube, "cube"},
    {SurfaceGeometry::VerticalCylinder, "vertical-cylinder"},
    {SurfaceGeometry::HorizontalCylinder, "horizontal-cylinder"},
    {SurfaceGeometry::Sphere, "sphere"},
    {SurfaceGeometry::FinnedTube, "finned-tube"},
}};

/// The entry of `shape`.
constexpr const SurfaceShapeInfo& surfaceShapeInfo(SurfaceGeometry shape) {
    return kSurfaceShapes[static_cast<std::size_t>(shape)];
}

namespace detail {
constexpr bool surfaceShapesInEnumOrder() {
    for (std::size_t i = 0; i < kSurfaceShapes.size(); ++i) {
        if (static_cast<std::size_t>(kSurfaceShapes[i].id) != i)
            return false;
    }
    return static_cast<std::size_t>(SurfaceGeometry::FinnedTube) + 1 == kSurfaceShapes.size();
}
} // namespace detail
static_assert(detail::surfaceShapesInEnumOrder(), "kSurfaceShapes holds every SurfaceGeometry once, in its order");

} // namespace zav

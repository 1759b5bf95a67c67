// SPDX-License-Identifier: GPL-3.0-or-later
// The surface shapes, each once, in SurfaceGeometry order: one row per shape with the name the
// command line and the Python module take, the shape's own inputs, its Nusselt correlation, the
// check of the range in which the correlation holds and the margins to that range. The
// calculation (core/nusselt.h) and every front end's shape choice and shape inputs read each
// per-shape fact from here.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/convection_state.h"
#include "core/correlations.h"

namespace zav {

/// The names of the shapes' own inputs, beside the inputs every shape takes.
inline constexpr std::string_view kAngleInput = "angle";                // degrees from the vertical
inline constexpr std::string_view kFaceInput = "face";                  // the upper or the lower face
inline constexpr std::string_view kFinGapInput = "fin_gap";             // m, clear gap between the fins
inline constexpr std::string_view kTubeDiameterInput = "tube_diameter"; // m, the finned tube's diameter

/// A shape's own inputs, in the order the calculation reads them.
struct ShapeInputList {
    const std::string_view* first = nullptr;
    std::size_t count = 0;

    constexpr const std::string_view* begin() const { return first; }
    constexpr const std::string_view* end() const { return first + count; }
    constexpr bool contains(std::string_view name) const {
        for (std::string_view input : *this) {
            if (input == name)
                return true;
        }
        return false;
    }
};

template <std::size_t N> constexpr ShapeInputList shapeInputs(const std::string_view (&names)[N]) {
    return {names, N};
}

/// What a shape's functions are given: the similarity numbers, the case's geometry and fluid, and
/// the shape's own inputs (only those the shape lists are read; the others keep their defaults).
struct ShapePoint {
    double prandtl = 0;
    double grashof = 0;
    double rayleigh = 0;      // as the correlation left it (the inclined plate tilts it)
    double prandtlFactor = 0; // f(Pr) as the correlation left it; read by the checks only
    double charLength = 0;    // m, l
    double area = 0;          // m², A
    FluidKind fluid = FluidKind::Air;
    double angleDeg = 0;                 // "angle": degrees from the vertical
    PlateFace face = PlateFace::Neither; // "face", with the temperatures
    double finGap = 0;                   // "fin_gap": m
    double tubeDiameter = 0;             // "tube_diameter": m
};

/// The texts with which a check refuses a result: the message and the one-line status text.
struct ShapeRefusal {
    const char* message;
    const char* statusText;
};

/// A published correlation for a shape beside the program's own (core/alternatives.h has the
/// formulas and their sources). Its functions are pure.
struct AlternativeCorrelation {
    const char* id;    // as zav-calc and the module name it: "churchill-chu-laminar"
    const char* name;  // Slovak, with its authors and year
    const char* range; // its published range, as the comparison shows it
    /// The characteristic length it is written for (m), from the shape's inputs.
    double (*length)(const ShapePoint& point);
    /// Nu on that length; `ra` is the Rayleigh number on that length.
    double (*nusselt)(double pr, double ra, const ShapePoint& point);
    /// Whether the point lies in its published range.
    bool (*inRange)(double pr, double ra, const ShapePoint& point);
};

/// A shape's alternative correlations, in the order they are shown.
struct AlternativeList {
    const AlternativeCorrelation* first = nullptr;
    std::size_t count = 0;

    constexpr const AlternativeCorrelation* begin() const { return first; }
    constexpr const AlternativeCorrelation* end() const { return first + count; }
};

// The shapes' alternatives (core/alternatives.cpp); the finned tube has none.
extern const AlternativeCorrelation kVerticalPlateAlternatives[2];
extern const AlternativeCorrelation kInclinedPlateAlternatives[1];
extern const AlternativeCorrelation kHorizontalPlateAlternatives[2];
extern const AlternativeCorrelation kCubeAlternatives[1];
extern const AlternativeCorrelation kVerticalCylinderAlternatives[2];
extern const AlternativeCorrelation kHorizontalCylinderAlternatives[2];
extern const AlternativeCorrelation kSphereAlternatives[2];

template <std::size_t N> constexpr AlternativeList alternativeList(const AlternativeCorrelation (&list)[N]) {
    return {list, N};
}

/// One surface shape. Its functions are pure.
struct SurfaceShapeInfo {
    SurfaceGeometry id;
    const char* commandName; // as --shape and shape= take it
    ShapeInputList inputs;   // the shape's own inputs (kAngleInput …)
    /// The correlation at a point whose similarity numbers and inputs are given.
    ShapeNusselt (*nusselt)(const ShapePoint& point);
    /// The check of the correlation's range, at the point as the correlation left it: empty on
    /// pass, else the texts it refuses with.
    std::optional<ShapeRefusal> (*validity)(const ShapePoint& point);
    /// How far the point lies inside the correlation's range (see correlationMargin).
    double (*correlationMargin)(const ShapePoint& point);
    /// Where a correlation of two forms changes its form (see formulaSwitchMargin); NaN for one form.
    double (*formulaSwitchMargin)(const ShapePoint& point);
    /// The warning of a result outside the correlation's published range (beyond what `validity`
    /// refuses), or near a change of its form; empty where there is none.
    std::string (*rangeWarning)(const ShapePoint& point);
    /// The published correlations beside it.
    AlternativeList alternatives;
    /// The correlation's name with its source, and its range as the comparison shows them.
    const char* correlationName;
    const char* correlationRange;
    /// The shape's Slovak name as the main window's caption gives it, and which length l is.
    const char* caption;
    const char* lengthDescription;
};

/// Texts of a refused correlation.
extern const char* const kFinnedTubeMessage;
extern const char* const kFinnedTubeStatus;
extern const char* const kPlateMessage;
extern const char* const kPlateStatus;
extern const char* const kHorizontalPlateMessage;
extern const char* const kHorizontalPlateStatus;

/// The checks and margins that the rows share or own.
namespace shape_ranges {
/// Never refuses.
std::optional<ShapeRefusal> passes(const ShapePoint& point);
/// The plates' 0.1 <= Ra <= 10^12.
std::optional<ShapeRefusal> plateCheck(const ShapePoint& point);
/// The held-under face's 1000 <= Ra·f <= 10^10, and a face without a form.
std::optional<ShapeRefusal> horizontalPlateCheck(const ShapePoint& point);
/// In air, 1000 <= Gr·Pr <= 10^7; other fluids pass.
std::optional<ShapeRefusal> finnedTubeCheck(const ShapePoint& point);

/// A correlation without a range: the Rayleigh number's distance from 0, as every correlation
/// takes a fractional power of it.
double rayleighMargin(const ShapePoint& point);
double plateMargin(const ShapePoint& point);
double horizontalPlateMargin(const ShapePoint& point);
double finnedTubeMargin(const ShapePoint& point);

/// No warning.
std::string noWarning(const ShapePoint& point);
/// The sphere's laminar form above Ra = 10^9.
std::string sphereWarning(const ShapePoint& point);
/// The inclined plate from half its critical Rayleigh number on: the form changes at Ra_c, by how
/// much Nu jumps there.
std::string inclinedPlateWarning(const ShapePoint& point);
/// The rising face of a horizontal plate within a factor 2 of Ra·f2 = 7·10^4, where its form
/// changes, by how much Nu jumps there.
std::string horizontalPlateWarning(const ShapePoint& point);
/// The vertical cylinder whose curvature term 0.435·l/d exceeds the plate's Nu.
std::string verticalCylinderWarning(const ShapePoint& point);

/// NaN: a correlation of one form.
double oneForm(const ShapePoint& point);
double inclinedPlateSwitch(const ShapePoint& point);
double horizontalPlateSwitch(const ShapePoint& point);
} // namespace shape_ranges

// The own inputs of the shapes that have some.
inline constexpr std::string_view kInclinedPlateInputs[] = {kAngleInput};
inline constexpr std::string_view kHorizontalPlateInputs[] = {kFaceInput};
inline constexpr std::string_view kFinnedTubeInputs[] = {kFinGapInput, kTubeDiameterInput};

/// One row per shape, in SurfaceGeometry order.
inline constexpr std::array kSurfaceShapes{
    SurfaceShapeInfo{
        SurfaceGeometry::VerticalPlate, "vertical-plate", {},
        [](const ShapePoint& p) { return verticalPlateNusselt(p.prandtl, p.rayleigh); },
        shape_ranges::plateCheck, shape_ranges::plateMargin, shape_ranges::oneForm, shape_ranges::noWarning,
        alternativeList(kVerticalPlateAlternatives), "Churchill a Chu (1975)",
        "0,1 ≤ Ra ≤ 10^12", "Vertikálna plocha", "l je výška plochy"},
    SurfaceShapeInfo{
        SurfaceGeometry::InclinedPlate, "inclined-plate", shapeInputs(kInclinedPlateInputs),
        [](const ShapePoint& p) { return inclinedPlateNusselt(p.prandtl, p.rayleigh, p.angleDeg); },
        shape_ranges::plateCheck, shape_ranges::plateMargin, shape_ranges::inclinedPlateSwitch,
        shape_ranges::inclinedPlateWarning, alternativeList(kInclinedPlateAlternatives),
        "Churchill a Chu (1975) pod Ra_c, Fujii a Imura (1972) nad", "0,1 ≤ Ra ≤ 10^12", "Vert. naklonená plocha",
        "l je dĺžka plochy v smere sklonu, uhol α sa meria od zvislice"},
    SurfaceShapeInfo{
        SurfaceGeometry::HorizontalPlate, "horizontal-plate", shapeInputs(kHorizontalPlateInputs),
        [](const ShapePoint& p) { return horizontalPlateNusselt(p.prandtl, p.rayleigh, p.face); },
        shape_ranges::horizontalPlateCheck, shape_ranges::horizontalPlateMargin,
        shape_ranges::horizontalPlateSwitch, shape_ranges::horizontalPlateWarning,
        alternativeList(kHorizontalPlateAlternatives), "VDI Heat Atlas, F2",
        "zadržiavajúca plocha 10^3 ≤ Ra·f1 ≤ 10^10", "Horizontálna plocha",
        "l = a·b / (2·(a + b)), a a b sú strany plochy"},
    SurfaceShapeInfo{
        SurfaceGeometry::Cube, "cube", {},
        [](const ShapePoint& p) { return cubeNusselt(p.prandtl, p.rayleigh); },
        shape_ranges::passes, shape_ranges::rayleighMargin, shape_ranges::oneForm, shape_ranges::noWarning,
        alternativeList(kCubeAlternatives), "5,748 + 0,752·(Ra·f1)^0,252, l = 3s√π",
        "neuvedený", "Kocka", "l = 3·s·√π, s je hrana kocky"},
    SurfaceShapeInfo{
        SurfaceGeometry::VerticalCylinder, "vertical-cylinder", {},
        [](const ShapePoint& p) {
            return verticalCylinderNusselt(p.prandtl, p.rayleigh, p.charLength, p.area);
        },
        shape_ranges::passes, shape_ranges::rayleighMargin, shape_ranges::oneForm, shape_ranges::verticalCylinderWarning,
        alternativeList(kVerticalCylinderAlternatives),
        "Churchill a Chu (1975) + 0,435·l/d", "0,1 ≤ Ra ≤ 10^12 (doska)", "Vertikálny valec", "l je výška valca"},
    SurfaceShapeInfo{
        SurfaceGeometry::HorizontalCylinder, "horizontal-cylinder", {},
        [](const ShapePoint& p) { return horizontalCylinderNusselt(p.prandtl, p.rayleigh); },
        shape_ranges::passes, shape_ranges::rayleighMargin, shape_ranges::oneForm, shape_ranges::noWarning,
        alternativeList(kHorizontalCylinderAlternatives),
        "Churchill a Chu (1975), l = (π/2)·D", "10^-5 ≤ Ra_D ≤ 10^12", "Horizontálny valec", "l = (π/2)·D, D je priemer valca"},
    SurfaceShapeInfo{
        SurfaceGeometry::Sphere, "sphere", {},
        [](const ShapePoint& p) { return sphereNusselt(p.prandtl, p.rayleigh); },
        shape_ranges::passes, shape_ranges::rayleighMargin, shape_ranges::oneForm, shape_ranges::sphereWarning,
        alternativeList(kSphereAlternatives), "2 + 0,56·(Pr·Ra/(Pr + 0,846))^¼",
        "laminárna, Ra ≤ 10^9", "Guľa", "l = D, priemer gule"},
    SurfaceShapeInfo{
        SurfaceGeometry::FinnedTube, "finned-tube", shapeInputs(kFinnedTubeInputs),
        [](const ShapePoint& p) { return finnedTubeNusselt(p.prandtl, p.grashof, p.finGap, p.tubeDiameter); },
        shape_ranges::finnedTubeCheck, shape_ranges::finnedTubeMargin, shape_ranges::oneForm, shape_ranges::noWarning,
        {}, "0,24·(s/d·Gr·Pr)^⅓, vo vzduchu", "10^3 ≤ Gr·Pr ≤ 10^7", "Rebrovaná rúrka",
        "l = d + h, d je priemer rúrky a h výška rebra"},
};

/// The row of `shape`.
constexpr const SurfaceShapeInfo& surfaceShapeInfo(SurfaceGeometry shape) {
    return kSurfaceShapes[static_cast<std::size_t>(shape)];
}

namespace detail {
constexpr bool knownShapeInput(std::string_view name) {
    return name == kAngleInput || name == kFaceInput || name == kFinGapInput || name == kTubeDiameterInput;
}
constexpr bool surfaceShapeInputsKnown() {
    for (const SurfaceShapeInfo& shape : kSurfaceShapes) {
        for (std::string_view input : shape.inputs) {
            if (!knownShapeInput(input))
                return false;
        }
    }
    return true;
}
constexpr bool surfaceShapesInEnumOrder() {
    for (std::size_t i = 0; i < kSurfaceShapes.size(); ++i) {
        if (static_cast<std::size_t>(kSurfaceShapes[i].id) != i)
            return false;
    }
    return static_cast<std::size_t>(SurfaceGeometry::FinnedTube) + 1 == kSurfaceShapes.size();
}
} // namespace detail
static_assert(detail::surfaceShapesInEnumOrder(),
              "kSurfaceShapes holds every SurfaceGeometry once, in its order");
static_assert(detail::surfaceShapeInputsKnown(), "every shape's own input is one that computeNusselt reads");

} // namespace zav

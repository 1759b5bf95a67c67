// SPDX-License-Identifier: GPL-3.0-or-later
// The Nusselt correlations of natural convection from the eight surface shapes, each a pure
// function of the similarity numbers and of the geometry it needs, with its form, the range in
// which it holds and the work it comes from. The constants are those of the published fits as the
// program has always written them (0.5625 and -1.77777777 in the plate function, 0.166667 and
// 0.166666 for 1/6, 3.1416 and 3.141592 for π), so that every result stays the same to the bit.
#pragma once

#include <optional>

#include "core/convection_state.h"

namespace zav {

/// What a correlation gives. A field it leaves empty keeps its previous value in the state.
struct ShapeNusselt {
    /// Nu with the shape's characteristic dimension l; empty where the correlation has no form
    /// for the case.
    std::optional<double> nusselt;
    /// The f(Pr) the correlation defines, where it defines one.
    std::optional<double> prandtlFactor;
    /// The Rayleigh number the correlation works with, where it is not the one given (the inclined
    /// plate's, with g·cos θ).
    std::optional<double> rayleigh;
};

/// A horizontal plate's face as the fluid meets it: from the warm face up (or the cold face down)
/// the fluid rises (or sinks) freely; the other two faces hold it under the plate; at equal
/// temperatures neither.
enum class PlateFace { Rising, Opposite, Neither };

/// The face of a horizontal plate whose `position` face is computed, with the body at `tBody` and
/// the fluid at `tFluid` (°C).
PlateFace plateFace(PlatePosition position, double tBody, double tFluid);

/// Churchill and Chu's Prandtl function f(a) = [1 + (a/Pr)^0.5625]^(-1.77777777), that is
/// [1 + (a/Pr)^(9/16)]^(-16/9): with a = 0.492 the plate's f1(Pr), with a = 0.559 the horizontal
/// cylinder's f3(Pr) in the notation of the VDI Heat Atlas.
double churchillChuPrandtlFunction(double a, double pr);

/// The horizontal plate's f2(Pr) = [1 + (0.322/Pr)^0.55]^(-1.818181), that is
/// [1 + (0.322/Pr)^(11/20)]^(-20/11) (VDI Heat Atlas).
double horizontalPlatePrandtlFunction(double pr);

/// The inclined plate's critical Rayleigh number Ra_c = 10^(8.9 - 0.00178·θ^1.82), θ in degrees
/// from the vertical (Fujii and Imura 1972); a negative θ has no real power and gives NaN.
double inclinedPlateCriticalRayleigh(double angleDeg);

/// Ra·f2(Pr) above which the rising face of a horizontal plate takes its turbulent form.
constexpr double kRisingFaceSwitch = 70000;

/// True where the held-under face of a horizontal plate has its form: 1000 < Ra·f2(Pr) < 10^10.
bool oppositeFaceHasForm(double raF2);

/// Vertical plate, l its height. Churchill and Chu, laminar and turbulent in one fit:
///   Nu = [0.825 + 0.387·(Ra·f1)^(1/6)]², f1 = [1 + (0.492/Pr)^(9/16)]^(-16/9)  (f1 written).
/// Published for 10^-1 < Ra < 10^12 and all Pr; the program refuses Ra outside 0.1..10^12
/// (inclusive). S. W. Churchill, H. H. S. Chu, "Correlating equations for laminar and turbulent
/// free convection from a vertical plate", Int. J. Heat Mass Transfer 18 (1975) 1323–1329; in
/// this form (Ra·f1) as the VDI Heat Atlas, chapter F2, gives it.
ShapeNusselt verticalPlateNusselt(double pr, double ra);

/// Vertical cylinder, l its height, A its lateral area: the vertical plate's Nu plus the curvature
/// term 0.435·l/d, with the diameter d = A/(π·l) (π as 3.1416). The plate's range holds for the
/// plate term; the program checks none for the cylinder. The term added to the plate is the form
/// in which the VDI Heat Atlas (chapter F2) corrects a vertical plate for a slender cylinder; the
/// coefficient 0.435 is the closest known attribution, not a confirmed one (the laminar analysis
/// of Le Fevre and Ede, 1956, gives a term of this form with about 0.5 for air).
ShapeNusselt verticalCylinderNusselt(double pr, double ra, double charLength, double area);

/// Plate inclined by θ (degrees from the vertical, "angle"), its heated face up, l its length
/// along the slope. Below the critical Ra_c (inclinedPlateCriticalRayleigh) the vertical plate's
/// correlation with g·cos θ, that is with Ra·cos θ (written as the Rayleigh number, f1 written);
/// from Ra_c on the turbulent form
///   Nu = 0.56·(Ra_c·cos θ)^(1/4) + 0.13·(Ra^(1/3) - Ra_c^(1/3))   (1/3 as 0.3333).
/// The program takes θ as typed (π as 3.141592, so that cos 90° is 3.27·10⁻⁷, not 0) and refuses
/// the Rayleigh number it works with outside 0.1..10^12 (inclusive), as for the vertical plate;
/// the measurements behind the turbulent form (in water) are usually quoted for θ of about 15° to
/// 75° and Ra up to about 10^11. T. Fujii, H. Imura, "Natural-convection heat transfer from a
/// plate with arbitrary inclination", Int. J. Heat Mass Transfer 15 (1972) 755–767; with Ra_c
/// and the constants as the VDI Heat Atlas, chapter F2, gives them.
ShapeNusselt inclinedPlateNusselt(double pr, double ra, double angleDeg);

/// Horizontal plate, l = A/P (area over perimeter, a·b/(2·(a + b))), f2 = horizontalPlate-
/// PrandtlFunction (written first). The rising face (warm face up, cold face down):
///   Nu = 0.766·(Ra·f2)^(1/5) up to Ra·f2 = 7·10^4, Nu = 0.15·(Ra·f2)^(1/3) above (1/3 as
///   0.33333333);
/// the held-under face (warm face down, cold face up), for 10^3 < Ra·f2 < 10^10 only:
///   Nu = 0.6·(Ra·f1)^(1/5), f1 = [1 + (0.492/Pr)^(9/16)]^(-16/9) (-16/9 as -1.777777; f1
///   replaces f2),
/// elsewhere and at equal temperatures no Nu. The held-under face is published for
/// 10^3 < Ra·f1 < 10^10, and the program refuses it outside 1000..10^10 of Ra·f1 (inclusive) or
/// without a form; the rising face is not checked. The forms and ranges of the VDI Heat Atlas,
/// chapter F2 (W. Kast, H. Klan), to the best of our knowledge; the closest known attribution, not
/// a confirmed one. The 1/5 power of a heated face turned down goes back to Fujii and Imura (1972),
/// the rising face's 0.15·Ra^(1/3) to J. R. Lloyd, W. R. Moran, J. Heat Transfer 96 (1974)
/// 443–447.
ShapeNusselt horizontalPlateNusselt(double pr, double ra, PlateFace face);

/// Cube, l the length the picture gives (3·s·√π for the edge s):
///   Nu = 5.748 + 0.752·(Ra/F)^0.252, F = [1 + (0.492/Pr)^(9/16)]^(16/9) = 1/f1 (F written).
/// No range is checked. Its origin is not known for certain: the form, a conduction limit plus a
/// boundary-layer term in Ra·f1, is that of the correlations for bodies of arbitrary shape of
/// M. M. Yovanovich (1987) and A. V. Hassani, K. G. T. Hollands, J. Heat Transfer 111 (1989)
/// 363–371, written with the VDI Heat Atlas's f1; the constants 5.748, 0.752 and the power 0.252
/// match no source we could confirm.
ShapeNusselt cubeNusselt(double pr, double ra);

/// Horizontal cylinder, l = (π/2)·D (the length the fluid flows over, D the diameter):
///   Nu = [0.752 + 0.387·(Ra·f3)^(1/6)]², f3 = [1 + (0.559/Pr)^(9/16)]^(-16/9)  (f3 written).
/// Churchill and Chu's correlation, Nu_D = [0.60 + 0.387·Ra_D^(1/6)/(...)^(8/27)]², rewritten for
/// the flow length l (0.752 = 0.60·√(π/2)); published for 10^-5 < Ra_D < 10^12, no range is
/// checked. S. W. Churchill, H. H. S. Chu, "Correlating equations for laminar and turbulent free
/// convection from a horizontal cylinder", Int. J. Heat Mass Transfer 18 (1975) 1049–1053; in
/// this form as the VDI Heat Atlas, chapter F2, gives it.
ShapeNusselt horizontalCylinderNusselt(double pr, double ra);

/// Sphere, l = D:
///   Nu = 2 + 0.56·(Pr/(Pr + 0.846)·Ra)^(1/4)   (no f(Pr) written).
/// The conduction limit 2 plus a laminar boundary layer; no range is checked. The form the VDI
/// Heat Atlas, chapter F2, gives for the sphere, to the best of our knowledge; its primary source
/// is not established (S. W. Churchill's sphere correlation of 1983 is of the same kind,
/// Nu = 2 + 0.589·Ra^(1/4)/[1 + (0.469/Pr)^(9/16)]^(4/9), for Ra up to about 10^11).
ShapeNusselt sphereNusselt(double pr, double ra);

/// Horizontal tube with annular fins in air, l = d + h (tube diameter plus fin height), s the
/// clear gap between the fins ("fin_gap"), d the tube's diameter ("tube_diameter"):
///   Nu = 0.24·(s/d·Gr·Pr)^(1/3)   (1/3 as 0.33333; no f(Pr) written).
/// Known for air only; the program refuses Gr·Pr outside 1000..10^7 (inclusive) in air and checks
/// nothing for other fluids. Its origin is not known: we found no published correlation with
/// these constants. The closest known work is T. Tsubouchi, H. Masuda, "Natural convection heat
/// transfer from horizontal cylinders with circular fins", 4th Int. Heat Transfer Conference,
/// Paris 1970 (measurements in air, correlated on a Rayleigh number of the fin gap); an
/// attribution to it is not confirmed.
ShapeNusselt finnedTubeNusselt(double pr, double gr, double finGap, double tubeDiameter);

} // namespace zav

// SPDX-License-Identifier: GPL-3.0-or-later
// How sure a result is: the published correlations for the same body beside the program's own
// (each from the same fluid properties, on its own characteristic length), the warnings of a
// result outside its correlation's published range, and the limits of the medium. The case's own
// numbers never change: this only reads a state that calculateSteadyState has computed.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/convection_state.h"
#include "core/evaluation_inputs.h"
#include "core/surface_shapes.h"

namespace zav {

/// Nu of the vertical plate by Churchill and Chu's laminar correlation:
///   Nu = 0.68 + 0.670·Ra^(1/4)/[1 + (0.492/Pr)^(9/16)]^(4/9),  published for Ra ≤ 10^9.
/// S. W. Churchill, H. H. S. Chu, Int. J. Heat Mass Transfer 18 (1975) 1323–1329.
double churchillChuLaminarNusselt(double pr, double ra);

/// Nu of the vertical plate by Churchill and Chu, laminar and turbulent in one fit:
///   Nu = [0.825 + 0.387·Ra^(1/6)/[1 + (0.492/Pr)^(9/16)]^(8/27)]²,  10^-1 ≤ Ra ≤ 10^12
/// (the same work), written with the exact exponents.
double churchillChuPlateNusselt(double pr, double ra);

/// Nu of the vertical plate by McAdams: 0.59·Ra^(1/4) for 10^4 ≤ Ra ≤ 10^9, 0.10·Ra^(1/3) for
/// 10^9 < Ra ≤ 10^13. W. H. McAdams, Heat Transmission, 3rd ed., McGraw-Hill 1954, ch. 7.
double mcAdamsPlateNusselt(double ra);

/// Nu of a horizontal plate by McAdams, l = A/P: the face from which the fluid rises freely
/// 0.54·Ra^(1/4) for 10^4 ≤ Ra ≤ 10^7, 0.15·Ra^(1/3) for 10^7 < Ra ≤ 10^11; the face that holds
/// it under the plate 0.27·Ra^(1/4) for 10^5 ≤ Ra ≤ 10^10. McAdams, Heat Transmission (1954), with
/// the length A/P of J. R. Lloyd, W. R. Moran, J. Heat Transfer 96 (1974) 443–447.
double mcAdamsHorizontalNusselt(double ra, bool rising);

/// Nu of a horizontal plate by Raithby and Hollands, l = A/P. Rising face:
///   Nu_T = 0.835·C̄l·Ra^(1/4), C̄l = 0.671/[1 + (0.492/Pr)^(9/16)]^(4/9),
///   Nu_l = 1.4/ln(1 + 1.4/Nu_T), Nu_t = 0.14·(1 + 0.0107·Pr)/(1 + 0.01·Pr)·Ra^(1/3),
///   Nu = (Nu_l^10 + Nu_t^10)^(1/10),  1 ≤ Ra ≤ 10^10;
/// held-under face: Nu_T = 0.527·Ra^(1/5)/[1 + (1.9/Pr)^(9/10)]^(2/9), Nu = 2.5/ln(1 + 2.5/Nu_T),
/// 10^3 ≤ Ra ≤ 10^10. G. D. Raithby, K. G. T. Hollands, "Natural convection", in W. M. Rohsenow,
/// J. P. Hartnett, Y. I. Cho (eds.), Handbook of Heat Transfer, 3rd ed., McGraw-Hill 1998, ch. 4.
double raithbyHollandsHorizontalNusselt(double pr, double ra, bool rising);

/// Nu_D of a horizontal cylinder by Morgan: C·Ra_D^n with (C, n) = (0.675, 0.058) for
/// 10^-10 ≤ Ra_D < 10^-2, (1.02, 0.148) to 10^2, (0.850, 0.188) to 10^4, (0.480, 0.250) to 10^7,
/// (0.125, 0.333) to 10^12. V. T. Morgan, "The overall convective heat transfer from smooth
/// circular cylinders", Advances in Heat Transfer 11 (1975) 199–264.
double morganCylinderNusselt(double raD);

/// Nu_D of a horizontal cylinder by Kuehn and Goldstein:
///   Nu = 2/ln(1 + 2/[(0.518·Ra^(1/4)·[1 + (0.559/Pr)^(3/5)]^(-5/12))^15 + (0.1·Ra^(1/3))^15]^(1/15)),
/// for laminar and turbulent flow, not for liquid metals. T. H. Kuehn, R. J. Goldstein, Int. J.
/// Heat Mass Transfer 19 (1976) 1127–1134.
double kuehnGoldsteinNusselt(double pr, double raD);

/// Nu_D of a sphere by Churchill:
///   Nu = 2 + 0.589·Ra^(1/4)/[1 + (0.469/Pr)^(9/16)]^(4/9)·{1 + 7.44·10^-8·Ra/[1 + (0.469/Pr)^(9/16)]^(16/9)}^(1/12),
/// for Ra_D < 10^13. S. W. Churchill, in Heat Exchanger Design Handbook, Hemisphere 1983, §2.5.7.
double churchillSphereNusselt(double pr, double raD);

/// Nu on the square root of the area of a body by Yovanovich's model of bodies of arbitrary shape:
///   Nu_√A = Nu∞ + G·F(Pr)·Ra_√A^(1/4), F = 0.670/[1 + (0.5/Pr)^(9/16)]^(4/9),
/// laminar, Ra_√A ≤ 10^8; the sphere Nu∞ = 2√π, G = 1.023; the cube Nu∞ = 3.388, G = 0.951.
/// M. M. Yovanovich, "On the effect of shape, aspect ratio and orientation upon natural
/// convection from isothermal bodies of complex shape", ASME HTD 82 (1987) 121–129.
double yovanovichNusselt(double pr, double raSqrtA, double conductionLimit, double gFactor);

/// Nu of a vertical cylinder of height l and diameter d by Popiel and Churchill:
///   Nu = Nu_plate·(1 + B·(32^(1/2)·Gr^(-1/4)·l/d)^C), B = 0.0571322 + 0.20305·Pr^(-0.43),
///   C = 0.9165 − 0.0043·Pr^(1/2) + 0.01333·ln Pr + 0.0004809/Pr, Nu_plate of Churchill and Chu;
/// laminar, 10^4 ≤ Ra ≤ 10^9, 0.01 ≤ Pr ≤ 100, l/d ≤ 60. C. O. Popiel, "Free convection heat
/// transfer from vertical slender cylinders: a review", Heat Transfer Eng. 29 (2008) 521–536.
double popielChurchillNusselt(double pr, double ra, double heightOverDiameter);

/// Nu of a vertical cylinder by McAdams with the data of Weise and of Saunders: 0.59·Ra^(1/4) for
/// 10^4 ≤ Ra ≤ 10^9, 0.13·Ra^(1/3) to 10^12, for d/l ≥ 35·Gr^(-1/4) (a cylinder that is a plate).
/// McAdams, Heat Transmission (1954), as V. T. Morgan (1975) and C. O. Popiel (2008) quote it.
double mcAdamsWeissSaundersNusselt(double ra);

/// One alternative's result beside the program's own.
struct AlternativeResult {
    std::string id;
    std::string name;
    std::string range;    // its published range, as a text
    double length = 0;    // m, its characteristic length
    double nusselt = 0;   // on that length
    double alphaConv = 0; // W/(m²·K)
    double deviation = 0; // (α_alternative − α_program)/α_program
    bool inRange = false;
};

/// Every alternative of the case's shape at a state that calculateSteadyState has passed, from its
/// properties and similarity numbers; none for a state without a convective coefficient.
std::vector<AlternativeResult> alternativeResults(const ConvectionState& state, const EvaluationInputs& inputs);

/// "−16", "+9", "0": a fraction as a whole percent with its sign (U+2212 for minus).
std::string signedPercent(double fraction);

/// The spread of the alternatives in one line: "Iné publikované korelácie: α_konv 4,90 až 6,12
/// W.m-2.K-1 (−8 % až +14 %)", one value without "až", and a shape without any said so.
std::string alternativesSpread(const std::vector<AlternativeResult>& alternatives);

/// The columns of the comparison of correlations, as its window and the calculation report head them.
inline constexpr std::array<const char*, 6> kComparisonColumns = {
    "Korelácia (zdroj)", "Dĺžka (m)", "Nu (1)", "α_konv (W.m-2.K-1)", "Odchýlka", "Rozsah"};
using ComparisonRow = std::array<std::string, kComparisonColumns.size()>;

/// The comparison as texts: first the program's own correlation of `shape` ("Program: " and its
/// name, no deviation), then each alternative, its range followed by " – mimo rozsahu" when the
/// case lies outside it.
std::vector<ComparisonRow> comparisonRows(SurfaceGeometry shape, const ConvectionState& state,
                                          const std::vector<AlternativeResult>& alternatives);

/// The warnings of how sure a passed result is, in order: outside its correlation's published
/// range (or near a change of its form), then the limits of the medium (water boiling at the
/// surface or in the fluid, water freezing, radiation through water). Each begins "Pozor:".
std::vector<std::string> resultWarnings(const ConvectionState& state, const EvaluationInputs& inputs);

} // namespace zav

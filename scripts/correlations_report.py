# SPDX-License-Identifier: GPL-3.0-or-later
"""Validation report of ZAV's Nusselt correlations against the published alternatives.

For every surface shape with alternatives the program computes, beside its own correlation, the
published correlations for the same body (Result.alternatives of the Python module zav: each from
the same fluid properties, on its own characteristic length, with a flag for its published range).
This script sweeps the Rayleigh number on the program's length from 1e2 to 1e12 in air and in
water near 20 °C by varying that length, plots the program's Nusselt number and each
alternative's converted to the program's length, measures how far the alternatives spread from
the program's correlation, looks for jumps in the program's Nusselt number, and computes the
textbooks' worked examples through the program: once with the example's own fluid properties (a
user-defined fluid of constant properties) and once with the program's air. It writes
correlations.md with one PNG plot per shape (correlations-<shape>.png) into the output directory
(default: docs/ of the project).

    PYTHONPATH=build/tools/python /usr/bin/python3 scripts/correlations_report.py [OUTPUT_DIR]
"""

import json
import math
import pathlib
import sys
import tempfile
import warnings

import matplotlib

matplotlib.use("Agg")

import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

import zav  # noqa: E402

# The sweep: the body 1 K above the fluid near 20 °C, the built-in properties, and the Rayleigh
# number on the program's length from RA_LOW to RA_HIGH, POINTS_PER_DECADE points a decade.
T_FLUID = 20.0  # °C
T_BODY = 21.0  # °C
RA_LOW, RA_HIGH = 1e2, 1e12
POINTS_PER_DECADE = 20
FLUIDS = ("air", "water")
FLUID_NAMES = {"air": "Air", "water": "Water"}

# The program's acceleration of gravity (Gr = l³·g·β·|ΔT|/ν²).
G_PROGRAM = 9.8066  # m/s²

MINUS = "\u2212"


def cylinder_area(slenderness):
    """The lateral area A = π·d·l of a vertical cylinder of height l and l/d = slenderness."""
    return lambda length: {"area": math.pi * length * length / slenderness}


def no_area(length):
    return {}


# The shapes with alternatives and the cases swept for each: (key, title, cases); a case is
# (label, fixed arguments of zav.steady, arguments from the length).
SHAPES = [
    ("vertical-plate", "Vertical plate", [("", {}, no_area)]),
    ("inclined-plate", "Inclined plate",
     [("θ = 30°", {"angle": 30.0}, no_area), ("θ = 60°", {"angle": 60.0}, no_area)]),
    ("horizontal-plate", "Horizontal plate",
     [("Rising face (warm face up)", {"face": "upper"}, no_area),
      ("Held-under face (warm face down)", {"face": "lower"}, no_area)]),
    ("cube", "Cube", [("", {}, no_area)]),
    ("vertical-cylinder", "Vertical cylinder",
     [("l/d = 5", {}, cylinder_area(5.0)), ("l/d = 20", {}, cylinder_area(20.0))]),
    ("horizontal-cylinder", "Horizontal cylinder", [("", {}, no_area)]),
    ("sphere", "Sphere", [("", {}, no_area)]),
]

# The program's own correlation of each shape, as core/correlations.h documents it.
OWN_CORRELATIONS = {
    "vertical-plate":
        "Churchill and Chu's correlation of the whole range, Nu = [0.825 + 0.387·(Ra·f1)^(1/6)]², "
        "f1 = [1 + (0.492/Pr)^(9/16)]^(−16/9), l the height [1] in the form of the VDI Heat "
        "Atlas [2]; published for 0.1 < Ra < 1e12, and the program refuses Ra outside "
        "0.1 … 1e12.",
    "inclined-plate":
        "below the critical Rayleigh number Ra_c = 10^(8.9 − 0.00178·θ^1.82) the vertical "
        "plate's correlation with Ra·cos θ, from Ra_c on the turbulent form of Fujii and Imura "
        "[3], Nu = 0.56·(Ra_c·cos θ)^(1/4) + 0.13·(Ra^(1/3) − Ra_c^(1/3)), with Ra_c and the "
        "constants as the VDI Heat Atlas [2] gives them; l the length along the slope, θ from "
        "the vertical.",
    "horizontal-plate":
        "the forms of the VDI Heat Atlas [2], l = A/P: the rising face "
        "Nu = 0.766·(Ra·f2)^(1/5) up to Ra·f2 = 7e4 and 0.15·(Ra·f2)^(1/3) above, "
        "f2 = [1 + (0.322/Pr)^(11/20)]^(−20/11); the held-under face Nu = 0.6·(Ra·f1)^(1/5), "
        "f1 as for the vertical plate, which has its form only for 1e3 < Ra·f2 < 1e10 and is "
        "refused outside 1e3 ≤ Ra·f1 ≤ 1e10 or without its form. The attribution to the Heat "
        "Atlas is the closest known one, not a confirmed one.",
    "cube":
        "Nu = 5.748 + 0.752·(Ra·f1)^0.252 on l = 3·s·√π (s the edge), a conduction limit plus a "
        "boundary-layer term like the correlations for bodies of arbitrary shape of Yovanovich "
        "[8]; its constants match no source we could confirm. No range is checked.",
    "vertical-cylinder":
        "the vertical plate's Nu plus a curvature term 0.435·l/d, l the height, d = A/(π·l), as "
        "the VDI Heat Atlas [2] corrects a plate for a slender cylinder (the coefficient 0.435 is "
        "not confirmed from a source). The program checks no range for the cylinder.",
    "horizontal-cylinder":
        "Churchill and Chu's correlation for the horizontal cylinder [4], "
        "Nu_D = [0.60 + 0.387·(Ra_D·f3)^(1/6)]², f3 = [1 + (0.559/Pr)^(9/16)]^(−16/9), "
        "written for the length the fluid flows over, l = (π/2)·D (0.752 = 0.60·√(π/2)); "
        "published for 1e−5 < Ra_D < 1e12, no range is checked.",
    "sphere":
        "Nu = 2 + 0.56·(Pr/(Pr + 0.846)·Ra)^(1/4), l = D, the form of the VDI Heat Atlas [2] "
        "for the sphere as far as we know; a laminar form, and the program warns above "
        "Ra = 1e9.",
}

# The alternatives by their ids: the English name, the published range and the reference (the
# program gives their Slovak names and whether a point lies in the range). An alternative whose
# id is not here keeps the program's name.
ALTERNATIVES = {
    "churchill-chu-laminar": ("Churchill & Chu (1975), laminar", "Ra ≤ 1e9", "[1]"),
    "mcadams": ("McAdams (1954)", "1e4 ≤ Ra ≤ 1e13", "[5]"),
    "churchill-chu-cos": ("Churchill & Chu (1975) with g·cos θ",
                          "0.1 ≤ Ra·cos θ ≤ 1e12, θ ≤ 60°", "[1]"),
    "mcadams-horizontal": ("McAdams (1954), l = A/P",
                           "rising face 1e4 ≤ Ra ≤ 1e11, held-under face 1e5 ≤ Ra ≤ 1e10",
                           "[5], [6]"),
    "raithby-hollands-horizontal": ("Raithby & Hollands (1998), l = A/P",
                                    "rising face 1 ≤ Ra ≤ 1e10, held-under face "
                                    "1e3 ≤ Ra ≤ 1e10", "[7]"),
    "yovanovich": ("Yovanovich (1987), l = √A", "Ra_√A ≤ 1e8", "[8]"),
    "popiel-churchill": ("Popiel & Churchill (2008)",
                         "1e4 ≤ Ra ≤ 1e9, 0.01 ≤ Pr ≤ 100, l/d ≤ 60", "[9]"),
    "mcadams-weiss-saunders": ("McAdams, Weise & Saunders (1954)",
                               "1e4 ≤ Ra ≤ 1e12, d/l ≥ 35·Gr^(−1/4)", "[5], [9]"),
    "morgan": ("Morgan (1975), l = D", "1e−10 ≤ Ra_D ≤ 1e12", "[10]"),
    "kuehn-goldstein": ("Kuehn & Goldstein (1976), l = D", "Ra_D ≤ 1e12, Pr ≥ 0.7", "[11]"),
    "churchill-1983": ("Churchill (1983)", "Ra_D < 1e13", "[12]"),
}

REFERENCES = [
    "[1] S. W. Churchill, H. H. S. Chu, “Correlating equations for laminar and turbulent free "
    "convection from a vertical plate”, Int. J. Heat Mass Transfer 18 (1975) 1323–1329.",
    "[2] VDI Heat Atlas, 2nd ed., Springer 2010, chapter F2 (W. Kast, H. Klan, A. Thess), "
    "“Heat transfer by free convection: external flows”.",
    "[3] T. Fujii, H. Imura, “Natural-convection heat transfer from a plate with arbitrary "
    "inclination”, Int. J. Heat Mass Transfer 15 (1972) 755–767.",
    "[4] S. W. Churchill, H. H. S. Chu, “Correlating equations for laminar and turbulent free "
    "convection from a horizontal cylinder”, Int. J. Heat Mass Transfer 18 (1975) 1049–1053.",
    "[5] W. H. McAdams, Heat Transmission, 3rd ed., McGraw-Hill 1954, chapter 7.",
    "[6] J. R. Lloyd, W. R. Moran, “Natural convection adjacent to horizontal surface of "
    "various planforms”, J. Heat Transfer 96 (1974) 443–447.",
    "[7] G. D. Raithby, K. G. T. Hollands, “Natural convection”, in W. M. Rohsenow, "
    "J. P. Hartnett, Y. I. Cho (eds.), Handbook of Heat Transfer, 3rd ed., McGraw-Hill 1998, "
    "chapter 4.",
    "[8] M. M. Yovanovich, “On the effect of shape, aspect ratio and orientation upon natural "
    "convection from isothermal bodies of complex shape”, ASME HTD 82 (1987) 121–129.",
    "[9] C. O. Popiel, “Free convection heat transfer from vertical slender cylinders: a "
    "review”, Heat Transfer Eng. 29 (2008) 521–536.",
    "[10] V. T. Morgan, “The overall convective heat transfer from smooth circular "
    "cylinders”, Advances in Heat Transfer 11 (1975) 199–264.",
    "[11] T. H. Kuehn, R. J. Goldstein, “Correlating equations for natural convection heat "
    "transfer between horizontal circular cylinders”, Int. J. Heat Mass Transfer 19 (1976) "
    "1127–1134.",
    "[12] S. W. Churchill, “Free convection around immersed bodies”, in Heat Exchanger "
    "Design Handbook, Hemisphere 1983, section 2.5.7.",
    "[13] F. P. Incropera, D. P. DeWitt, T. L. Bergman, A. S. Lavine, Fundamentals of Heat and "
    "Mass Transfer, 6th ed., Wiley 2007, chapter 9.",
    "[14] Y. A. Çengel, Heat Transfer: A Practical Approach, 2nd ed., McGraw-Hill 2003, "
    "chapter 9.",
]

INCROPERA = "Incropera et al. [13]"
CENGEL = "Çengel [14]"

# The worked examples: the inputs as the book states them (its fluid properties at the film
# temperature, its g and how it forms Ra) and its published answer. "length" is the program's
# characteristic length, "example_length" the length the book's Nu is on.
EXAMPLES = [
    {
        "book": INCROPERA, "number": "Example 9.2",
        "case": "glass fireplace door, 0.71 m high, 232 °C, room air 23 °C",
        "shape": "vertical-plate", "arguments": {},
        "t_body": 232.0, "t_fluid": 23.0, "length": 0.71, "example_length": 0.71,
        "properties": {"conductivity": 0.0338, "nu": 26.41e-6, "diffusivity": 38.3e-6,
                       "prandtl": 0.690, "beta": 0.0025, "g": 9.8},
        "film": "400 K",
        "published": {"nusselt": "147", "h": "7.0"}, "h": 7.0,
        "correlation": "Churchill & Chu, whole range",
    },
    {
        "book": INCROPERA, "number": "Example 9.3, the duct's sides",
        "case": "sides of a duct, 0.3 m high, 45 °C, air 15 °C",
        "shape": "vertical-plate", "arguments": {},
        "t_body": 45.0, "t_fluid": 15.0, "length": 0.3, "example_length": 0.3,
        "properties": {"conductivity": 0.0265, "nu": 16.2e-6, "diffusivity": 22.9e-6,
                       "prandtl": 0.707, "beta": 0.0033, "g": 9.8},
        "film": "303 K",
        "published": {"h": "4.23"}, "h": 4.23,
        "correlation": "Churchill & Chu, laminar", "alternative": "churchill-chu-laminar",
    },
    {
        "book": CENGEL, "number": "Example 9-2 (a)",
        "case": "0.6 m × 0.6 m plate, vertical, 90 °C, room 30 °C",
        "shape": "vertical-plate", "arguments": {},
        "t_body": 90.0, "t_fluid": 30.0, "length": 0.6, "example_length": 0.6,
        "properties": {"conductivity": 0.02808, "nu": 1.896e-5, "prandtl": 0.7202,
                       "beta": 1 / 333, "g": 9.81},
        "film": "60 °C",
        "published": {"nusselt": "113.3", "h": "5.30"}, "h": 5.30,
        "correlation": "Churchill & Chu, whole range",
    },
    {
        "book": INCROPERA, "number": "Example 9.2 as an inclined plate at θ = 0°",
        "case": "the fireplace door above, computed as the inclined plate at θ = 0°",
        "shape": "inclined-plate", "arguments": {"angle": 0.0},
        "t_body": 232.0, "t_fluid": 23.0, "length": 0.71, "example_length": 0.71,
        "properties": {"conductivity": 0.0338, "nu": 26.41e-6, "diffusivity": 38.3e-6,
                       "prandtl": 0.690, "beta": 0.0025, "g": 9.8},
        "film": "400 K",
        "published": {"nusselt": "147", "h": "7.0"}, "h": 7.0,
        "correlation": "Churchill & Chu, whole range (vertical)",
        "alternative": "churchill-chu-cos",
    },
    {
        "book": INCROPERA, "number": "Example 9.3, the duct's top",
        "case": "top of a duct 0.75 m wide, 45 °C, air 15 °C; l = A/P ≈ w/2 = 0.375 m",
        "shape": "horizontal-plate", "arguments": {"face": "upper"},
        "t_body": 45.0, "t_fluid": 15.0, "length": 0.375, "example_length": 0.375,
        "properties": {"conductivity": 0.0265, "nu": 16.2e-6, "diffusivity": 22.9e-6,
                       "prandtl": 0.707, "beta": 0.0033, "g": 9.8},
        "film": "303 K",
        "published": {"h": "5.47"}, "h": 5.47,
        "correlation": "McAdams, 0.15·Ra^(1/3)", "alternative": "mcadams-horizontal",
    },
    {
        "book": INCROPERA, "number": "Example 9.3, the duct's bottom",
        "case": "bottom of a duct 0.75 m wide, 45 °C, air 15 °C; l = A/P ≈ w/2 = 0.375 m",
        "shape": "horizontal-plate", "arguments": {"face": "lower"},
        "t_body": 45.0, "t_fluid": 15.0, "length": 0.375, "example_length": 0.375,
        "properties": {"conductivity": 0.0265, "nu": 16.2e-6, "diffusivity": 22.9e-6,
                       "prandtl": 0.707, "beta": 0.0033, "g": 9.8},
        "film": "303 K",
        "published": {"h": "2.07"}, "h": 2.07,
        "correlation": "McAdams, 0.27·Ra^(1/4)", "alternative": "mcadams-horizontal",
    },
    {
        "book": CENGEL, "number": "Example 9-2 (c)",
        "case": "0.6 m × 0.6 m plate, warm face down, 90 °C, room 30 °C; l = A/P = 0.15 m",
        "shape": "horizontal-plate", "arguments": {"face": "lower"},
        "t_body": 90.0, "t_fluid": 30.0, "length": 0.15, "example_length": 0.15,
        "properties": {"conductivity": 0.02808, "nu": 1.896e-5, "prandtl": 0.7202,
                       "beta": 1 / 333, "g": 9.81},
        "film": "60 °C",
        "published": {"h": "2.97"}, "h": 2.97,
        "correlation": "McAdams, 0.27·Ra^(1/4)", "alternative": "mcadams-horizontal",
    },
    {
        "book": CENGEL, "number": "Example 9-1",
        "case": "hot-water pipe, D = 8 cm, 70 °C, room 20 °C; l = (π/2)·D",
        "shape": "horizontal-cylinder", "arguments": {},
        "t_body": 70.0, "t_fluid": 20.0, "length": math.pi / 2 * 0.08, "example_length": 0.08,
        "properties": {"conductivity": 0.02699, "nu": 1.750e-5, "prandtl": 0.7241,
                       "beta": 1 / 318, "g": 9.81},
        "film": "45 °C",
        "published": {"nusselt": "17.40", "h": "5.869"}, "h": 5.869,
        "correlation": "Churchill & Chu (cylinder)",
    },
]

# The shapes for which no worked example is given, and why.
NO_EXAMPLE = {
    "horizontal-plate": "Only one worked example is given for the rising face of a horizontal "
                        "plate.",
    "inclined-plate": "No worked example of a plate at an angle is given: we know of none in the "
                      "textbooks at hand whose published answer we are sure of. The row above "
                      "runs the vertical example through the inclined plate at θ = 0°.",
    "cube": "No worked example is given for the cube.",
    "vertical-cylinder": "No worked example is given for the vertical cylinder.",
    "horizontal-cylinder": "Only one worked example is given for the horizontal cylinder.",
    "sphere": "No worked example is given for the sphere.",
}

# Where the program's own correlation is published up to a Rayleigh number below the sweep's end
# (it warns above it), the spread is also given up to there.
OWN_LIMITS = {"sphere": (1e9, "where the program's warning begins")}

COLOURS = ["#c0392b", "#1f8a4c", "#8e44ad", "#d68910"]
PROGRAM_COLOUR = "#1f2f4f"
REFUSED_COLOUR = "0.88"


# ---------------------------------------------------------------------------------------------
# Numbers as text


def fmt_sig(x, digits=3):
    """x to `digits` significant digits, no exponent between 1e-3 and 1e5; Unicode minus."""
    if x is None or (isinstance(x, float) and math.isnan(x)):
        return "—"
    if x == 0:
        return "0"
    magnitude = abs(x)
    if 1e-3 <= magnitude < 1e5:
        decimals = max(0, digits - 1 - int(math.floor(math.log10(magnitude))))
        text = f"{x:.{decimals}f}"
    else:
        mantissa, exponent = f"{x:.{digits - 1}e}".split("e")
        text = f"{mantissa}e{int(exponent)}"
    return text.replace("-", MINUS)


def fmt_ra(x):
    """A Rayleigh number: 2 significant digits, always as a power of ten: 2.9e3, 1e12."""
    mantissa, exponent = f"{x:.1e}".split("e")
    if mantissa.endswith(".0"):
        mantissa = mantissa[:-2]
    return f"{mantissa}e{int(exponent)}".replace("-", MINUS)


def fmt_percent(fraction):
    """A signed percentage with whole percent above 10 %, one decimal below."""
    value = 100 * fraction
    text = f"{value:+.0f}" if abs(value) >= 9.95 else f"{value:+.1f}"
    if text in ("+0", "-0", "+0.0", "-0.0"):
        return "0 %"
    return text.replace("-", MINUS) + " %"


def fmt_ratio(x):
    return f"{x:.2f}"


def joined(items):
    if len(items) <= 1:
        return "".join(items)
    return ", ".join(items[:-1]) + " and " + items[-1]


def alternative_name(alternative):
    return ALTERNATIVES.get(alternative.id, (alternative.name, "", ""))[0]


# ---------------------------------------------------------------------------------------------
# The sweep


def steady(**arguments):
    """zav.steady with the range notes silenced; None where a check refuses the case."""
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", zav.RangeWarning)
        try:
            return zav.steady(**arguments)
        except zav.CheckError:
            return None


def rayleigh_per_cubic_metre(fluid):
    """Ra/l³ of the sweep's temperatures: the properties depend on the temperatures only, so the
    Rayleigh number on any length l is this times l³."""
    length = 0.01
    r = steady(t_body=T_BODY, t_fluid=T_FLUID, length=length, fluid=fluid)
    return r.grashof * r.prandtl / length ** 3


def case_arguments(shape, fixed, from_length, fluid, length):
    arguments = {"t_body": T_BODY, "t_fluid": T_FLUID, "length": length, "fluid": fluid,
                 "shape": shape}
    arguments.update(fixed)
    arguments.update(from_length(length))
    return arguments


def point(shape, fixed, from_length, fluid, length):
    """One case: (Ra, Pr, Nu, {id: (name, Nu on l, α ratio, in range)}) or None if refused."""
    r = steady(**case_arguments(shape, fixed, from_length, fluid, length))
    if r is None:
        return None
    alternatives = {}
    for a in r.alternatives:
        alternatives[a.id] = (alternative_name(a), a.nusselt * length / a.length,
                              a.alpha_conv / r.alpha_conv, bool(a.in_range))
    return r.grashof * r.prandtl, r.prandtl, r.nusselt, alternatives


def sweep(shape, fixed, from_length, fluid):
    """The program's and the alternatives' Nu on the program's length over the Rayleigh grid."""
    per_m3 = rayleigh_per_cubic_metre(fluid)
    decades = int(round(math.log10(RA_HIGH / RA_LOW)))
    targets = np.logspace(math.log10(RA_LOW), math.log10(RA_HIGH), decades * POINTS_PER_DECADE + 1)
    targets[-1] *= 1 - 1e-9  # the top point inside the program's limit despite rounding
    lengths = np.cbrt(targets / per_m3)
    n = len(targets)
    ra = targets.copy()
    prandtl = np.full(n, math.nan)
    nusselt = np.full(n, math.nan)
    alternatives = {}
    for i, length in enumerate(lengths):
        p = point(shape, fixed, from_length, fluid, float(length))
        if p is None:
            continue
        ra[i], prandtl[i], nusselt[i], alts = p
        for key, (name, nu, ratio, inside) in alts.items():
            if key not in alternatives:
                alternatives[key] = {"name": name, "nusselt": np.full(n, math.nan),
                                     "ratio": np.full(n, math.nan),
                                     "in_range": np.zeros(n, dtype=bool)}
            alternatives[key]["nusselt"][i] = nu
            alternatives[key]["ratio"][i] = ratio
            alternatives[key]["in_range"][i] = inside
    data = {"ra": ra, "length": lengths, "prandtl": prandtl, "nusselt": nusselt,
            "alternatives": alternatives, "per_m3": per_m3}
    data["refused"] = refused_limits(shape, fixed, from_length, fluid, data)
    data["jumps"] = jumps(shape, fixed, from_length, fluid, data)
    return data


def bisect_length(inside, low, high, iterations=60):
    """The boundary between low and high (lengths, m) of a test true at low, false at high."""
    for _ in range(iterations):
        middle = math.sqrt(low * high)
        if inside(middle):
            low = middle
        else:
            high = middle
    return low, high


def refused_limits(shape, fixed, from_length, fluid, data):
    """The refused stretches of the grid as (Ra from, Ra to): each bound is the boundary the
    bisection finds between a computed and a refused point, or the grid's end."""
    computed = ~np.isnan(data["nusselt"])
    lengths, per_m3 = data["length"], data["per_m3"]

    def works(length):
        return point(shape, fixed, from_length, fluid, length) is not None

    stretches = []
    i, n = 0, len(computed)
    while i < n:
        if computed[i]:
            i += 1
            continue
        j = i
        while j + 1 < n and not computed[j + 1]:
            j += 1
        if i > 0:
            _, refused_side = bisect_length(works, lengths[i - 1], lengths[i])
            start = per_m3 * refused_side ** 3
        else:
            start = data["ra"][0]
        if j + 1 < n:
            _, refused_side = bisect_length(works, lengths[j + 1], lengths[j])
            end = per_m3 * refused_side ** 3
        else:
            end = data["ra"][-1]
        stretches.append((start, end))
        i = j + 1
    return stretches


def jumps(shape, fixed, from_length, fluid, data):
    """Discontinuities of the program's Nu: where the local exponent d ln Nu/d ln Ra of a step of
    the grid differs from its neighbours', the step is halved towards the larger change until it
    is 1e-12 of the length wide; a change left there above 1e-4 is a jump. Returns (Ra, relative
    jump) of each."""
    ra, nu, lengths = data["ra"], data["nusselt"], data["length"]
    slopes = np.full(len(ra) - 1, math.nan)
    for i in range(len(ra) - 1):
        if not (math.isnan(nu[i]) or math.isnan(nu[i + 1])):
            slopes[i] = math.log(nu[i + 1] / nu[i]) / math.log(ra[i + 1] / ra[i])
    found = []

    def nusselt_at(length):
        p = point(shape, fixed, from_length, fluid, length)
        return None if p is None else p[2]

    for i in range(len(slopes)):
        if math.isnan(slopes[i]):
            continue
        neighbours = [slopes[k] for k in (i - 1, i + 1)
                      if 0 <= k < len(slopes) and not math.isnan(slopes[k])]
        if not neighbours or abs(slopes[i] - sum(neighbours) / len(neighbours)) < 0.02:
            continue
        low, high = float(lengths[i]), float(lengths[i + 1])
        nu_low, nu_high = float(nu[i]), float(nu[i + 1])
        while high / low - 1 > 1e-12:
            middle = math.sqrt(low * high)
            nu_middle = nusselt_at(middle)
            if nu_middle is None:
                break
            if abs(math.log(nu_middle / nu_low)) >= abs(math.log(nu_high / nu_middle)):
                high, nu_high = middle, nu_middle
            else:
                low, nu_low = middle, nu_middle
        change = nu_high / nu_low - 1
        if abs(change) > 1e-4:
            where = data["per_m3"] * math.sqrt(low * high) ** 3
            if not any(abs(where / r - 1) < 1e-6 for r, _ in found):
                found.append((where, change))
    return found


# ---------------------------------------------------------------------------------------------
# Spread


def spread(data):
    """Per alternative: the ratio α_alternative/α_program (min, Ra, max, Ra) within its range and
    over the whole sweep, and its in-range stretch (Ra from, Ra to); None where empty."""
    result = {}
    ra = data["ra"]
    for key, alt in data["alternatives"].items():
        ratio = alt["ratio"]
        valid = ~np.isnan(ratio)
        inside = valid & alt["in_range"]

        def extremes(mask):
            if not mask.any():
                return None
            values, where = ratio[mask], ra[mask]
            i, j = int(np.argmin(values)), int(np.argmax(values))
            return float(values[i]), float(where[i]), float(values[j]), float(where[j])

        stretch = (float(ra[inside].min()), float(ra[inside].max())) if inside.any() else None
        result[key] = {"name": alt["name"], "inside": extremes(inside), "all": extremes(valid),
                       "stretch": stretch}
    return result


def combined_inside(data, up_to=math.inf):
    """The smallest and largest ratio of all alternatives within their ranges (and at Ra up to
    up_to), or None."""
    values = [alt["ratio"][alt["in_range"] & ~np.isnan(alt["ratio"]) & (data["ra"] <= up_to)]
              for alt in data["alternatives"].values()]
    values = np.concatenate(values) if values else np.array([])
    if not values.size:
        return None
    return float(values.min()), float(values.max())


# ---------------------------------------------------------------------------------------------
# Plots


def segments(mask):
    """The mask widened by one point to either side, so that a dashed stretch meets the solid."""
    widened = mask.copy()
    widened[1:] |= mask[:-1]
    widened[:-1] |= mask[1:]
    return widened


def shade_refused(ax, stretches):
    for start, end in stretches:
        ax.axvspan(start, end, color=REFUSED_COLOUR, lw=0, zorder=0)


def draw(ax_nu, ax_ratio, data, colour_of):
    ra = data["ra"]
    shade_refused(ax_nu, data["refused"])
    shade_refused(ax_ratio, data["refused"])
    ax_nu.loglog(ra, data["nusselt"], color=PROGRAM_COLOUR, lw=2.0, zorder=4)
    ax_ratio.axhline(1.0, color=PROGRAM_COLOUR, lw=1.4, zorder=3)
    for key, alt in data["alternatives"].items():
        colour = colour_of[key]
        inside = alt["in_range"]
        outside = segments(~inside)
        for ax, values in ((ax_nu, alt["nusselt"]), (ax_ratio, alt["ratio"])):
            ax.plot(ra, np.where(inside, values, np.nan), color=colour, lw=1.5, zorder=5)
            ax.plot(ra, np.where(outside, values, np.nan), color=colour, lw=1.3, ls=(0, (4, 3)),
                    zorder=5)
    for ax in (ax_nu, ax_ratio):
        ax.set_xscale("log")
        ax.set_xlim(RA_LOW, RA_HIGH)
        ax.grid(True, which="major", color="0.88", lw=0.6)
        ax.tick_params(labelsize=8.5)
    ax_nu.set_ylabel("Nu on the program's l", fontsize=9)
    ax_ratio.set_ylabel("α_alt / α_program", fontsize=9)
    ratios = [alt["ratio"] for alt in data["alternatives"].values()]
    values = np.concatenate(ratios)
    values = values[~np.isnan(values)]
    if values.size:
        low, high = min(float(values.min()), 1.0), max(float(values.max()), 1.0)
        pad = 0.08 * (high - low) + 0.02
        ax_ratio.set_ylim(low - pad, high + pad)


def shape_figure(shape, title, cases, results, path):
    """One row pair (Nu above, the ratio below) per case, air left and water right."""
    rows = len(cases)
    figure = plt.figure(figsize=(11, 5.2 * rows + 1.5))
    outer = figure.add_gridspec(rows, 2, hspace=0.3, wspace=0.22)
    keys = []
    names = {}
    for label, _, _ in cases:
        for fluid in FLUIDS:
            for key, alt in results[(label, fluid)]["alternatives"].items():
                if key not in keys:
                    keys.append(key)
                    names[key] = alt["name"]
    colour_of = {key: COLOURS[i % len(COLOURS)] for i, key in enumerate(keys)}
    for row, (label, _, _) in enumerate(cases):
        for column, fluid in enumerate(FLUIDS):
            data = results[(label, fluid)]
            inner = outer[row, column].subgridspec(2, 1, height_ratios=[2.3, 1.0], hspace=0.08)
            ax_nu = figure.add_subplot(inner[0])
            ax_ratio = figure.add_subplot(inner[1], sharex=ax_nu)
            draw(ax_nu, ax_ratio, data, colour_of)
            plt.setp(ax_nu.get_xticklabels(), visible=False)
            pr = float(np.nanmean(data["prandtl"]))
            heading = f"{FLUID_NAMES[fluid]}, Pr = {fmt_sig(pr)}"
            if label:
                heading = f"{label}: {heading}"
            ax_nu.set_title(heading, fontsize=10.5)
            ax_ratio.set_xlabel("Ra on the program's length l", fontsize=9)
    handles = [plt.Line2D([], [], color=PROGRAM_COLOUR, lw=2.0)]
    labels = ["the program's correlation"]
    for key in keys:
        handles.append(plt.Line2D([], [], color=colour_of[key], lw=1.5))
        labels.append(names[key])
    handles.append(plt.Line2D([], [], color="0.3", lw=1.3, ls=(0, (4, 3))))
    labels.append("dashed: outside the alternative's published range")
    handles.append(plt.Rectangle((0, 0), 1, 1, color=REFUSED_COLOUR))
    labels.append("grey: refused by the program (no points)")
    figure.legend(handles, labels, loc="lower center", ncol=2, frameon=False, fontsize=9.5)
    figure.suptitle(f"{title}: Nu against Ra, built-in properties, body 1 K above the fluid "
                    "at 20 °C", fontsize=11.5)
    figure.subplots_adjust(left=0.08, right=0.98, top=1 - 0.6 / figure.get_figheight(),
                           bottom=(0.75 + 0.22 * ((len(labels) + 1) // 2))
                           / figure.get_figheight())
    # No software tag: the files stay the same from run to run.
    figure.savefig(path, dpi=100, metadata={"Software": None})
    plt.close(figure)


# ---------------------------------------------------------------------------------------------
# Worked examples


def example_fluid(example, directory):
    """A user-defined fluid of constant properties that gives the example's λ, Pr and Ra: ρ = 1,
    μ = ν, c_p = λ·Pr/ν, and β scaled so that the program's Ra (g = 9.8066) is the book's
    (Incropera: g·β·ΔT·L³/(ν·a), Çengel: g·β·ΔT·L³·Pr/ν²). Returns (path, the book's Ra)."""
    p = example["properties"]
    length = example["example_length"]
    delta = abs(example["t_body"] - example["t_fluid"])
    if "diffusivity" in p:
        ra_book = p["g"] * p["beta"] * delta * length ** 3 / (p["nu"] * p["diffusivity"])
    else:
        ra_book = p["g"] * p["beta"] * delta * length ** 3 * p["prandtl"] / p["nu"] ** 2
    # The program's Ra is on its own length, which may differ from the example's (the horizontal
    # cylinder's (π/2)·D).
    program_length = example["length"]
    ra_program = ra_book * (program_length / length) ** 3
    beta = ra_program * p["nu"] ** 2 / (G_PROGRAM * delta * program_length ** 3 * p["prandtl"])
    fluid = {"kind": "constant", "density": 1.0, "dyn_viscosity": p["nu"],
             "conductivity": p["conductivity"],
             "heat_capacity": p["conductivity"] * p["prandtl"] / p["nu"],
             "expansion_coeff": beta}
    path = pathlib.Path(directory) / f"example-{EXAMPLES.index(example)}.json"
    path.write_text(json.dumps(fluid), encoding="utf-8")
    return path, ra_book


def example_results(example, directory):
    """The example through the program: with its own properties and with the built-in and the
    reference air. Each result as {nusselt, h, alternatives: [(id, name, Nu, h, in range)],
    prandtl, conductivity, rayleigh} on the example's length."""
    arguments = {"t_body": example["t_body"], "t_fluid": example["t_fluid"],
                 "length": example["length"], "shape": example["shape"]}
    arguments.update(example["arguments"])
    fluid_path, ra_book = example_fluid(example, directory)
    runs = {"book": steady(fluid_file=str(fluid_path), **arguments),
            "builtin": steady(fluid="air", **arguments),
            "reference": steady(fluid="air", properties="reference", **arguments)}
    length = example["example_length"]
    scale = length / example["length"]
    out = {"ra_book": ra_book}
    for key, r in runs.items():
        if r is None:
            out[key] = None
            continue
        out[key] = {
            "nusselt": r.alpha_conv * length / r.conductivity,
            "h": r.alpha_conv,
            "prandtl": r.prandtl,
            "conductivity": r.conductivity,
            "beta": r.expansion_coeff,
            "rayleigh": r.grashof * r.prandtl * scale ** 3,
            "alternatives": [(a.id, alternative_name(a), a.alpha_conv * length / r.conductivity,
                              a.alpha_conv, bool(a.in_range)) for a in r.alternatives],
        }
    return out


def published_text(example):
    parts = []
    if "nusselt" in example["published"]:
        parts.append(f"Nu = {example['published']['nusselt']}")
    parts.append(f"h = {example['published']['h']}")
    return ", ".join(parts)


def alternatives_text(run, published_h, marked=None):
    items = []
    for key, name, nu, h, inside in run["alternatives"]:
        text = f"{name}: Nu {fmt_sig(nu)}, h {fmt_sig(h)} ({fmt_percent(h / published_h - 1)})"
        if not inside:
            text += ", outside its range"
        if key == marked:
            text = f"**{text}**"
        items.append(text)
    return "<br>".join(items)


def examples_tables(results):
    head = ("| Example | Case | Book's properties (film temperature) | Published | Program | "
            "Alternatives |")
    rule = "|---|---|---|---|---|---|"
    book_rows = [head, rule]
    for example, res in zip(EXAMPLES, results):
        p = example["properties"]
        run = res["book"]
        props = (f"λ = {p['conductivity']:g}, ν = {fmt_sig(p['nu'], 4)}, Pr = {p['prandtl']:g}, "
                 f"β = {fmt_sig(p['beta'], 4)} ({example['film']}); "
                 f"Ra = {fmt_sig(res['ra_book'])}")
        program = (f"Nu {fmt_sig(run['nusselt'])}, h {fmt_sig(run['h'])} "
                   f"({fmt_percent(run['h'] / example['h'] - 1)})")
        book_rows.append(
            f"| {example['book']}, {example['number']} | {example['case']} | {props} | "
            f"{published_text(example)} ({example['correlation']}) | {program} | "
            f"{alternatives_text(run, example['h'], example.get('alternative'))} |")

    head = ("| Example | Published h | Built-in air: Pr, λ, Ra (Ra/Ra_book), β/β_book | "
            "Program, built-in | Program, reference | Alternatives, built-in |")
    rule = "|---|---:|---|---|---|---|"
    own_rows = [head, rule]
    for example, res in zip(EXAMPLES, results):
        builtin, reference = res["builtin"], res["reference"]
        props = (f"{builtin['prandtl']:.3f}, {builtin['conductivity']:.4f}, "
                 f"{fmt_sig(builtin['rayleigh'])} ({builtin['rayleigh'] / res['ra_book']:.3f}), "
                 f"{builtin['beta'] / example['properties']['beta']:.3f}")
        own = (f"Nu {fmt_sig(builtin['nusselt'])}, h {fmt_sig(builtin['h'])} "
               f"({fmt_percent(builtin['h'] / example['h'] - 1)})")
        ref = (f"h {fmt_sig(reference['h'])} ({fmt_percent(reference['h'] / example['h'] - 1)})"
               if reference else "refused")
        own_rows.append(
            f"| {example['book']}, {example['number']} | {example['published']['h']} | {props} | "
            f"{own} | {ref} | "
            f"{alternatives_text(builtin, example['h'], example.get('alternative'))} |")
    return "\n".join(book_rows), "\n".join(own_rows)


def deviation_of(run, example):
    """The relative deviation from the published h of the book's own correlation: the marked
    alternative's, else the program's."""
    key = example.get("alternative")
    if key is None:
        return run["h"] / example["h"] - 1
    for k, _, _, h, _ in run["alternatives"]:
        if k == key:
            return h / example["h"] - 1
    return math.nan


def examples_summary(results):
    """What the tables show, as sentences from their numbers."""
    own = [(e, r) for e, r in zip(EXAMPLES, results) if "alternative" not in e]
    other = [(e, r) for e, r in zip(EXAMPLES, results) if "alternative" in e]
    sentences = []
    worst_own = max(abs(deviation_of(r["book"], e)) for e, r in own)
    worst_other = max(abs(deviation_of(r["book"], e)) for e, r in other)
    sentences.append(
        "With the book's properties, the program reproduces the published h within "
        f"{100 * worst_own:.1f} % where the book uses the program's own correlation "
        f"({joined(sorted({e['correlation'] for e, _ in own}))}), and the alternative that is the "
        f"book's correlation reproduces it within {100 * worst_other:.1f} % in the other cases: "
        "the program's correlations and alternatives are those the books compute with, and the "
        "differences in the remaining columns are differences between correlations.")
    for e, r in zip(EXAMPLES, results):
        if e["shape"] == "inclined-plate":
            angle = e["arguments"]["angle"]
            critical = 10 ** (8.9 - 0.00178 * angle ** 1.82) if angle > 0 else 10 ** 8.9
            sentences.append(
                f"Run as an inclined plate at θ = {angle:g}°, {e['number'].split(' as ')[0]} "
                f"gives h = {fmt_sig(r['book']['h'])} ({fmt_percent(r['book']['h'] / e['h'] - 1)}) "
                f"with the book's properties: its Ra = {fmt_ra(r['ra_book'])} lies above the "
                f"critical Ra_c = {fmt_ra(critical)} of θ = {angle:g}°, where the inclined "
                "plate's correlation takes Fujii and Imura's turbulent form, so the program's "
                "inclined plate at θ = 0° does not give the vertical plate's result there.")
    ra_ratios = [r["builtin"]["rayleigh"] / r["ra_book"] for r in results]
    beta_ratios = [r["builtin"]["beta"] / e["properties"]["beta"]
                   for e, r in zip(EXAMPLES, results)]
    own_builtin = [r["builtin"]["h"] / e["h"] - 1 for e, r in own]
    pr_ratios = [r["builtin"]["prandtl"] / r["reference"]["prandtl"] for r in results]
    sentences.append(
        "With the program's built-in air the Rayleigh numbers are "
        f"{min(ra_ratios):.2f} to {max(ra_ratios):.2f} times the book's. Much of it is the "
        "expansion coefficient: the program takes air's β at the fluid's temperature (the "
        "built-in ideal gas β = 1/T_fluid), the books at the film temperature (β = 1/T_film), so "
        f"that β is {min(beta_ratios):.2f} to {max(beta_ratios):.2f} times the book's, the more "
        "the larger the temperature difference; the rest comes from ν and Pr (the built-in Pr is "
        f"{min(pr_ratios):.3f} to {max(pr_ratios):.3f} times the reference properties' in these "
        "cases; validation.md gives the built-in properties' deviations). Where the book uses "
        "the program's own correlation, the program's h with its built-in air lies "
        f"{fmt_percent(min(own_builtin))} to {fmt_percent(max(own_builtin))} from the published "
        "one.")
    return " ".join(sentences)


def summary_table(results):
    """Per shape and case: how far the alternatives within their ranges lie from the program, and
    the program's jumps."""
    rows = ["| Shape | Case | Air | Water | The program's Nu jumps |", "|---|---|---|---|---|"]
    for shape, title, cases in SHAPES:
        for label, fixed, _ in cases:
            cells = []
            jumps_text = []
            for fluid in FLUIDS:
                data = results[shape][(label, fluid)]
                together = combined_inside(data)
                cell = ("—" if together is None else
                        f"{fmt_percent(together[0] - 1)} … {fmt_percent(together[1] - 1)}")
                if shape in OWN_LIMITS and together is not None:
                    limit = OWN_LIMITS[shape][0]
                    below = combined_inside(data, limit)
                    cell += (f" (to Ra = {fmt_ra(limit)}: {fmt_percent(below[0] - 1)} … "
                             f"{fmt_percent(below[1] - 1)})")
                cells.append(cell)
                for where, change in data["jumps"]:
                    jumps_text.append(f"{fluid}: {fmt_percent(change)} at Ra = {fmt_ra(where)}")
            rows.append(f"| {title} | {label or '—'} | {cells[0]} | {cells[1]} | "
                        f"{'; '.join(jumps_text) or '—'} |")
    return "\n".join(rows)


# ---------------------------------------------------------------------------------------------
# The report


def switch_of(shape, fixed, pr, where):
    """The program's known change of form nearest to a jump at Ra = where, as text, or None."""
    candidates = []
    if shape == "inclined-plate":
        angle = fixed["angle"]
        critical = 10 ** (8.9 - 0.00178 * angle ** 1.82)
        candidates.append((critical, f"the critical Ra_c = {fmt_ra(critical)} of θ = {angle:g}°, "
                                     "where the inclined plate's correlation changes from "
                                     "Churchill and Chu's to Fujii and Imura's turbulent form"))
    if shape == "horizontal-plate" and fixed.get("face") == "upper":
        f2 = (1 + (0.322 / pr) ** 0.55) ** -1.818181
        candidates.append((7e4 / f2, "Ra·f2 = 7e4, where the rising face's form changes from "
                                     "0.766·(Ra·f2)^(1/5) to 0.15·(Ra·f2)^(1/3)"))
    for value, text in candidates:
        if abs(where / value - 1) < 1e-3:
            return text
    return None


def refused_text(data):
    parts = []
    for start, end in data["refused"]:
        if start <= data["ra"][0] * (1 + 1e-9):
            parts.append(f"below Ra = {fmt_ra(end)}")
        elif end >= data["ra"][-1] * (1 - 1e-6):
            parts.append(f"above Ra = {fmt_ra(start)}")
        else:
            parts.append(f"from Ra = {fmt_ra(start)} to {fmt_ra(end)}")
    return joined(parts)


def spread_lines(shape, label, fixed, fluid, data):
    pr = float(np.nanmean(data["prandtl"]))
    heading = f"{FLUID_NAMES[fluid]}, Pr = {fmt_sig(pr)}"
    if label:
        heading = f"{label}; {heading}"
    sentences = []
    for key, s in spread(data).items():
        name = s["name"]
        if s["inside"] is None:
            low, low_ra, high, high_ra = s["all"]
            sentences.append(f"{name} is outside its published range over the whole sweep; "
                             f"there its α is {fmt_ratio(low)} to {fmt_ratio(high)} of the "
                             "program's")
            continue
        low, low_ra, high, high_ra = s["inside"]
        start, end = s["stretch"]
        text = (f"{name}: {fmt_ratio(low)} (Ra = {fmt_ra(low_ra)}) to {fmt_ratio(high)} "
                f"(Ra = {fmt_ra(high_ra)}) within its range, here Ra = {fmt_ra(start)} … "
                f"{fmt_ra(end)}")
        all_low, _, all_high, _ = s["all"]
        if all_low < low - 5e-4 or all_high > high + 5e-4:
            text += f"; {fmt_ratio(all_low)} to {fmt_ratio(all_high)} over the whole sweep"
        sentences.append(text)
    together = combined_inside(data)
    line = f"- **{heading}.** α_alternative/α_program: " + "; ".join(sentences) + "."
    if together is not None and len(data["alternatives"]) > 1:
        line += (f" Together, within their ranges, the alternatives lie "
                 f"{fmt_percent(together[0] - 1)} to {fmt_percent(together[1] - 1)} from the "
                 "program.")
    if shape in OWN_LIMITS:
        limit, where = OWN_LIMITS[shape]
        below = combined_inside(data, limit)
        if below is not None:
            line += (f" Up to Ra = {fmt_ra(limit)}, {where}, the alternatives within their "
                     f"ranges lie {fmt_percent(below[0] - 1)} to {fmt_percent(below[1] - 1)} "
                     "from the program.")
    if data["refused"]:
        line += f" The program refuses the points {refused_text(data)} (absent from the plot)."
    for where, change in data["jumps"]:
        cause = switch_of(shape, fixed, pr, where)
        line += (f" The program's Nu jumps by {fmt_percent(change)} at Ra = {fmt_ra(where)}"
                 + (f", {cause}." if cause else ", where we know of no change of form."))
    return line


def span_text(results, fluid):
    """The swept lengths l in a fluid as text: "from 1.1 cm to 210 m"."""
    lengths = results["vertical-plate"][("", fluid)]["length"]

    def metres(x):
        if x < 1e-2:
            return f"{fmt_sig(x * 1e3, 2)} mm"
        if x < 1:
            return f"{fmt_sig(x * 1e2, 2)} cm"
        return f"{fmt_sig(x, 2)} m"

    return f"from {metres(float(lengths[0]))} to {metres(float(lengths[-1]))}"


def write_report(path, results, examples):
    lines = []
    add = lines.append
    add("# Validation of the correlations")
    add("")
    add("For every surface shape but the finned tube ZAV computes, beside its own Nusselt "
        "correlation, the published correlations for the same body (the main window's "
        "\"Korelácie…\", `zav-calc`'s alternatives, the module's `Result.alternatives`): each "
        "from the same fluid properties, on its own characteristic length, with a flag for its "
        "published range. This report sweeps the Rayleigh number over ten decades to show how "
        "far they spread from the program's correlation, and computes the worked examples of "
        "two textbooks through the program.")
    add("")
    add("The report and its plots are generated by `scripts/validate` "
        "(`scripts/correlations_report.py`); rerun it after changing a correlation.")
    add("")
    add("## Method")
    add("")
    points = int(round(math.log10(RA_HIGH / RA_LOW))) * POINTS_PER_DECADE + 1
    add(f"- Air and water with the built-in properties, the body at {T_BODY:g} °C and the fluid "
        f"at {T_FLUID:g} °C, so that the Prandtl number stays that of the fluid near 20 °C (each "
        "plot's title gives the mean of its points). The Rayleigh number on the program's "
        f"characteristic length l runs from {fmt_ra(RA_LOW)} to {fmt_ra(RA_HIGH)} in {points} "
        f"points ({POINTS_PER_DECADE} a decade), varied by l alone: Ra = (Ra/l³)·l³ with the "
        f"same properties at every point: in air l runs {span_text(results, 'air')}, in water "
        f"{span_text(results, 'water')}. The comparison is one of similarity numbers: a larger "
        "temperature difference with a shorter length gives the same Ra and nearly the same "
        "Pr.")
    add("- Each alternative's Nusselt number, published on its own length l_alt (the diameter "
        "D, the square root of the area √A), is converted to the program's length: "
        "Nu_alt·l/l_alt = α_alt·l/λ. All curves of a plot are therefore heat transfer "
        "coefficients on one basis, and the lower panel gives their ratio α_alt/α_program "
        "directly.")
    add("- An alternative is drawn solid where the program reports the point inside its "
        "published range and dashed outside it. Grey bands mark the Rayleigh numbers the "
        "program refuses (a check of its correlation's range): there is no point of any curve "
        "there, since the alternatives are computed only beside a result.")
    add("- The spread below is the smallest and largest ratio α_alt/α_program over the swept "
        "points inside each alternative's range (with the Rayleigh number where it occurs), and "
        "over the whole sweep where that differs. The program's Nu is also searched for jumps: "
        "where the local exponent d ln Nu/d ln Ra of a step differs from its neighbours', the "
        "step is bisected down to a relative width of 1e−12 in l and a change left there above "
        "1e−4 is reported.")
    add("")
    add("## Summary")
    add("")
    add("How far the alternatives, each within its published range, lie from the program's "
        "coefficient (α_alt/α_program − 1, the smallest and the largest over the sweep), and the "
        "jumps of the program's own Nu over the sweep:")
    add("")
    add(summary_table(results))
    add("")
    for shape, title, cases in SHAPES:
        add(f"## {title}")
        add("")
        add(f"The program's correlation: {OWN_CORRELATIONS[shape]}")
        add("")
        keys = []
        for label, _, _ in cases:
            for fluid in FLUIDS:
                for key in results[shape][(label, fluid)]["alternatives"]:
                    if key not in keys:
                        keys.append(key)
        add("The alternatives: " + "; ".join(
            f"{ALTERNATIVES[k][0]} {ALTERNATIVES[k][2]}, published for {ALTERNATIVES[k][1]}"
            if k in ALTERNATIVES else k for k in keys) + ".")
        add("")
        add(f"![{title}: the program's Nu and the alternatives' against Ra]"
            f"(correlations-{shape}.png)")
        add("")
        add("How far the alternatives' coefficients lie from the program's:")
        add("")
        for label, fixed, _ in cases:
            for fluid in FLUIDS:
                add(spread_lines(shape, label, fixed, fluid, results[shape][(label, fluid)]))
        add("")

    add("## Worked examples")
    add("")
    add("The textbooks' worked examples, computed through the program with the example's "
        "temperatures and length. The first table gives the program the example's own fluid "
        "properties, as a user-defined fluid of constant properties (ρ = 1, μ = ν, "
        "c_p = λ·Pr/ν, and β scaled so that the program's Ra, formed with g = 9.8066 m/s², is "
        "the book's Ra with the book's g): its results differ from the published ones only by "
        "the correlation. The second table computes the same cases with the program's air: "
        "the built-in properties at the mean of the body's and the fluid's temperature, and "
        "the reference properties, whose λ, Pr and Ra differ from the book's tables by a few "
        "per cent. Nusselt numbers are on the example's length (the horizontal cylinder's on "
        "D, converted from the program's l = (π/2)·D); h in W/(m²·K); the percentages are "
        "against the published h. The alternative that is the book's own correlation is in "
        "bold.")
    add("")
    book_table, own_table = examples_tables(examples)
    add("### With the example's properties")
    add("")
    add(book_table)
    add("")
    add("### With the program's air")
    add("")
    add(own_table)
    add("")
    add(examples_summary(examples))
    add("")
    for shape in ("inclined-plate", "horizontal-plate", "cube", "vertical-cylinder",
                  "horizontal-cylinder", "sphere"):
        add(f"- {NO_EXAMPLE[shape]}")
    add("")
    add("## References")
    add("")
    for reference in REFERENCES:
        add(f"- {reference}")
    add("")
    path.write_text("\n".join(lines), encoding="utf-8")


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / "docs"
    out.mkdir(parents=True, exist_ok=True)

    results = {}
    for shape, title, cases in SHAPES:
        results[shape] = {}
        for label, fixed, from_length in cases:
            for fluid in FLUIDS:
                results[shape][(label, fluid)] = sweep(shape, fixed, from_length, fluid)
        shape_figure(shape, title, cases, results[shape], out / f"correlations-{shape}.png")

    with tempfile.TemporaryDirectory() as directory:
        examples = [example_results(example, directory) for example in EXAMPLES]

    write_report(out / "correlations.md", results, examples)
    print(f"Wrote {out / 'correlations.md'} and its plots.")


if __name__ == "__main__":
    main()

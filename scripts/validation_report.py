# SPDX-License-Identifier: GPL-3.0-or-later
"""Validation report of ZAV's air and water properties against python3-iapws.

The program describes air and water either by its built-in correlations or by reference
equations (water: IAPWS-IF97 region 1 with the IAPWS 2008 viscosity and the IAPWS 2011 thermal
conductivity; dry air: the equation of state of Lemmon, Jacobsen, Penoncello and Friend 2000 with
the transport equations of Lemmon and Jacobsen 2004). python3-iapws implements the same reference
equations independently. This script evaluates both of the program's models through its Python
module zav at a few hundred temperatures per fluid, compares every property (and the Prandtl
number formed from them) with python3-iapws at 101 325 Pa, compares the default vertical plate's
heat transfer coefficient of the built-in model with that of the reference model, and writes
validation.md with three PNG plots into the output directory (default: docs/ of the project).

    PYTHONPATH=build/tools/python /usr/bin/python3 scripts/validation_report.py [OUTPUT_DIR]
"""

import math
import pathlib
import sys

import matplotlib

matplotlib.use("Agg")

import matplotlib.pyplot as plt  # noqa: E402
import matplotlib.ticker  # noqa: E402
import numpy as np  # noqa: E402

import iapws  # noqa: E402
from iapws import IAPWS97  # noqa: E402
from iapws.humidAir import Air  # noqa: E402

import zav  # noqa: E402

PRESSURE_MPA = 0.101325  # the pressure of both models and of the comparison
KELVIN = 273.15

# Water's expansion coefficient passes through zero near 4 °C; its deviation is taken relative to
# max(|β_iapws|, this floor) so that it stays finite there.
BETA_FLOOR = 1e-5  # 1/K
BETA_FLOOR_TEXT = "1e-5"

# The properties compared: the key of the program's arrays and the label of plots and tables.
PROPERTIES = [
    ("density", "Density ρ"),
    ("heat_capacity", "Heat capacity c_p"),
    ("expansion_coeff", "Expansion coefficient β"),
    ("dyn_viscosity", "Dynamic viscosity μ"),
    ("kin_viscosity", "Kinematic viscosity ν"),
    ("conductivity", "Thermal conductivity λ"),
    ("prandtl", "Prandtl number Pr"),
]
SHORT_NAMES = {
    "density": "ρ",
    "heat_capacity": "c_p",
    "expansion_coeff": "β",
    "dyn_viscosity": "μ",
    "kin_viscosity": "ν",
    "conductivity": "λ",
    "prandtl": "Pr",
}
MODELS = ("builtin", "reference")

# The temperature intervals of the tables, °C. Each is closed: a temperature on a boundary
# counts in both intervals it bounds.
INTERVALS = {
    "air": [(-73, -33), (-33, 0), (0, 50), (50, 106), (106, 300), (300, 700), (700, 1200),
            (1200, 1726.85)],
    "water": [(0, 4), (4, 10), (10, 30), (30, 60), (60, 90), (90, 99.9)],
}

# The built-in air model switches between two sets of fits at these temperatures (the lower set
# strictly between them); the grids step 1e-4 K to either side and leave out the point itself.
AIR_SWITCHES = (-33.0, 106.0)

# The default plate of the coefficient's comparison and the temperature differences.
PLATE_LENGTH = 0.1  # m
HALF_DIFFERENCE = {"air": 10.0, "water": 1.0}  # K: body and fluid 20 K and 2 K apart

FLUID_NAMES = {"air": "Air", "water": "Water"}
COLOURS = {"builtin": "#1f5fa8", "reference": "#c0392b", "zero": "0.35", "mark": "0.55"}

# Reference deviations below this (in %) are drawn at it on the logarithmic axis: it lies under
# the rounding of double-precision arithmetic (about 1e-14 %).
LOG_FLOOR_PERCENT = 1e-14

# Deviations beyond this (in %) in a narrow range would flatten the rest of a plot: its axis
# keeps to the other values, and a note gives the off-scale extreme.
OFF_SCALE_ABOVE = 12

MINUS = "\u2212"


# ---------------------------------------------------------------------------------------------
# Temperature grids


def with_switch_neighbours(grid, switches, offset=1e-4):
    """The grid without the switch temperatures themselves, plus points offset to either side."""
    points = list(grid)
    for s in switches:
        points = [t for t in points if abs(t - s) > 1e-9]
        points += [s - offset, s + offset]
    return np.unique(np.round(np.array(points, dtype=float), 6))


def air_grid():
    """Air's temperatures, °C: denser below 300 °C and around the fit switches."""
    grid = np.concatenate([
        np.linspace(-73.0, -33.0, 161),          # 0.25 K
        np.arange(-33.0, 106.0, 0.5),
        np.arange(-36.0, -30.0, 0.05),           # around the lower switch
        np.arange(103.0, 109.0, 0.05),           # around the upper switch
        np.arange(106.0, 300.0, 2.0),
        np.arange(300.0, 1726.85, 10.0),
        [1726.85],
    ])
    return with_switch_neighbours(grid, AIR_SWITCHES)


def water_grid():
    """Water's temperatures, °C: denser below 10 °C and around the zero of β."""
    grid = np.concatenate([
        [0.01],
        np.arange(0.05, 10.0, 0.05),
        np.arange(3.5, 4.5, 0.005),              # around the zero of β
        np.arange(10.0, 99.9, 0.25),
        [99.9],
    ])
    return np.unique(np.round(grid, 6))


def air_mean_grid():
    """Air's mean temperatures of the coefficient's comparison, °C."""
    grid = np.concatenate([
        np.arange(-73.0, 1726.85, 5.0),
        np.arange(-40.0, -26.0, 0.25),
        np.arange(100.0, 112.0, 0.25),
        [1726.85],
    ])
    return with_switch_neighbours(grid, AIR_SWITCHES)


def water_mean_grid():
    """Water's mean temperatures of the coefficient's comparison, °C: finer just above the zero
    of β, where the Rayleigh number starts from zero."""
    grid = np.concatenate([[0.01], np.arange(0.1, 99.9, 0.1), np.arange(3.9, 4.6, 0.002), [99.9]])
    return np.unique(np.round(grid, 6))


# ---------------------------------------------------------------------------------------------
# Properties


def program_properties(fluid, model, t):
    """The program's properties at t (°C), mean and fluid temperature both t."""
    p = zav.sweep(fluid=fluid, properties=model, t_fluid=t, from_=t, to=t, step=1)
    values = {key: float(getattr(p, key)[0]) for key, _ in PROPERTIES if key != "prandtl"}
    values["prandtl"] = prandtl(values)
    return values


def iapws_properties(fluid, t):
    """python3-iapws's properties at t (°C) and 101 325 Pa, in the program's units."""
    tk = t + KELVIN
    state = IAPWS97(T=tk, P=PRESSURE_MPA) if fluid == "water" else Air(T=tk, P=PRESSURE_MPA)
    values = {
        "density": state.rho,
        "heat_capacity": state.cp * 1e3,  # kJ/(kg·K) → J/(kg·K)
        "expansion_coeff": state.alfav,
        "dyn_viscosity": state.mu,
        "kin_viscosity": state.nu,
        "conductivity": state.k,
    }
    values["prandtl"] = prandtl(values)
    return values


def prandtl(values):
    """Pr = ν·ρ·c_p/λ from one set of properties."""
    return (values["kin_viscosity"] * values["density"] * values["heat_capacity"]
            / values["conductivity"])


def relative_deviation(fluid, key, model_value, reference_value):
    """(model − iapws)/iapws; water's β against max(|β_iapws|, BETA_FLOOR)."""
    scale = abs(reference_value)
    if fluid == "water" and key == "expansion_coeff":
        scale = max(scale, BETA_FLOOR)
    return (model_value - reference_value) / scale


def property_deviations(fluid, temperatures):
    """Relative deviations {model: {key: array}} over the temperatures."""
    result = {model: {key: [] for key, _ in PROPERTIES} for model in MODELS}
    for t in temperatures:
        truth = iapws_properties(fluid, t)
        for model in MODELS:
            values = program_properties(fluid, model, t)
            for key, _ in PROPERTIES:
                result[model][key].append(
                    relative_deviation(fluid, key, values[key], truth[key]))
    return {model: {key: np.array(v) for key, v in d.items()} for model, d in result.items()}


def air_reference_explained(temperatures):
    """How far the program's reference air transport lies from python3-iapws once python3-iapws
    takes the equation of state's molar mass (28.96546 g/mol) for the reduced density and leaves
    out the critical enhancement of the conductivity: the largest |relative deviation| of μ and
    of λ, or None when this python3-iapws lacks the functions used."""
    if not (hasattr(Air, "_visco") and hasattr(Air, "_thermo")):
        return None
    scale = 28.9586 / 28.96546
    worst_mu = worst_k = 0.0
    for t in temperatures:
        tk = t + KELVIN
        state = Air(T=tk, P=PRESSURE_MPA)
        values = program_properties("air", "reference", t)
        mu = Air._visco(state.rho * scale, tk)
        k = state._thermo(state.rho * scale, tk, None)
        worst_mu = max(worst_mu, abs(values["dyn_viscosity"] - mu) / mu)
        worst_k = max(worst_k, abs(values["conductivity"] - k) / k)
    return worst_mu, worst_k


# ---------------------------------------------------------------------------------------------
# Heat transfer coefficient


def coefficient_deviations(fluid, means):
    """The default vertical plate's total coefficient, built-in against reference, at the mean
    temperatures: (relative deviations with NaN where a check refused either model, the refused
    means, the largest difference from the program's own reference_deviation)."""
    half = HALF_DIFFERENCE[fluid]
    deviations, refused = [], []
    own_worst = 0.0
    for tm in means:
        try:
            builtin = zav.steady(fluid=fluid, properties="builtin", t_body=tm + half,
                                 t_fluid=tm - half, length=PLATE_LENGTH)
            reference = zav.steady(fluid=fluid, properties="reference", t_body=tm + half,
                                   t_fluid=tm - half, length=PLATE_LENGTH)
        except zav.CheckError:
            deviations.append(math.nan)
            refused.append(tm)
            continue
        deviation = (builtin.alpha_total - reference.alpha_total) / reference.alpha_total
        deviations.append(deviation)
        if builtin.reference_deviation is not None:
            own_worst = max(own_worst, abs(builtin.reference_deviation - deviation))
    return np.array(deviations), np.array(refused), own_worst


# ---------------------------------------------------------------------------------------------
# Numbers as text


def fmt_percent(x):
    """A percentage with 3 significant digits, scientific below 0.001 %; Unicode minus."""
    if x is None or math.isnan(x):
        return "—"
    if x == 0:
        return "0"
    magnitude = abs(x)
    if magnitude >= 0.001:
        digits = max(0, 2 - int(math.floor(math.log10(magnitude))))
        text = f"{x:.{digits}f}"
    else:
        mantissa, exponent = f"{x:.2e}".split("e")
        text = f"{mantissa}e{int(exponent)}"
    return text.replace("-", MINUS)


def fmt_order(x):
    """A positive number to one significant digit in scientific form: 4e-6."""
    mantissa, exponent = f"{x:.0e}".split("e")
    return f"{mantissa}e{int(exponent)}".replace("-", MINUS)


def fmt_temperature(t):
    """A temperature, °C, with at most 4 decimals and no trailing zeros."""
    text = f"{t:.4f}".rstrip("0").rstrip(".")
    if text in ("-0", ""):
        text = "0"
    return text.replace("-", MINUS)


def fmt_interval(low, high):
    return f"{fmt_temperature(low)} … {fmt_temperature(high)}"


def largest(temperatures, deviations, low, high):
    """The signed deviation (%) of largest magnitude in [low, high] and its temperature, or
    (None, None) when the interval holds no value."""
    inside = (temperatures >= low - 1e-9) & (temperatures <= high + 1e-9) & ~np.isnan(deviations)
    if not inside.any():
        return None, None
    ts, ds = temperatures[inside], deviations[inside]
    i = int(np.argmax(np.abs(ds)))
    return 100 * float(ds[i]), float(ts[i])


def overall_largest(temperatures, deviations):
    return largest(temperatures, deviations, -math.inf, math.inf)


def cell(value, t):
    if value is None:
        return "—"
    return f"{fmt_percent(value)} ({fmt_temperature(t)})"


def property_table(fluid, temperatures, deviations):
    """Markdown table: intervals × properties, largest signed deviation % (at °C)."""
    head = "| Interval, °C | " + " | ".join(SHORT_NAMES[k] for k, _ in PROPERTIES) + " |"
    rule = "|---|" + "---:|" * len(PROPERTIES)
    rows = [head, rule]
    for low, high in INTERVALS[fluid]:
        cells = [cell(*largest(temperatures, deviations[key], low, high)) for key, _ in PROPERTIES]
        rows.append(f"| {fmt_interval(low, high)} | " + " | ".join(cells) + " |")
    cells = [cell(*overall_largest(temperatures, deviations[key])) for key, _ in PROPERTIES]
    rows.append("| **whole range** | " + " | ".join(f"**{c}**" for c in cells) + " |")
    return "\n".join(rows)


def coefficient_table(results):
    """Markdown table of the coefficient's largest deviation per interval for both fluids."""
    rows = []
    for fluid in ("air", "water"):
        means, deviations, _, _ = results[fluid]
        rows.append(f"| **{FLUID_NAMES[fluid]}** | |")
        for low, high in INTERVALS[fluid]:
            rows.append(f"| {fmt_interval(low, high)} | "
                        f"{cell(*largest(means, deviations, low, high))} |")
    return "\n".join(["| Mean temperature, °C | Largest deviation, % (at °C) |", "|---|---:|"]
                     + rows)


# ---------------------------------------------------------------------------------------------
# Plots


def keep_to_bulk(ax, x, y):
    """When some |y| (%) exceed OFF_SCALE_ABOVE, limits the y axis to the other values and notes
    the off-scale extreme with an arrow at the axis' edge."""
    magnitude = np.abs(y)
    if not np.nanmax(magnitude) > OFF_SCALE_ABOVE:
        return
    rest = y[magnitude <= OFF_SCALE_ABOVE]
    low, high = min(float(rest.min()), 0.0), max(float(rest.max()), 0.0)
    pad = 0.08 * (high - low)
    ax.set_ylim(low - pad, high + pad)
    i = int(np.nanargmax(magnitude))
    below = y[i] < 0
    edge = low - pad if below else high + pad
    right = x[i] > 0.5 * (np.nanmin(x) + np.nanmax(x))
    ax.annotate(f"off scale: {fmt_percent(float(y[i]))} % at {fmt_temperature(float(x[i]))} °C",
                xy=(x[i], edge), xycoords="data",
                xytext=(-18 if right else 18, 14 if below else -14), textcoords="offset points",
                ha="right" if right else "left", va="bottom" if below else "top",
                fontsize=8.5, color="0.2",
                bbox={"boxstyle": "round,pad=0.2", "fc": "white", "ec": "none", "alpha": 0.85},
                arrowprops={"arrowstyle": "->", "color": "0.3", "lw": 0.8})


def save(figure, path):
    # No software tag: the files stay the same from run to run.
    figure.savefig(path, dpi=100, metadata={"Software": None})
    plt.close(figure)


def property_figure(fluid, temperatures, deviations, beta_zero, path):
    """One subplot per property: the built-in deviation (%) on a linear left axis, the reference
    model's |deviation| (%) on a logarithmic right axis. Dotted lines mark air's fit switches and
    water's zero of β (beta_zero, °C)."""
    figure, axes = plt.subplots(4, 2, figsize=(11, 12.6), sharex=True)
    axes = axes.ravel()
    reference_all = np.concatenate([np.abs(deviations["reference"][k]) for k, _ in PROPERTIES])
    top = max(100 * float(reference_all.max()), LOG_FLOOR_PERCENT) * 20
    marks = AIR_SWITCHES if fluid == "air" else (beta_zero,)
    handles = []
    for ax, (key, label) in zip(axes, PROPERTIES):
        builtin = 100 * deviations["builtin"][key]
        reference = np.maximum(100 * np.abs(deviations["reference"][key]), LOG_FLOOR_PERCENT)
        title = label
        if fluid == "water" and key == "expansion_coeff":
            title += f"  (relative to max(|β|, {BETA_FLOOR_TEXT} 1/K))"
        ax.set_title(title, fontsize=10.5)
        for m in marks:
            ax.axvline(m, color=COLOURS["mark"], lw=0.8, ls=":")
        ax.axhline(0, color=COLOURS["zero"], lw=0.8)
        (h_builtin,) = ax.plot(temperatures, builtin, color=COLOURS["builtin"], lw=1.4)
        ax.set_ylabel("built-in − iapws, %", color=COLOURS["builtin"], fontsize=9)
        ax.tick_params(axis="y", colors=COLOURS["builtin"], labelsize=8.5)
        ax.tick_params(axis="x", labelsize=8.5)
        ax.grid(True, color="0.9", lw=0.6)
        keep_to_bulk(ax, temperatures, builtin)
        twin = ax.twinx()
        (h_reference,) = twin.semilogy(temperatures, reference, color=COLOURS["reference"],
                                       ls="none", marker=".", markersize=2.2, alpha=0.8)
        twin.set_ylim(LOG_FLOOR_PERCENT / 3, top)
        twin.set_ylabel("|reference − iapws|, %", color=COLOURS["reference"], fontsize=9)
        twin.tick_params(axis="y", colors=COLOURS["reference"], labelsize=8)
        # The built-in line and its notes in front of the reference dots.
        ax.set_zorder(twin.get_zorder() + 1)
        ax.patch.set_visible(False)
        handles = [h_builtin, h_reference]
    # The last property's axes and the one beside the legend carry the temperature scale.
    for ax in (axes[len(PROPERTIES) - 2], axes[len(PROPERTIES) - 1]):
        ax.set_xlabel("Temperature, °C", fontsize=9.5)
        ax.xaxis.set_tick_params(labelbottom=True)
    legend_ax = axes[-1]
    legend_ax.axis("off")
    mark_label = ("built-in fits switch sets (−33 and 106 °C)" if fluid == "air"
                  else f"β = 0 ({beta_zero:.2f} °C, python3-iapws)")
    mark_handle = plt.Line2D([], [], color=COLOURS["mark"], lw=0.8, ls=":")
    legend_ax.legend(
        handles + [mark_handle],
        ["built-in model: (model − iapws)/iapws, %,\nsigned, left axis",
         "reference model: |model − iapws|/iapws, %,\nlogarithmic right axis",
         mark_label],
        loc="upper left", frameon=False, fontsize=10, markerscale=4)
    note = (f"{FLUID_NAMES[fluid]} at 101 325 Pa, against python3-iapws {iapws.__version__}.\n"
            f"Reference deviations below {LOG_FLOOR_PERCENT:g} % (the rounding\n"
            "of double precision) are drawn at that floor.")
    if any(np.abs(100 * deviations["builtin"][k]).max() > OFF_SCALE_ABOVE
           for k, _ in PROPERTIES):
        note += (f"\nWhere a few built-in deviations exceed ±{OFF_SCALE_ABOVE} %, the left\n"
                 "axis keeps to the others; the arrow gives the extreme.")
    legend_ax.text(0.0, 0.45, note, transform=legend_ax.transAxes, va="top", fontsize=9,
                   color="0.25")
    figure.suptitle(f"{FLUID_NAMES[fluid]}: deviation of ZAV's properties from python3-iapws",
                    fontsize=12.5)
    figure.tight_layout(rect=(0, 0, 1, 0.975))
    save(figure, path)


def coefficient_figure(results, path):
    """The coefficient's deviation (%) over the mean temperature, air and water side by side,
    with the refused spans shaded."""
    figure, axes = plt.subplots(1, 2, figsize=(11, 4.4))
    for ax, fluid in zip(axes, ("air", "water")):
        means, deviations, _, _ = results[fluid]
        ax.axhline(0, color=COLOURS["zero"], lw=0.8)
        marks = AIR_SWITCHES if fluid == "air" else ()
        for m in marks:
            ax.axvline(m, color=COLOURS["mark"], lw=0.8, ls=":")
        ax.plot(means, 100 * deviations, color=COLOURS["builtin"], lw=1.4)
        keep_to_bulk(ax, means, 100 * deviations)
        for low, high in refused_spans(means, deviations):
            ax.axvspan(low, high, color="0.88", lw=0)
        ax.grid(True, color="0.9", lw=0.6)
        ax.set_xlabel("Mean temperature, °C", fontsize=9.5)
        ax.set_ylabel("α built-in − α reference, % of reference", fontsize=9.5)
        ax.tick_params(labelsize=8.5)
        delta = 2 * HALF_DIFFERENCE[fluid]
        ax.set_title(f"{FLUID_NAMES[fluid]}: vertical plate, l = {PLATE_LENGTH:g} m, "
                     f"Δt = {delta:g} K", fontsize=10.5)
    legend = [plt.Line2D([], [], color=COLOURS["builtin"], lw=1.4),
              plt.Rectangle((0, 0), 1, 1, color="0.88"),
              plt.Line2D([], [], color=COLOURS["mark"], lw=0.8, ls=":")]
    figure.legend(legend, ["built-in against reference properties",
                           "refused by a check of the program",
                           "built-in air fits switch sets"],
                  loc="lower center", ncol=3, frameon=False, fontsize=9.5)
    figure.suptitle("Total heat transfer coefficient: built-in against reference properties",
                    fontsize=12)
    figure.tight_layout(rect=(0, 0.07, 1, 0.96))
    save(figure, path)


def refused_spans(means, deviations):
    """The spans of mean temperature whose points a check refused, each widened to its
    neighbouring computed points."""
    spans = []
    refused = np.isnan(deviations)
    i = 0
    while i < len(means):
        if refused[i]:
            j = i
            while j + 1 < len(means) and refused[j + 1]:
                j += 1
            low = means[i - 1] if i > 0 else means[i]
            high = means[j + 1] if j + 1 < len(means) else means[j]
            spans.append((low, high))
            i = j + 1
        else:
            i += 1
    return spans


# ---------------------------------------------------------------------------------------------
# The report


def water_beta_zeros():
    """The temperature (°C) where water's β changes sign: {"builtin", "reference", "iapws"}."""
    def program_beta(model):
        return lambda t: program_properties("water", model, t)["expansion_coeff"]

    def bisect(f, low=3.0, high=5.0):
        for _ in range(60):
            middle = 0.5 * (low + high)
            if f(middle) < 0:
                low = middle
            else:
                high = middle
        return 0.5 * (low + high)

    return {
        "builtin": bisect(program_beta("builtin")),
        "reference": bisect(program_beta("reference")),
        "iapws": bisect(lambda t: IAPWS97(T=t + KELVIN, P=PRESSURE_MPA).alfav),
    }


def classify(temperatures, deviations, low, high):
    """The built-in properties in [low, high] by their largest |deviation|: lists of text for
    beyond 5 %, 1 to 5 % and within 1 %."""
    groups = ([], [], [])
    for key, _ in PROPERTIES:
        value, t = largest(temperatures, deviations["builtin"][key], low, high)
        text = f"{SHORT_NAMES[key]} ({fmt_percent(value)} % at {fmt_temperature(t)} °C)"
        groups[0 if abs(value) > 5 else 1 if abs(value) > 1 else 2].append(text)
    return groups


def joined(items):
    if len(items) <= 1:
        return "".join(items)
    return ", ".join(items[:-1]) + " and " + items[-1]


def range_sentence(opening, groups):
    """One sentence from classify()'s groups."""
    beyond5, beyond1, within1 = groups
    parts = []
    if beyond5:
        parts.append(f"{joined(beyond5)} deviate{'s' if len(beyond5) == 1 else ''} by more "
                     "than 5 %")
    if beyond1:
        verb = "" if beyond5 else "deviates " if len(beyond1) == 1 else "deviate "
        parts.append(f"{joined(beyond1)} {verb}by 1 to 5 %")
    if within1:
        verb = "stays" if len(within1) == 1 else "stay"
        parts.append(f"{joined(within1)} {verb} within 1 %")
    return f"{opening} " + "; ".join(parts) + "."


def intervals_where(fluid, temperatures, deviations, test):
    """The table's intervals (as text) whose largest |deviation| (%) passes test."""
    found = []
    for low, high in INTERVALS[fluid]:
        value, _ = largest(temperatures, deviations, low, high)
        if value is not None and test(abs(value)):
            found.append(fmt_interval(low, high) + " °C")
    return found


def coefficient_sentence(fluid, means, deviations, settled_from=None):
    """The coefficient's range and where it passes 1 % and 5 %, as a sentence."""
    valid = ~np.isnan(deviations)
    low, high = 100 * float(deviations[valid].min()), 100 * float(deviations[valid].max())
    text = (f"The {fluid} coefficient with the built-in properties lies between "
            f"{fmt_percent(low)} % and {fmt_percent(high)} % of the one with the reference "
            "properties")
    beyond5 = intervals_where(fluid, means, deviations, lambda v: v > 5)
    within1 = intervals_where(fluid, means, deviations, lambda v: v <= 1)
    if beyond5:
        text += f", beyond 5 % in {joined(beyond5)}"
    if within1:
        text += f", within 1 % only in {joined(within1)}"
    else:
        text += ", and beyond 1 % in every interval"
    if settled_from is not None:
        later = valid & (means >= settled_from)
        a, b = 100 * float(deviations[later].min()), 100 * float(deviations[later].max())
        text += (f"; from {fmt_temperature(settled_from)} °C up it stays between "
                 f"{fmt_percent(a)} % and {fmt_percent(b)} %")
    return text + "."


def reference_worst(data):
    """Per fluid: (|largest|, largest signed %, temperature, key) of the reference model."""
    worst = {}
    for fluid, (temperatures, deviations) in data.items():
        candidates = []
        for key, _ in PROPERTIES:
            value, t = overall_largest(temperatures, deviations["reference"][key])
            candidates.append((abs(value), value, t, key))
        worst[fluid] = max(candidates)
    return worst


def write_report(path, data, coefficient, explained, beta_zeros):
    air_t, air_dev = data["air"]
    water_t, water_dev = data["water"]
    worst_reference = reference_worst(data)
    lines = []
    add = lines.append

    add("# Validation of the air and water properties")
    add("")
    add("ZAV describes air and water in two ways: by its **built-in** correlations (the "
        "program's own fits, the default) and by **reference** equations (`--properties "
        "reference`, `properties=\"reference\"`): water by IAPWS-IF97 region 1 with the IAPWS "
        "2008 viscosity and the IAPWS 2011 thermal conductivity, dry air by the equation of "
        "state of Lemmon, Jacobsen, Penoncello and Friend (2000) with the viscosity and thermal "
        "conductivity of Lemmon and Jacobsen (2004). This report compares both models with "
        f"python3-iapws {iapws.__version__} (Debian's "
        "package), an independent implementation of the same reference equations, at "
        "101 325 Pa: air from −73 to 1726.85 °C, water from 0.01 to 99.9 °C. It also compares "
        "the heat transfer coefficient the program computes with the built-in properties with "
        "the one it computes with the reference properties.")
    add("")
    add("The report and its plots are generated by `scripts/validate` "
        "(`scripts/validation_report.py`); rerun it after changing either model.")
    add("")
    add("The correlations are validated in [correlations.md](correlations.md): each shape's "
        "against the published alternatives, and the textbooks' worked examples.")
    add("")
    add("## Method")
    add("")
    add(f"- Properties at {len(air_t)} air temperatures and {len(water_t)} water temperatures, "
        "each taken from the program's Python module `zav` as the mean and fluid temperature "
        "of a one-point sweep. The steps are finer where the deviations change quickly: "
        "0.25 K below −33 °C and 0.05 K around the switches of the built-in air fits at −33 "
        "and 106 °C (plus points 1e-4 K to either side of each), 0.05 K below 10 °C for water "
        "and 0.005 K from 3.5 to 4.5 °C.")
    add("- Deviation = (model − iapws)/iapws for density ρ, heat capacity c_p, expansion "
        "coefficient β, dynamic viscosity μ, kinematic viscosity ν, thermal conductivity λ, "
        "and the Prandtl number Pr = ν·ρ·c_p/λ formed from the same values on both sides.")
    add("- Water's β passes through zero near 4 °C, so its deviation is taken relative to "
        f"max(|β_iapws|, {BETA_FLOOR_TEXT} 1/K) instead of β_iapws: near 4 °C it is the "
        f"difference in β in units of {BETA_FLOOR_TEXT} 1/K.")
    add("- The built-in air model takes β = 1/T of an ideal gas; the reference model and "
        "python3-iapws take β from the equation of state.")
    add(f"- Heat transfer coefficient: the default vertical plate (l = {PLATE_LENGTH:g} m, no "
        "radiation) over the mean temperature t_m, with t_fluid = t_m − "
        f"{HALF_DIFFERENCE['air']:g} K and t_body = t_m + {HALF_DIFFERENCE['air']:g} K for air, "
        f"t_m ∓ {HALF_DIFFERENCE['water']:g} K for water; deviation = (α_builtin − "
        "α_reference)/α_reference of the total coefficient. Points a check of the program "
        "refuses with either model are left out.")
    add("- Tables give the deviation of largest magnitude in each interval, signed, in %, with "
        "the temperature (°C) where it occurs in parentheses. The intervals are closed: a "
        "temperature on a boundary counts in both.")
    add("")

    for fluid, temperatures, deviations in (("air", air_t, air_dev),
                                            ("water", water_t, water_dev)):
        add(f"## {FLUID_NAMES[fluid]}")
        add("")
        add(f"![{FLUID_NAMES[fluid]}: deviation of the properties from python3-iapws]"
            f"(validation-{fluid}.png)")
        add("")
        add("The blue lines are the built-in model's signed deviation (left axes), the red dots "
            "the reference model's absolute deviation on a logarithmic scale (right axes).")
        add("")
        add("### Built-in model against python3-iapws, %")
        add("")
        add(property_table(fluid, temperatures, deviations["builtin"]))
        add("")
        add("### Reference model against python3-iapws, %")
        add("")
        add(property_table(fluid, temperatures, deviations["reference"]))
        add("")
        if fluid == "water":
            add("The reference water model agrees with python3-iapws to the rounding of "
                "double-precision arithmetic. β changes sign at "
                f"{beta_zeros['iapws']:.4f} °C in python3-iapws, "
                f"{beta_zeros['reference']:.4f} °C in the reference model and "
                f"{beta_zeros['builtin']:.4f} °C in the built-in model.")
            add("")
        elif explained is not None:
            mu_rest, k_rest = explained
            transport = np.abs(np.concatenate([deviations["reference"]["dyn_viscosity"],
                                               deviations["reference"]["conductivity"]]))
            add("The reference air model's transport properties differ from python3-iapws by "
                f"{fmt_order(transport.min())} to {fmt_order(transport.max())} (relative) "
                "for two known "
                "reasons, both far below the "
                "equations' own uncertainty (of the order of 1 %). The density that enters the "
                "transport equations is reduced by the critical density in mol/dm³: the "
                "program converts the mass density with the equation of state's molar mass, "
                "28.96546 g/mol, python3-iapws with the transport paper's 28.9586 g/mol. And "
                "python3-iapws adds the critical enhancement of the conductivity (Olchowy and "
                "Sengers), which at one atmosphere is non-zero only below 265.262 K and stays "
                "under 4e-6 of λ down to 200 K; the program leaves it out. With python3-iapws "
                "given the same molar mass and no enhancement, the largest differences are "
                f"{fmt_percent(100 * mu_rest)} % in μ and {fmt_percent(100 * k_rest)} % in λ.")
            add("")

    add("## Heat transfer coefficient")
    add("")
    add("![Deviation of the total heat transfer coefficient, built-in against reference]"
        "(validation-coefficient.png)")
    add("")
    add(coefficient_table(coefficient))
    add("")
    notes = []
    for fluid in ("air", "water"):
        means, deviations, refused, _ = coefficient[fluid]
        computed = int(np.count_nonzero(~np.isnan(deviations)))
        text = f"{computed} {fluid} mean temperatures computed, {len(refused)} refused"
        if len(refused):
            text += (f" (from {fmt_temperature(float(refused.min()))} to "
                     f"{fmt_temperature(float(refused.max()))} °C)")
        notes.append(text)
    own_worst = max(coefficient[f][3] for f in coefficient)
    agreement = ("exactly" if own_worst == 0 else f"to {own_worst:.1e} (relative)")
    add("Points: " + "; ".join(notes) + ". Below −63 °C the air temperature t_m − 10 K leaves "
        "the reference model's range. Water below 1 °C is refused for the same reason (its "
        "fluid temperature would be below 0 °C), and up to the zero of β because β < 0 there "
        "(water's density maximum): the Rayleigh number is negative, below the correlation's "
        "lower limit of 0.1. Just above the zero of β the Rayleigh number starts from zero, "
        "so a small difference in β is a large relative one and the coefficient's deviation "
        "peaks there. The program's own `reference_deviation` of each computed point agrees "
        f"with these numbers {agreement}.")
    add("")

    # What this means, from the numbers.
    add("## What this means")
    add("")
    sentences = [
        range_sentence("Between −33 and 106 °C, where the built-in air model uses its lower set "
                       "of fits,", classify(air_t, air_dev, -33, 106)),
        range_sentence("From 106 to 1726.85 °C, with the upper set,", classify(air_t, air_dev, 106,
                                                                     1726.85)),
        range_sentence("Below −33 °C, where the built-in model uses its upper set of fits "
                       "(the same as above 106 °C),",
                       classify(air_t, air_dev, -73, -33)),
        range_sentence("For water (0.01 to 99.9 °C),", classify(water_t, water_dev, 0, 99.9)),
    ]
    air_means, air_coefficient, _, _ = coefficient["air"]
    water_means, water_coefficient, _, _ = coefficient["water"]
    sentences.append(coefficient_sentence("air", air_means, air_coefficient))
    sentences.append(coefficient_sentence("water", water_means, water_coefficient,
                                          settled_from=5.0))
    worst_fluid = max(worst_reference, key=lambda f: worst_reference[f][0])
    _, value, t, key = worst_reference[worst_fluid]
    sentences.append(
        f"The reference models reproduce python3-iapws to within {fmt_percent(abs(value))} % "
        f"(largest: {worst_fluid}, {SHORT_NAMES[key]} at {fmt_temperature(t)} °C), so where a "
        "built-in deviation above matters, the reference properties are the ones to use.")
    add("\n\n".join(sentences))
    add("")
    path.write_text("\n".join(lines), encoding="utf-8")


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / "docs"
    out.mkdir(parents=True, exist_ok=True)

    data = {}
    for fluid, grid in (("air", air_grid()), ("water", water_grid())):
        data[fluid] = (grid, property_deviations(fluid, grid))
    explained = air_reference_explained(data["air"][0])
    beta_zeros = water_beta_zeros()

    coefficient = {}
    for fluid, means in (("air", air_mean_grid()), ("water", water_mean_grid())):
        deviations, refused, own = coefficient_deviations(fluid, means)
        coefficient[fluid] = (means, deviations, refused, own)

    for fluid, (temperatures, deviations) in data.items():
        property_figure(fluid, temperatures, deviations, beta_zeros["iapws"],
                        out / f"validation-{fluid}.png")
    coefficient_figure(coefficient, out / "validation-coefficient.png")
    write_report(out / "validation.md", data, coefficient, explained, beta_zeros)
    print(f"Wrote {out / 'validation.md'} and its plots.")


if __name__ == "__main__":
    main()

# SPDX-License-Identifier: GPL-3.0-or-later
"""The published alternative correlations beside a result: each shape's records are the ones computed
here again from the correlations' published forms, with the result's Prandtl and Rayleigh numbers and
conductivity; and these forms give the worked examples of the textbooks."""
import math

import pytest
import zav


def churchill_chu(ra, pr):
    return (0.825 + 0.387 * ra ** (1 / 6) / (1 + (0.492 / pr) ** (9 / 16)) ** (8 / 27)) ** 2


def yovanovich_f(pr):
    return 0.670 / (1 + (0.5 / pr) ** (9 / 16)) ** (4 / 9)


MORGAN = [(1e-2, 0.675, 0.058), (1e2, 1.02, 0.148), (1e4, 0.850, 0.188), (1e7, 0.480, 0.250), (math.inf, 0.125, 0.333)]


def alternatives(shape, ra, pr, l, area=1.0, angle=0.0, rising=True):
    """[(id, length L, Nusselt number on L, in range)] for Rayleigh number ra on the length l."""
    gr = ra / pr
    if shape == "vertical-plate":
        laminar = 0.68 + 0.670 * ra ** 0.25 / (1 + (0.492 / pr) ** (9 / 16)) ** (4 / 9)
        mcadams = 0.59 * ra ** 0.25 if ra <= 1e9 else 0.10 * ra ** (1 / 3)
        return [("churchill-chu-laminar", l, laminar, ra <= 1e9), ("mcadams", l, mcadams, 1e4 <= ra <= 1e13)]
    if shape == "inclined-plate":
        ra_cos = ra * math.cos(angle * math.pi / 180)
        return [("churchill-chu-cos", l, churchill_chu(ra_cos, pr), 0.1 <= ra_cos <= 1e12 and 0 <= angle <= 60)]
    if shape == "horizontal-plate":
        if rising:
            mcadams = (0.54 * ra ** 0.25 if ra <= 1e7 else 0.15 * ra ** (1 / 3), 1e4 <= ra <= 1e11)
            nu_thin = 0.835 * 0.671 / (1 + (0.492 / pr) ** (9 / 16)) ** (4 / 9) * ra ** 0.25
            nu_laminar = 1.4 / math.log(1 + 1.4 / nu_thin)
            nu_turbulent = 0.14 * (1 + 0.0107 * pr) / (1 + 0.01 * pr) * ra ** (1 / 3)
            raithby = ((nu_laminar ** 10 + nu_turbulent ** 10) ** 0.1, 1 <= ra <= 1e10)
        else:
            mcadams = (0.27 * ra ** 0.25, 1e5 <= ra <= 1e10)
            nu_thin = 0.527 * ra ** 0.2 / (1 + (1.9 / pr) ** 0.9) ** (2 / 9)
            raithby = (2.5 / math.log(1 + 2.5 / nu_thin), 1e3 <= ra <= 1e10)
        return [("mcadams-horizontal", l, *mcadams), ("raithby-hollands-horizontal", l, *raithby)]
    if shape == "horizontal-cylinder":  # l is half the circumference
        d = 2 * l / math.pi
        ra_d = ra * (d / l) ** 3
        c, n = next((c, n) for limit, c, n in MORGAN if ra_d < limit)
        laminar = 0.518 * ra_d ** 0.25 * (1 + (0.559 / pr) ** 0.6) ** (-5 / 12)
        kuehn = 2 / math.log(1 + 2 / (laminar ** 15 + (0.1 * ra_d ** (1 / 3)) ** 15) ** (1 / 15))
        return [("morgan", d, c * ra_d ** n, 1e-10 <= ra_d <= 1e12),
                ("kuehn-goldstein", d, kuehn, ra_d <= 1e12 and pr >= 0.7)]
    if shape == "sphere":  # l is the diameter
        psi = 1 + (0.469 / pr) ** (9 / 16)
        churchill = 2 + 0.589 * ra ** 0.25 / psi ** (4 / 9) * (1 + 7.44e-8 * ra / psi ** (16 / 9)) ** (1 / 12)
        root_area = math.sqrt(math.pi) * l
        ra_root = ra * (root_area / l) ** 3
        yovanovich = 2 * math.sqrt(math.pi) + 1.023 * yovanovich_f(pr) * ra_root ** 0.25
        return [("churchill-1983", l, churchill, ra <= 1e13), ("yovanovich", root_area, yovanovich, ra_root <= 1e8)]
    if shape == "vertical-cylinder":  # l is the height, area the lateral surface
        d = area / (math.pi * l)
        b = 0.0571322 + 0.20305 * pr ** -0.43
        c = 0.9165 - 0.0043 * pr ** 0.5 + 0.01333 * math.log(pr) + 0.0004809 / pr
        popiel = churchill_chu(ra, pr) * (1 + b * (32 ** 0.5 * gr ** -0.25 * l / d) ** c)
        mcadams = 0.59 * ra ** 0.25 if ra <= 1e9 else 0.13 * ra ** (1 / 3)
        return [("popiel-churchill", l, popiel, 1e4 <= ra <= 1e9 and 0.01 <= pr <= 100 and l / d <= 60),
                ("mcadams-weiss-saunders", l, mcadams, 1e4 <= ra <= 1e12 and d / l >= 35 * gr ** -0.25)]
    if shape == "cube":  # l is 3·√π times the edge
        root_area = math.sqrt(6) * l / (3 * math.sqrt(math.pi))
        ra_root = ra * (root_area / l) ** 3
        return [("yovanovich", root_area, 3.388 + 0.951 * yovanovich_f(pr) * ra_root ** 0.25, ra_root <= 1e8)]
    return []  # the finned tube


AIR = [("air", 25, 20), ("air", 320, 20), ("air", 20, 100)]
WATER = [("water", 25, 20), ("water", 90, 10), ("water", 10, 60)]


def cases(shape, air, water, **geometry):
    return [dict(shape=shape, fluid=fluid, t_body=t_body, t_fluid=t_fluid, length=length, **geometry)
            for fluid, t_body, t_fluid in AIR + WATER for length in (air if fluid == "air" else water)]


# Hot and cold bodies in air and water, Rayleigh numbers from about 10 to 10^14 (the lengths the program
# refuses for a shape left out), and the horizontal plate's faces beyond their correlations' ranges.
CASES = (cases("vertical-plate", (0.01, 0.3, 3), (0.01, 0.3))
         + [c for angle in (0, 30, 60, 75) for c in cases("inclined-plate", (0.01, 3), (0.3,), angle=angle)]
         + [c for face in ("upper", "lower")
            for c in cases("horizontal-plate", (0.03, 0.3, 1), (0.01, 0.03), face=face)]
         + [dict(shape="horizontal-plate", fluid=fluid, t_body=t_body, t_fluid=t_fluid, length=length, face=face)
            for fluid, t_body, t_fluid, length, face in [("air", 25, 20, 3, "lower"), ("air", 320, 20, 3, "upper"),
                                                          ("water", 10, 60, 1, "lower")]]
         + cases("horizontal-cylinder", (0.003, 0.03, 0.3, 3), (0.01, 0.3, 3))
         + cases("sphere", (0.01, 0.3, 3), (0.01, 0.3, 3))
         + [c for area in (1, 0.004) for c in cases("vertical-cylinder", (0.01, 0.3, 3), (0.01, 0.3, 3), area=area)]
         + cases("cube", (0.01, 0.3, 3), (0.01, 0.3, 3))
         + [dict(shape="finned-tube", fluid="air", t_body=25, t_fluid=20, length=0.03)])


@pytest.mark.filterwarnings("ignore::zav.RangeWarning")  # the program's own correlation out of its range
@pytest.mark.parametrize("case", CASES, ids=["-".join(map(str, c.values())) for c in CASES])
def test_alternatives_are_the_published_correlations(case):
    result = zav.steady(**case)
    rising = (case.get("face", "upper") == "upper") == (case["t_body"] > case["t_fluid"])
    expected = alternatives(case["shape"], result.grashof * result.prandtl, result.prandtl, case["length"],
                            case.get("area", 1.0), case.get("angle", 0.0), rising)
    assert isinstance(result.alternatives, tuple)
    assert [a.id for a in result.alternatives] == [e[0] for e in expected]
    for got, (_, length, nusselt, in_range) in zip(result.alternatives, expected):
        alpha = nusselt * result.conductivity / length
        assert isinstance(got.name, str) and got.name, got.id
        assert (got.length, got.nusselt, got.alpha_conv, got.deviation, got.in_range) == (
            pytest.approx(length, rel=1e-6), pytest.approx(nusselt, rel=1e-6), pytest.approx(alpha, rel=1e-6),
            pytest.approx((alpha - result.alpha_conv) / result.alpha_conv, rel=1e-6, abs=1e-9), in_range), got.id


def test_points_of_an_array_have_no_alternatives():
    assert zav.steady(t_body=[50, 80], shape="sphere").alternatives == ()


# Worked examples: (book, shape, Ra, Pr, l, published Nusselt number, its last printed digit).
# Incropera, DeWitt, Bergman, Lavine, Fundamentals of Heat and Mass Transfer, 6th ed. (Wiley 2007),
# Example 9.2: the glass door of a fireplace, 0.71 m high, 232 °C, room air 23 °C, air's properties
# at 400 K (ν = 26.41e-6 m²/s, α = 38.3e-6 m²/s, Pr = 0.690, β = 1/400 K); Churchill and Chu's
# correlation of the whole range, the inclined plate's at 0°: Nu = 147.
EXAMPLES = [
    ("Incropera 6th ed., Example 9.2", "inclined-plate",
     9.8 / 400 * (232 - 23) * 0.71 ** 3 / (26.41e-6 * 38.3e-6), 0.690, 0.71, 147, 1),
]


@pytest.mark.parametrize("book, shape, ra, pr, l, nusselt, digit", EXAMPLES)
def test_the_correlations_give_the_worked_examples(book, shape, ra, pr, l, nusselt, digit):
    assert abs(alternatives(shape, ra, pr, l)[0][2] - nusselt) <= digit / 2

# SPDX-License-Identifier: GPL-3.0-or-later
"""The reference properties of air and water against an independent implementation of the same
equations, python3-iapws: liquid water at 101 325 Pa (iapws.IAPWS97) and dry air at 101 325 Pa
(iapws.humidAir.Air), 300 temperatures each across the ranges, every property within 0.05 %.

The module's sweep of one point with the surface and the fluid at the same temperature evaluates
every property there, without the checks that a temperature difference of 0 would fail."""
import numpy
import pytest
import zav

iapws = pytest.importorskip("iapws")
from iapws.humidAir import Air  # noqa: E402

TOLERANCE = 5e-4  # 0.05 %
ATMOSPHERE_MPA = 0.101325

# (the module's key, iapws' attribute, factor from iapws' unit to SI)
PROPERTIES = [("density", "rho", 1), ("heat_capacity", "cp", 1000), ("expansion_coeff", "alfav", 1),
              ("dyn_viscosity", "mu", 1), ("conductivity", "k", 1)]


def reference_point(fluid, t):
    point = zav.sweep(fluid=fluid, properties="reference", t_fluid=t, from_=t, to=t, step=1)
    assert len(point) == 1
    return point


def deviations(fluid, temperatures, independent):
    """The largest relative deviation of each property over the temperatures, and where."""
    worst = {key: (0.0, None) for key, _, _ in PROPERTIES}
    for t in temperatures:
        ours = reference_point(fluid, t)
        theirs = independent(t + 273.15)
        for key, attribute, factor in PROPERTIES:
            expected = getattr(theirs, attribute) * factor
            actual = float(getattr(ours, key)[0])
            # Water's β passes through 0 near 3,98 °C: there a relative deviation means nothing,
            # so it is measured against β's magnitude a degree away (about 1e-5 1/K).
            scale = max(abs(expected), 1e-5) if key == "expansion_coeff" else abs(expected)
            deviation = abs(actual - expected) / scale
            if deviation > worst[key][0]:
                worst[key] = (deviation, t)
        kinematic = float(ours.kin_viscosity[0]) * float(ours.density[0]) / float(ours.dyn_viscosity[0])
        assert kinematic == pytest.approx(1, rel=1e-12)
    return worst


@pytest.mark.parametrize("fluid, temperatures, independent", [
    ("water", numpy.linspace(0.01, 99.9, 300), lambda kelvin: iapws.IAPWS97(T=kelvin, P=ATMOSPHERE_MPA)),
    ("air", numpy.linspace(-73, 1726.85, 300), lambda kelvin: Air(T=kelvin, P=ATMOSPHERE_MPA)),
])
def test_reference_properties_agree_with_iapws(fluid, temperatures, independent):
    worst = deviations(fluid, temperatures, independent)
    failing = {key: value for key, value in worst.items() if value[0] > TOLERANCE}
    assert not failing, f"{fluid}: largest relative deviations (deviation, °C) beyond 0,05 %: {failing}"


def test_builtin_properties_stay_the_default():
    assert zav.steady().alpha_total == zav.steady(properties="builtin").alpha_total
    assert zav.steady().alpha_total != zav.steady(properties="reference").alpha_total

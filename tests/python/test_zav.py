# SPDX-License-Identifier: GPL-3.0-or-later
"""The module zav on its own: its results in the windows' texts (tests/scenarios/*.out), warnings
through the warnings module, refused cases as CheckError with the windows' messages, bad arguments
as ValueError, sweeps and curves as NumPy arrays or, without NumPy, lists."""
import os
import subprocess
import sys

import pytest
import zav

# (arguments, key, precision, decimals, window's text), from calculation.out, radiation.out and
# cooling.out.
RESULTS = [
    (zav.steady, {}, "alpha_total", 6, 3, "7,362"),
    (zav.steady, {}, "heat_flow", 6, 2, "589,00"),
    (zav.steady, {"shape": "inclined-plate", "angle": 30}, "nusselt", 10, 4, "25,1779"),
    (zav.steady, {"shape": "horizontal-plate", "face": "lower"}, "alpha_total", 6, 3, "3,027"),
    (zav.steady, {"shape": "finned-tube", "length": 0.01}, "alpha_total", 6, 3, "4,347"),
    (zav.steady, {"emissivity": 0.8}, "alpha_total", 6, 3, "14,168"),
    (zav.steady, {"t_body": -100, "t_fluid": -46}, "t_mean", 10, 2, "-73,00"),
    (zav.cool, {"emissivity": 1}, "cooling_time", 8, 1, "169,1"),
    (zav.cool, {}, "cooling_time", 8, 1, "375,4"),
    (zav.cool, {"emissivity": 1, "steps": 3, "target": 60}, "cooling_time", 8, 1, "46,8"),
]


@pytest.mark.parametrize("function, arguments, key, precision, decimals, text", RESULTS)
def test_results_are_the_windows(function, arguments, key, precision, decimals, text):
    assert zav.format_fixed(getattr(function(**arguments), key), precision, decimals) == text


LINEAR = '{"kind": "linear"}'
QUADRATIC = '{"kind": "quadratic", "density": [1.2, -0.1, 0]}'
LINEAR_FLUID = "Teplota tekutiny je mimo rozsah platnosti aproximačnej rovnice lineárnej regresie!"
QUADRATIC_MEAN = "Stredná teplota je mimo rozsah platnosti aproximačnej rovnice kvadratickej regresie!"
QUADRATIC_FLUID = "Teplota tekutiny je mimo rozsah platnosti aproximačnej rovnice kvadratickej regresie!"
NOT_FINITE = ("Výsledok nie je konečné číslo: skontrolujte charakteristický rozmer, plochu, údaje geometrie "
              "(uhol, rozostup rebier, priemer rúrky) a vlastnosti tekutiny !!!")

# (function, arguments, fluid file, warnings, CheckError's text or None), from user_fluid.out,
# failures.out, sweeps.out and cooling.out.
MESSAGES = [
    (zav.steady, {"t_body": 25, "t_fluid": -5}, LINEAR, [LINEAR_FLUID], None),
    (zav.steady, {"t_body": 300, "t_fluid": 150, "shape": "cube"}, QUADRATIC, [QUADRATIC_MEAN, QUADRATIC_FLUID],
     NOT_FINITE),
    (zav.sweep, {"t_fluid": -5, "from_": 10, "to": 20, "step": 10}, LINEAR, [LINEAR_FLUID], None),
    (zav.steady, {"t_body": -100, "t_fluid": -47}, None, [], "Stredná teplota musí byť v rozsahu -73 až 2226°C !!!"),
    (zav.steady, {"t_body": 20}, None, [], "Pre dané parametre nie je možný výpočet! 0,1<Ra<10^12 !!!"),
    (zav.sweep, {"step": 0}, None, [], "Krok teploty povrchu musí byť väčší ako nula; rozsah sa nevypočíta."),
    (zav.cool, {"target": 100}, None, [],
     "Teplota ochladenia musí ležať medzi teplotou tekutiny a teplotou telesa !!!"),
    (zav.cool, {"steps": 0}, None, [], "Počet krokov musí byť kladné číslo !!!"),
    (zav.cool, {"steps": 2.5, "emissivity": 1}, None, [],
     "Krok ochladzovania siaha až za teplotu tekutiny: čas kroku nie je definovaný !!!"),
]


@pytest.mark.parametrize("function, arguments, fluid, warnings, error", MESSAGES)
def test_messages_are_the_windows(tmp_path, recwarn, function, arguments, fluid, warnings, error):
    if fluid is not None:
        (tmp_path / "fluid.json").write_text(fluid)
        arguments = dict(arguments, fluid_file=str(tmp_path / "fluid.json"))
    if error is None:
        function(**arguments)
    else:
        with pytest.raises(zav.CheckError) as raised:
            function(**arguments)
        assert str(raised.value) == error
    assert [str(w.message) for w in recwarn if w.category is zav.RangeWarning] == warnings


def test_stopped_cooling_keeps_its_run():
    with pytest.raises(zav.CheckError) as raised:
        zav.cool(steps=2.5, emissivity=1)
    # The window shows 82,3 s for the two steps that were done (cooling.out).
    assert zav.format_fixed(raised.value.result.cooling_time, 8, 1) == "82,3"
    assert raised.value.result.steps == 2


BAD_ARGUMENTS = [
    ({"shape": "hexagon"}, "Neznámy tvar povrchu „hexagon“"),
    ({"fluid": "oil"}, "Neznáma tekutina „oil“"),
    ({"face": "side"}, "Neznáma plocha „side“"),
    ({"properties": "iapws"}, "Neznáme vlastnosti „iapws“; možnosti: builtin, reference."),
    ({"fluid": "user"}, "Tekutina user potrebuje svoj opis"),
    ({"kelo": "chyba.kelo"}, "Súbor „chyba.kelo“ sa nepodarilo otvoriť."),
    ({"fluid_file": "chyba.json"}, "Súbor „chyba.json“ sa nepodarilo otvoriť."),
]


@pytest.mark.parametrize("arguments, message", BAD_ARGUMENTS)
def test_bad_arguments_raise_value_error(arguments, message):
    with pytest.raises(ValueError, match=message) as raised:
        zav.steady(**arguments)
    assert not isinstance(raised.value, zav.CheckError)


def test_arguments_are_keywords_only():
    with pytest.raises(TypeError):
        zav.steady(100, 20)
    with pytest.raises(TypeError):
        zav.steady(t_bdy=100)


def test_columns_are_numpy_arrays_or_lists():
    numpy = pytest.importorskip("numpy")
    sweep = zav.sweep(to=30, step=10)
    assert isinstance(sweep.alpha_total, numpy.ndarray) and sweep.alpha_total.dtype == numpy.float64
    assert list(sweep.t_body) == [0, 10, 20, 30]
    assert isinstance(zav.cool(steps=3, target=60).t_body, numpy.ndarray)
    # Without NumPy the same values come as lists of floats.
    script = ("import sys; sys.modules['numpy'] = None; import zav; s = zav.sweep(to=30, step=10); "
              "print(zav.numpy, type(s.alpha_total).__name__, s.alpha_total == %r)" % list(sweep.alpha_total))
    out = subprocess.run([sys.executable, "-c", script], capture_output=True, text=True, env=os.environ)
    assert out.stdout.split() == ["False", "list", "True"], out.stderr


def test_help_explains_every_argument():
    text = zav.steady.__doc__ + zav.sweep.__doc__ + zav.cool.__doc__
    for name in ["t_body", "t_fluid", "length", "area", "fluid", "shape", "angle", "face", "fin_gap",
                 "tube_diameter", "emissivity", "fluid_file", "kelo", "pressure", "properties", "from_", "to", "step",
                 "table", "ccl", "name", "mass", "cooling_area", "target", "steps", "heat_capacity", "data",
                 "picture", "picture_background"]:
        assert f"\n    {name}" in text, name

# SPDX-License-Identifier: GPL-3.0-or-later
"""The module zav on its own: its keywords give the windows' results (tests/scenarios/*.out) and
files, warnings go through the warnings module at the caller's line, refused cases raise
CheckError, bad arguments ValueError with the module's spelling of its keywords, files the system
refuses OSError, Ctrl-C KeyboardInterrupt; sweeps, curves, steady() and solve() over arrays are
NumPy arrays; solve() inverts steady(); results have a repr, pickle and compare by value. The checks the
module shares with zav-calc (tools/calc) are reached here once each, with the module's arguments;
their details are tested through zav-calc (tests/tools), the fluid file's through the module."""
import errno
import importlib.metadata
import json
import math
import os
import pathlib
import pickle
import re
import signal
import subprocess
import sys
import threading
import time
import warnings

import numpy
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
    # The cooling window starts with its radiation on, emissivity 1.
    (zav.cool, {}, "cooling_time", 8, 1, "169,1"),
    (zav.cool, {"emissivity": 1}, "cooling_time", 8, 1, "169,1"),
    (zav.cool, {"radiation": False}, "cooling_time", 8, 1, "375,4"),
    (zav.cool, {"emissivity": None}, "cooling_time", 8, 1, "375,4"),
    (zav.steady, {"radiation": True}, "alpha_total", 6, 3, "14,168"),
    (zav.steady, {"radiation": False, "emissivity": 0.8}, "alpha_total", 6, 3, "7,362"),
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

# Each function's warnings and CheckError: (function, arguments, fluid file, warnings, CheckError's
# text or None), from user_fluid.out, sweeps.out and cooling.out. A sweep warns of a text once,
# however many of its points give it.
MESSAGES = [
    (zav.steady, {"t_body": 25, "t_fluid": -5}, LINEAR, [LINEAR_FLUID], None),
    (zav.steady, {"t_body": 300, "t_fluid": 150, "shape": "cube"}, QUADRATIC, [QUADRATIC_MEAN, QUADRATIC_FLUID],
     NOT_FINITE),
    (zav.sweep, {"t_fluid": -5, "from_": 10, "to": 30, "step": 10}, LINEAR, [LINEAR_FLUID], None),
    (zav.sweep, {"step": 0}, None, [], "Krok teploty povrchu musí byť väčší ako nula; rozsah sa nevypočíta."),
    (zav.cool, {"t_fluid": -5, "steps": 3, "target": 60}, LINEAR, [LINEAR_FLUID], None),
    (zav.cool, {"target": 100}, None, [],
     "Teplota ochladenia musí ležať medzi teplotou tekutiny a teplotou telesa !!!"),
]


@pytest.mark.parametrize("function, arguments, fluid, texts, error", MESSAGES)
def test_messages_are_the_windows(tmp_path, function, arguments, fluid, texts, error):
    if fluid is not None:
        (tmp_path / "fluid.json").write_text(fluid)
        arguments = dict(arguments, fluid_file=str(tmp_path / "fluid.json"))
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")  # every warning issued, not once a place
        if error is None:
            function(**arguments)
        else:
            with pytest.raises(zav.CheckError) as raised:
                function(**arguments)
            assert str(raised.value) == error
    assert [str(w.message) for w in caught if w.category is zav.RangeWarning] == texts


def test_stopped_cooling_keeps_its_run():
    with pytest.raises(zav.CheckError) as raised:
        zav.cool(steps=2.5, emissivity=1)
    # The window shows 82,3 s for the two steps that were done (cooling.out).
    assert zav.format_fixed(raised.value.result.cooling_time, 8, 1) == "82,3"
    assert raised.value.result.steps == 2


# (function, arguments, the start of ValueError's text): the messages that name keywords, and one of
# a name that is not a choice.
BAD_ARGUMENTS = [
    (zav.steady, {"properties": "iapws"}, "Neznáme vlastnosti „iapws“; možnosti: builtin, reference."),
    (zav.steady, {"fluid": "user"}, "Tekutina user potrebuje svoj opis: fluid_file alebo kelo."),
    (zav.steady, {"fluid": "water", "kelo": "plyn.kelo"},
     "fluid water sa nedá zadať spolu s kelo: súbor opisuje tekutinu user."),
    (zav.steady, {"fluid": "air", "fluid_file": "fluid.json"},
     "fluid air sa nedá zadať spolu s fluid_file: súbor opisuje tekutinu user."),
    (zav.steady, {"pressure": 3}, "pressure platí len pre tekutinu KELO (kelo alebo fluid_file s druhom „kelo“)."),
    (zav.steady, {"kelo": ""}, "kelo: názov súboru je prázdny."),
    (zav.sweep, {"name": "Q1"}, "name potrebuje knižnicu CEL: ccl."),
    (zav.sweep, {"ccl": "k.ccl"}, "ccl potrebuje názov okrajovej podmienky: name."),
    (zav.sweep, {"ccl": "k.ccl", "name": "alfa stena"}, "Názov okrajovej podmienky „alfa stena“ nie je platný"),
    (zav.sweep, {"table": ""}, "table: názov súboru je prázdny."),
    (zav.sweep, {"table": "t.txt", "ccl": "./t.txt", "name": "Q1"},
     "table a ccl určujú ten istý súbor „t.txt“: jeden by prepísal druhý."),
    (zav.cool, {"picture": ""}, "picture: názov súboru je prázdny."),
    (zav.cool, {"data": "k.bmp", "picture": "k.bmp"},
     "data a picture určujú ten istý súbor „k.bmp“: jeden by prepísal druhý."),
    # The module refuses an unknown background before an empty file name (zav-calc after it).
    (zav.cool, {"picture_background": "grey", "data": ""}, "Neznáme pozadie obrázka „grey“; možnosti: black, white."),
    # A NUL in a file's name: the system would take the name before it.
    *[(function, dict(arguments, **{key: "c\0.x"}), f"{key}: názov súboru „c\\0.x“ obsahuje znak NUL.")
      for function, key, arguments in [(zav.steady, "case", {}), (zav.steady, "fluid_file", {}),
                                       (zav.steady, "kelo", {}), (zav.sweep, "table", {}),
                                       (zav.sweep, "ccl", {"name": "Q1"}), (zav.cool, "data", {}),
                                       (zav.cool, "picture", {})]],
]


@pytest.mark.parametrize("function, arguments, message", BAD_ARGUMENTS)
def test_bad_arguments_raise_value_error(tmp_path, monkeypatch, function, arguments, message):
    monkeypatch.chdir(tmp_path)
    with pytest.raises(ValueError) as raised:
        function(**arguments)
    assert str(raised.value).startswith(message) and not isinstance(raised.value, zav.CheckError)
    assert os.listdir(tmp_path) == []


# Files the system cannot read or write: (function, arguments, errno, OSError's Slovak text); the
# file's name is the argument's last value.
FILE_ERRORS = [
    (zav.steady, {"fluid_file": "chyba.json"}, errno.ENOENT, "Súbor „chyba.json“ sa nepodarilo otvoriť."),
    (zav.steady, {"kelo": "chyba.kelo"}, errno.ENOENT, "Súbor „chyba.kelo“ sa nepodarilo otvoriť."),
    (zav.steady, {"fluid_file": "folder"}, errno.EISDIR, "Súbor „folder“ sa nepodarilo otvoriť: je to priečinok."),
    (zav.sweep, {"table": "read-only.txt"}, errno.EACCES, "Súbor „read-only.txt“ je určený len na čítanie; nezapíše sa."),
    (zav.sweep, {"name": "Q1", "ccl": "nie/q.ccl"}, errno.ENOENT, "Súbor „nie/q.ccl“ sa nepodarilo otvoriť na zápis."),
    (zav.cool, {"data": "nie/d.txt"}, errno.ENOENT,
     "Súbor „nie/d.txt“ sa nepodarilo otvoriť na zápis. Výpočet sa nespustí."),
    (zav.cool, {"steps": 3, "picture": "read-only.txt"}, errno.EACCES,
     "Súbor „read-only.txt“ je určený len na čítanie; nezapíše sa."),
]


@pytest.mark.parametrize("function, arguments, number, message", FILE_ERRORS)
def test_file_errors_raise_os_error(tmp_path, monkeypatch, function, arguments, number, message):
    monkeypatch.chdir(tmp_path)
    (tmp_path / "folder").mkdir()
    (tmp_path / "read-only.txt").write_text("old")
    (tmp_path / "read-only.txt").chmod(0o444)
    with pytest.raises(OSError) as raised:
        function(**arguments)
    assert (raised.value.errno, raised.value.strerror) == (number, message)
    assert raised.value.filename == list(arguments.values())[-1]
    assert sorted(os.listdir(tmp_path)) == ["folder", "read-only.txt"]
    assert (tmp_path / "read-only.txt").read_text() == "old"


CALC = os.environ.get("ZAV_CALC")
GOLDEN = os.path.join(os.path.dirname(__file__), "..", "scenarios", "golden")

# The files of cool() beside the same case's file of the window (tests/scenarios/golden, the data
# file) or of zav-calc (its options, the picture): (arguments, the other file, lines compared or
# None for all). Without radiation the data file's coefficient of radiation is still the cooling
# window's emissivity 1's, so the start row is the one with radiation.
FILES = [
    ({"data": "m", "emissivity": 1, "steps": 3, "target": 60}, "cooling_three_steps.txt", None),
    ({"data": "m", "steps": 3, "target": 60}, "cooling_three_steps.txt", None),
    ({"data": "m", "steps": 3, "target": 60, "radiation": False}, "cooling_three_steps.txt", 2),
    ({"picture": "m", "steps": 300, "picture_background": "white"},
     ["--picture", "c", "--steps", "300", "--picture-background", "white"], None),
]


@pytest.mark.parametrize("arguments, other, lines", FILES)
def test_cooling_files_are_the_windows_and_zav_calcs(tmp_path, monkeypatch, arguments, other, lines):
    monkeypatch.chdir(tmp_path)
    zav.cool(**arguments)
    if isinstance(other, str):
        expected = open(os.path.join(GOLDEN, other), "rb").read()
    else:
        subprocess.run([CALC, "cool"] + other, check=True, capture_output=True)
        expected = (tmp_path / "c").read_bytes()
    assert (tmp_path / "m").read_bytes().split(b"\n")[:lines] == expected.split(b"\n")[:lines]


KELO = {"kind": "kelo", "dyn_viscosity": [5, 1e-7, 0.045, 0, 0, 0], "compressibility": [1, 1e-9, 0, 0, 0, 0],
        "conductivity": [5, 0, 0.065, 0, 0, 0], "heat_capacity": [950, 0, 0.16, 0, 0, 0],
        "t_min": -50, "t_max": 500, "p_min": 0.05, "p_max": 10, "gas_constant": 287}
POLYNOMIAL = ["dyn_viscosity", "density", "conductivity", "heat_capacity"]
# Each kind's keys that take numbers: a valid description and each key's list length (0: a number).
FLUID_KEYS = [
    ({"kind": "constant"}, dict.fromkeys(POLYNOMIAL + ["expansion_coeff"], 0)),
    ({"kind": "linear"}, dict(dict.fromkeys(POLYNOMIAL, 2), t_min=0, t_max=0)),
    ({"kind": "quadratic"}, dict(dict.fromkeys(POLYNOMIAL, 3), t_min=0, t_max=0)),
    (KELO, dict(dict.fromkeys(["dyn_viscosity", "compressibility", "conductivity", "heat_capacity"], 6),
                **dict.fromkeys(["t_min", "t_max", "p_min", "p_max", "gas_constant", "pressure"], 0))),
]
# What stands where a number is expected: its JSON text and the message's end (None: not a number).
NOT_NUMBERS = [("1e999", ": '1e999' nie je platné číslo."), ('"abc"', ": 'abc' nie je platné číslo."),
               ("null", None), ("[1]", None), ('{"a": 1}', None)]
FLUID_CASES = [(fluid, key, length, text, end) for fluid, keys in FLUID_KEYS for key, length in keys.items()
               for text, end in NOT_NUMBERS]


@pytest.mark.parametrize("fluid, key, length, text, end", FLUID_CASES,
                         ids=[f"{c[0]['kind']}-{c[1]}-{c[3]}" for c in FLUID_CASES])
def test_fluid_file_values_are_refused(tmp_path, monkeypatch, fluid, key, length, text, end):
    """A fluid file's key that is not a number: ValueError with a text that names the file and the
    key (zav-calc's text too: both read the file through tools/calc)."""
    monkeypatch.chdir(tmp_path)
    value = ["@"] + [0] * (length - 1) if length else "@"
    (tmp_path / "f.json").write_text(json.dumps(dict(fluid, **{key: value})).replace('"@"', text))
    if end is None:
        end = f" musí byť zoznam {length} čísel." if length else " musí byť číslo."
    message = f"Súbor „f.json“: pole „{key}“{end}"
    with pytest.raises(ValueError) as raised:
        zav.steady(fluid_file="f.json")
    assert str(raised.value) == message and not isinstance(raised.value, zav.CheckError)


# Long runs, each interrupted while it computes (the sweep while it writes its table, or its
# points), and whether a whole run of it is short enough to time alone first.
INTERRUPTED = [
    ("sweep(from_=0, to=99.9999, step=0.0001, properties='reference', table='old.txt')", True),
    ("sweep(from_=0, to=99.9999, step=0.0001, properties='reference')", True),
    ("cool(steps=1e9, data='old.txt')", False),
    ("solve(heat_flow=[40.0] * 300000)", True),
]


@pytest.mark.parametrize("call, timed", INTERRUPTED)
def test_ctrl_c_raises_keyboard_interrupt_at_once(tmp_path, call, timed):
    """Ctrl-C a third of the way into a run ends it well before the rest of the run would have
    taken (measured by a whole run just before, on the same loaded machine; the cooling run of a
    billion steps would take minutes)."""
    (tmp_path / "old.txt").write_text("old")
    whole = (f"t = time.monotonic()\nzav.{call.replace(', data=' + chr(39) + 'old.txt' + chr(39), '')}\n"
             "print(time.monotonic() - t, flush=True)\n" if timed else "print(300.0, flush=True)\n")
    script = ("import signal, time, zav\n"
              "signal.signal(signal.SIGINT, signal.default_int_handler)\n"
              + whole.replace(", table='old.txt'", "") +
              "print('start', flush=True)\n"
              "try:\n"
              f"    zav.{call}\n"
              "except KeyboardInterrupt:\n"
              "    print(time.monotonic(), flush=True)\n")
    child = subprocess.Popen([sys.executable, "-c", script], cwd=tmp_path, stdout=subprocess.PIPE, text=True)
    try:
        duration = float(child.stdout.readline())
        assert child.stdout.readline() == "start\n"
        time.sleep(min(duration / 3, 0.5))
        sent = time.monotonic()
        child.send_signal(signal.SIGINT)
        out, _ = child.communicate(timeout=60)
    finally:
        child.kill()
        child.wait()
    assert out and float(out) - sent < duration / 3
    assert os.listdir(tmp_path) == ["old.txt"] and (tmp_path / "old.txt").read_text() == "old"


# Runs of a few tenths of a second, which go on without the GIL.
CONCURRENT = [lambda: zav.sweep(to=99.99, step=0.0005, properties="reference"), lambda: zav.cool(steps=1e6),
              lambda: zav.steady(t_body=numpy.linspace(30, 300, 200000), properties="reference"),
              lambda: zav.solve(heat_flow=numpy.linspace(10, 200, 20000))]


@pytest.mark.parametrize("call", CONCURRENT)
def test_threads_run_while_the_module_computes(call):
    """Two threads computing at once each get the result computed alone, and a Python thread goes
    on meanwhile (one that waited for the GIL would tick a few times at most)."""
    alone = call()
    results = []
    threads = [threading.Thread(target=lambda: results.append(call())) for _ in range(2)]
    for thread in threads:
        thread.start()
    ticks = 0
    while any(thread.is_alive() for thread in threads):
        ticks += 1
        time.sleep(0.001)
    assert results == [alone, alone] and ticks >= 20


def test_waiting_for_a_pipe_is_interrupted_and_a_device_is_read_to_the_limit(tmp_path):
    with pytest.raises(ValueError, match="^Súbor „/dev/zero“ je väčší ako 1024 kB.$"):
        zav.steady(case="/dev/zero")
    with pytest.raises(ValueError, match="^Súbor „/dev/zero“ je väčší ako 1024 kB.$"):
        zav.steady(fluid_file="/dev/zero")
    os.mkfifo(tmp_path / "c.zav")
    script = ("import signal, zav\n"
              "signal.signal(signal.SIGINT, signal.default_int_handler)\n"
              "print('start', flush=True)\n"
              "try:\n"
              "    zav.steady(case='c.zav')\n"
              "except KeyboardInterrupt:\n"
              "    print('interrupted', flush=True)\n")
    child = subprocess.Popen([sys.executable, "-c", script], cwd=tmp_path, stdout=subprocess.PIPE, text=True)
    try:
        assert child.stdout.readline() == "start\n"
        time.sleep(0.3)
        child.send_signal(signal.SIGINT)
        out, _ = child.communicate(timeout=10)
    finally:
        child.kill()
        child.wait()
    assert out == "interrupted\n"


def test_a_catalogue_item_in_a_case_is_its_emissivity(tmp_path):
    head = '{"format": "zav-case", "version": 1, "cooling": {"emissivity_material": 7'
    (tmp_path / "item.zav").write_text(head + "}}")
    (tmp_path / "other.zav").write_text(head + ', "emissivity": "0,9"}}')
    assert f"{zav.cool(case=str(tmp_path / 'item.zav')).cooling_time:.1f}" == "349.7"
    with pytest.raises(ValueError, match="nesúhlasí s položkou katalógu 7: Chróm leštený"):
        zav.cool(case=str(tmp_path / "other.zav"))


def test_cooling_refuses_more_steps_than_a_working_day_holds():
    for steps in (1e9 + 1, 10**30):
        with pytest.raises(zav.CheckError, match="^Počet krokov môže byť najviac 1 000 000 000 !!!$"):
            zav.cool(steps=steps)


def test_arguments_are_keywords_only():
    with pytest.raises(TypeError):
        zav.steady(100, 20)
    with pytest.raises(TypeError):
        zav.steady(t_bdy=100)


def test_columns_are_numpy_arrays():
    sweep = zav.sweep(to=30, step=10)
    assert isinstance(sweep.alpha_total, numpy.ndarray) and sweep.alpha_total.dtype == numpy.float64
    assert list(sweep.t_body) == [0, 10, 20, 30]
    assert isinstance(zav.cool(steps=3, target=60).t_body, numpy.ndarray)
    # Without NumPy the module does not import, and says what it needs.
    script = "import sys; sys.modules['numpy'] = None; import zav"
    out = subprocess.run([sys.executable, "-c", script], capture_output=True, text=True, env=os.environ)
    assert out.returncode != 0 and "zav needs NumPy (Debian: python3-numpy)" in out.stderr


def test_version_is_the_programs():
    cmake = open(os.path.join(os.path.dirname(__file__), "..", "..", "CMakeLists.txt")).read()
    assert zav.__version__ == re.search(r"project\(zav VERSION ([0-9.]+)", cmake).group(1)
    assert f"__version__ is the program's version" in zav.__doc__
    try:  # installed by pip: the distribution's metadata says the same
        assert importlib.metadata.version("zav") == zav.__version__
    except importlib.metadata.PackageNotFoundError:
        assert "site-packages" not in zav.__file__


# steady() over arrays: each point is steady() of its values, broadcast as NumPy broadcasts;
# (arguments, the arrays' shape).
POINTS = [
    ({"t_body": numpy.linspace(30, 200, 7)}, (7,)),
    ({"t_body": [40, 80], "t_fluid": [[10], [20], [30]]}, (3, 2)),
    ({"t_body": (60.0, 90.0), "emissivity": numpy.array([0.2, 0.9]), "shape": "sphere"}, (2,)),
    ({"length": numpy.array([0.05, 0.1, 0.2]), "area": 2, "angle": [10, 20, 30], "shape": "inclined-plate"}, (3,)),
    ({"fin_gap": [0.004, 0.006], "tube_diameter": [[0.05], [0.1]], "shape": "finned-tube", "length": 0.01}, (2, 2)),
    ({"t_body": numpy.array(70.0)}, ()),
    ({"t_body": []}, (0,)),
]


@pytest.mark.parametrize("arguments, shape", POINTS)
def test_steady_broadcasts_arrays(arguments, shape):
    result = zav.steady(**arguments)
    assert result.alpha_total.shape == shape and result.errors == [] and result.reference_deviation is None
    arrays = numpy.broadcast_arrays(*[numpy.asarray(v, dtype=float) for v in arguments.values()
                                      if not isinstance(v, str)])
    names = [k for k, v in arguments.items() if not isinstance(v, str)]
    texts = {k: v for k, v in arguments.items() if isinstance(v, str)}
    for index in numpy.ndindex(shape):
        one = zav.steady(**texts, **{k: float(a[index]) for k, a in zip(names, arrays)})
        for key, value in one.as_dict().items():
            if not key.startswith("reference"):
                assert getattr(result, key)[index] == value, (key, index)


def test_refused_points_are_nan_with_their_messages():
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        result = zav.steady(t_body=[20, 80, 20], shape="horizontal-plate")
    with pytest.raises(zav.CheckError) as plate:
        zav.steady(t_body=20, shape="horizontal-plate")
    assert result.errors == [(0, str(plate.value)), (2, str(plate.value))]
    assert numpy.isnan(result.alpha_total[[0, 2]]).all()
    assert result.alpha_total[1] == zav.steady(t_body=80, shape="horizontal-plate").alpha_total
    assert list(result.t_body) == [20, 80, 20] and list(result.t_fluid) == [20, 20, 20]
    grid = zav.steady(t_body=[[20], [80]], t_fluid=[20, 30])
    assert grid.errors == [((0, 0), "Pre dané parametre nie je možný výpočet! 0,1<Ra<10^12 !!!")]


BAD_POINTS = [({"t_body": ["a", 1]}, TypeError, "t_body must be a number or an array of numbers"),
              ({"t_body": [1, 2], "t_fluid": [1, 2, 3]}, ValueError, "shape mismatch"),
              ({"from_": [1, 2]}, TypeError, "from_ must be a number"),
              # Texts, bytes, complex numbers, dates and None are not numbers, even where they convert.
              *[({key: value}, TypeError, f"{key} must be a number or an array of numbers") for key, value in [
                  ("t_body", ["1", "2"]), ("t_fluid", [b"1"]), ("area", [1 + 2j]), ("length", [[0.1], [0.2, 0.3]]),
                  ("t_body", numpy.array(["2020-01-01"], dtype="datetime64[D]")), ("heat_flow", [40, None]),
                  ("angle", numpy.array([None, 1], dtype=object))]]]


@pytest.mark.parametrize("arguments, error, text", BAD_POINTS)
def test_arrays_that_cannot_be_used(arguments, error, text):
    function = zav.sweep if "from_" in arguments else zav.solve if "heat_flow" in arguments else zav.steady
    with pytest.raises(error, match=text):
        function(**arguments)


# The masked points of a NumPy masked array are NaN, every quantity (an input the shape does not use
# too), with no error; the other points are as without the mask: (function, arguments, the masked
# one, its mask).
MASKED = [(zav.steady, {"t_body": [40, 60, 80]}, "t_body", [0, 1, 0]),
          (zav.steady, {"angle": [10, 20], "t_body": [[50], [60]]}, "angle", [1, 0]),
          (zav.solve, {"heat_flow": [10, 20, 30], "t_fluid": [30, 40, 50]}, "t_fluid", [0, 0, 1])]


@pytest.mark.parametrize("function, arguments, key, mask", MASKED)
def test_masked_points_are_nan(function, arguments, key, mask):
    whole = function(**arguments)
    result = function(**dict(arguments, **{key: numpy.ma.masked_array(arguments[key], mask=mask)}))
    masked = numpy.broadcast_to(numpy.array(mask, bool), whole.alpha_total.shape)
    for name, values in whole.as_dict().items():
        if not name.startswith("reference"):
            assert numpy.isnan(getattr(result, name)[masked]).all() and masked.any(), name
            assert (getattr(result, name)[~masked] == values[~masked]).all(), name
    assert result.errors == whole.errors == []


# solve() inverts steady(): the heat flow of each case (signed: positive from the surface into the
# fluid) gives each unknown back, and the Result is steady()'s at the value found.
ROUND_TRIPS = [
    {"t_body": 80, "length": 0.3, "area": 0.5},
    {"t_body": 80, "shape": "sphere", "length": 0.2, "emissivity": 0.9},
    {"t_body": 45, "t_fluid": 15, "fluid": "water", "shape": "horizontal-cylinder", "length": 0.05},
    {"t_body": 10, "t_fluid": 30, "fluid": "water", "length": 0.2, "area": 0.3},
    {"t_body": 150, "shape": "horizontal-cylinder", "emissivity": 0.5, "length": 0.05},
]
UNKNOWNS = ["t_body", "t_fluid", "area", "length"]
SOLVE_TOLERANCE = 1e-9


@pytest.mark.parametrize("unknown", UNKNOWNS)
@pytest.mark.parametrize("case", ROUND_TRIPS)
def test_solve_gives_the_input_back(case, unknown):
    case = dict({"t_fluid": 20.0, "length": 0.1, "area": 1.0}, **case)
    steady = zav.steady(**case)
    difference = case["t_body"] - case["t_fluid"]
    heat_flow = math.copysign(steady.heat_flow, difference)
    result = zav.solve(heat_flow=heat_flow, unknown=unknown, **dict(case, **{unknown: 1.0}))
    scale = abs(difference) if unknown.startswith("t_") else case[unknown]
    assert abs(result.solved - case[unknown]) <= SOLVE_TOLERANCE * scale
    at_solution = zav.steady(**dict(case, **{unknown: result.solved}))
    # Its heat flow has the sign of the one sought, as zav-calc's record and the design window.
    signed = math.copysign(at_solution.heat_flow, heat_flow)
    assert result.as_dict() == dict(at_solution.as_dict(), solved=result.solved, heat_flow=signed)
    # Water's heat flow falls again where its mean temperature nears 4 °C: a second root there is
    # said, and nothing else.
    assert all("nie je monotónny" in w for w in result.warnings) and result.errors == []


# solve() over arrays: each point is solve() of its values; 1e9 W no air reaches.
SOLVE_POINTS = [
    ({"heat_flow": [5, 40, 1e9, -5], "t_fluid": 35, "length": 0.4, "area": 0.6, "emissivity": 0.9}, (4,)),
    ({"heat_flow": [[10], [1e9]], "t_body": [25, 60], "unknown": "t_fluid"}, (2, 2)),
    ({"heat_flow": numpy.array([50.0, 200.0]), "area": [0.5, 1e-6], "unknown": "length"}, (2,)),
]


@pytest.mark.parametrize("arguments, shape", SOLVE_POINTS)
def test_solve_broadcasts_arrays(arguments, shape):
    result = zav.solve(**arguments)
    assert result.solved.shape == result.alpha_total.shape == shape
    arrays = {k: v for k, v in arguments.items() if not isinstance(v, (str, int, float))}
    broadcast = dict(zip(arrays, numpy.broadcast_arrays(*[numpy.asarray(v, dtype=float) for v in arrays.values()])))
    errors = []
    for index in numpy.ndindex(shape):
        point = dict(arguments, **{k: float(a[index]) for k, a in broadcast.items()})
        try:
            one = zav.solve(**point)
        except zav.CheckError as error:
            errors.append((index[0] if len(shape) == 1 else index, str(error)))
            assert numpy.isnan(result.solved[index]) and numpy.isnan(result.alpha_total[index])
            continue
        for key, value in one.as_dict().items():
            if not key.startswith("reference"):
                assert getattr(result, key)[index] == value, (key, index)
    assert result.errors == errors and errors, "each table entry has a point without a solution"


def test_solve_without_a_solution_raises_check_error():
    with pytest.raises(zav.CheckError) as raised:
        zav.solve(heat_flow=1e9)
    assert "\nNajväčší dosiahnuteľný tepelný tok je " in str(raised.value)
    assert str(raised.value).startswith("Stredná teplota musí byť v rozsahu")


def test_solve_finds_the_root_next_to_an_edge_and_the_exact_reach():
    """A heater in 2 °C water carries 296,547 W at 12 °C, between the edge where water's expansion
    changes sign and the next point searched; a plate's dimension reaches at most 377,256 W, at the
    smallest dimension its correlation holds for."""
    heater = zav.solve(heat_flow=296.547, fluid="water", shape="horizontal-cylinder", t_fluid=2, length=0.05, area=0.1)
    assert abs(heater.solved - 12) <= 1e-4
    with pytest.raises(zav.CheckError) as raised:
        zav.solve(heat_flow=1e6, unknown="length", t_body=60, area=0.1)
    assert "\nNajväčší dosiahnuteľný tepelný tok je 377,256 W (charakteristický rozmer 0,000310511 m)." in str(raised.value)


def test_solve_refuses_an_unknown_name():
    with pytest.raises(ValueError, match="^Neznámy názov neznámej „area_m2“; možnosti: t_body, t_fluid, area, length.$"):
        zav.solve(heat_flow=40, unknown="area_m2")


def test_solve_answers_the_enclosure_question():
    """An enclosure dissipates 40 W: its wall in 35 °C air (the README's design example)."""
    result = zav.solve(heat_flow=40, t_fluid=35, length=0.4, area=0.6, emissivity=0.9)
    assert result.solved == result.t_body and abs(result.t_body - 42.22) <= 0.005


# steady() and solve() of a case whose fluid temperature lies outside the fluid's range.
WARNING_CALLS = [(zav.steady, {"t_body": 25}), (zav.solve, {"heat_flow": 100.0})]


@pytest.mark.parametrize("function, arguments", WARNING_CALLS)
def test_warnings_point_at_the_calling_line(tmp_path, function, arguments):
    (tmp_path / "fluid.json").write_text(LINEAR)
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        line = sys._getframe().f_lineno + 1
        result = function(t_fluid=-5, fluid_file=str(tmp_path / "fluid.json"), **arguments)
    assert {(w.filename, w.lineno) for w in caught} == {(__file__, line)}
    assert [str(w.message) for w in caught] == result.warnings and LINEAR_FLUID in result.warnings


def results():
    """One result of each kind, and another of it."""
    return [(zav.steady(), zav.steady(t_body=90)),
            (zav.steady(t_body=[20, 50, 80]), zav.steady(t_body=[20, 50, 81])),
            (zav.sweep(to=30, step=10), zav.sweep(to=30, step=5)),
            (zav.cool(steps=3, target=60), zav.cool(steps=4, target=60)),
            (zav.solve(heat_flow=40), zav.solve(heat_flow=40, unknown="t_fluid")),
            (zav.solve(heat_flow=[40, 1e9]), zav.solve(heat_flow=[41, 1e9]))]


@pytest.mark.parametrize("protocol", range(pickle.HIGHEST_PROTOCOL + 1))
@pytest.mark.parametrize("index", range(6))
def test_results_pickle_and_compare_by_value(index, protocol):
    first, other = results()[index]
    again = results()[index][0]
    assert first == again and first is not again and not first != again
    assert first != other and first != 1
    copy = pickle.loads(pickle.dumps(first, protocol))
    assert copy == first and type(copy) is type(first) and repr(copy) == repr(first)


def test_a_result_with_solved_differs_from_the_same_numbers_without():
    solved = zav.solve(heat_flow=40)
    make, arguments, state = solved.__reduce_ex__(2)
    plain = make(*arguments)
    plain.__setstate__(state[:7] + (None,))
    assert plain.solved is None and plain.t_body == solved.t_body
    assert solved != plain and plain != solved


# report_html() is of steady() for one case, and a pickled copy gives the same page; a result of
# arrays, of solve() and one pickled before reports existed have none.
def test_report_html_of_one_steady_case():
    result = zav.steady(shape="sphere", emissivity=0.7)
    page = result.report_html(name="guľa", time="1. 2. 2025 8:05")
    assert "<td>guľa</td>" in page and "<td>1. 2. 2025 8:05</td>" in page
    assert pickle.loads(pickle.dumps(result)).report_html(name="guľa", time="1. 2. 2025 8:05") == page
    make, arguments, state = result.__reduce_ex__(2)
    older = make(*arguments)
    older.__setstate__(state[:9])
    assert older != result
    for other in (zav.steady(t_body=[50, 60]), zav.solve(heat_flow=40), older):
        with pytest.raises(ValueError, match="report_html"):
            other.report_html()


# NumPy's scalars are numbers: one case, as the same Python number gives.
@pytest.mark.parametrize("scalar", [numpy.int64(50), numpy.float32(50.5), numpy.float64(50.5), numpy.bool_(True)])
def test_numpy_scalars_are_single_numbers(scalar):
    result = zav.steady(t_body=scalar)
    assert isinstance(result.alpha_total, float) and result == zav.steady(t_body=float(scalar))


# An unsolved point of an array: NaN in the unknown's own column, the other temperature as given.
@pytest.mark.parametrize("unknown, given, other", [("t_body", "t_fluid", "t_fluid"), ("t_fluid", "t_body", "t_body")])
def test_unsolved_point_is_nan_in_its_unknown(unknown, given, other):
    result = zav.solve(heat_flow=[40, 1e9], unknown=unknown, **{given: 35})
    column = getattr(result, unknown)
    assert not numpy.isnan(column[0]) and numpy.isnan(column[1]) and numpy.isnan(result.solved[1])
    assert list(getattr(result, other)) == [35, 35] and [i for i, _ in result.errors] == [1]


# Objects that only __new__ made (as pickle makes them before their state): empty, with the results
# of other calls still in memory, and safe to show, compare and pickle; (class, its empty array).
UNFILLED = [(zav.Result, "alpha_total"), (zav.Sweep, "alpha_total"), (zav.Cooling, "t_body")]


@pytest.mark.parametrize("cls, key", UNFILLED)
def test_objects_only_new_made_are_empty(cls, key):
    results()
    empty = cls.__new__(cls)
    assert getattr(empty, key).shape == (0,) and empty.warnings == [] and repr(empty).startswith(f"zav.{cls.__name__}(")
    assert empty == cls.__new__(cls) and pickle.loads(pickle.dumps(empty)) == empty
    assert empty != results()[0][0] and (cls is not zav.Result or empty == zav.steady(t_body=[]))
    with pytest.raises(TypeError):
        cls.__new__(zav.Result if cls is zav.Sweep else zav.Sweep)


# States __setstate__ refuses: (the result's index in results(), the item of its state replaced,
# None for the whole state, the value put there, the error). The object keeps what it held.
BAD_STATES = [(0, None, [1.0], TypeError), (0, None, (True,), ValueError), (0, 1, [1.0] * 16, ValueError),
              (0, 1, ["1"] * 17, TypeError), (0, 2, "warning", TypeError), (0, 6, [(0, 1)], TypeError),
              (1, 1, [numpy.zeros(3)] * 16 + [numpy.zeros(2)], ValueError), (1, 1, [[1.0, 2.0, 3.0]] * 17, TypeError),
              (1, 1, [numpy.zeros(3, dtype=int)] * 17, TypeError), (5, 7, numpy.zeros(3), ValueError),
              (2, 0, 3, ValueError), (2, 0, -1, ValueError), (3, 0, "1", TypeError), (3, 4, numpy.zeros(1), ValueError)]


@pytest.mark.parametrize("index, item, value, error", BAD_STATES)
def test_setstate_refuses_what_is_not_a_state(index, item, value, error):
    result = results()[index][0]
    state = result.__getstate__()
    with pytest.raises(error, match=rf"^zav\.{type(result).__name__}\.__setstate__: "):
        result.__setstate__(value if item is None else state[:item] + (value,) + state[item + 1:])
    assert result == results()[index][0]


REPRS = [
    (lambda: zav.steady(), r"zav\.Result\(t_body=100\.0, t_fluid=20\.0, t_mean=60\.0, .*alpha_total=7\.3624887471\d*, "),
    (lambda: zav.steady(t_body=[20, 80]), r"zav\.Result\(t_body=array\(\[20\., 80\.\]\),\n .*"
                                          r"errors=\[\(0, 'Pre dané parametre"),
    (lambda: zav.sweep(to=10), r"zav\.Sweep\(3 points,\n +t_body=array\(\[ 0\.,  5\., 10\.\]\),\n +alpha_conv="),
    (lambda: zav.cool(steps=2, target=60), r"zav\.Cooling\(cooling_time=\d+\.\d+, scale_time=\d+\.\d+, steps=2,\n"
                                            r" +time=array\(\[ *0\."),
    (lambda: zav.solve(heat_flow=40, unknown="area"), r"zav\.Result\(t_body=100\.0, .*heat_flow=40\.0\d*, solved=0\.0679"),
    (lambda: zav.solve(heat_flow=[40]), r"zav\.Result\(t_body=array\(\[.*,\n +solved=array\(\[.*\]\),\n +errors=\[\]\)"),
]


@pytest.mark.parametrize("make, pattern", REPRS)
def test_repr_is_readable(make, pattern):
    assert re.match(pattern, repr(make()), re.S), repr(make())


def test_help_explains_every_argument():
    text = zav.steady.__doc__ + zav.sweep.__doc__ + zav.cool.__doc__ + zav.solve.__doc__
    for name in ["heat_flow", "unknown", "t_body", "t_fluid", "length", "area", "fluid", "shape", "angle", "face", "fin_gap",
                 "tube_diameter", "radiation", "emissivity", "fluid_file", "kelo", "pressure", "properties", "from_", "to", "step",
                 "table", "ccl", "name", "mass", "cooling_area", "target", "steps", "heat_capacity", "data",
                 "picture", "picture_background"]:
        assert f"\n    {name}" in text, name


# A case file (.zav) as the windows save it, with some keys left out (they keep the windows' start
# values): case= gives what the same keywords give, and keywords passed beside it win.
CASE = {"format": "zav-case", "version": 1,
        "main": {"t_body": "80", "shape": "cube", "radiation": True, "emissivity": "0,9"},
        "range": {"to": "30", "step": "10"},
        "cooling": {"mass": "2,5", "steps": "300", "emissivity": "0,5"},
        "heat_capacity": {"model": "carbon-steel"},
        "fluid": {"kind": "constant", "constant": {"density": "1,1"}},
        "design": {"heat_flow": "25,5", "unknown": "t-fluid"}}
MAIN = {"t_body": 80, "shape": "cube", "emissivity": 0.9}
CASE_CALLS = [
    (zav.steady, {}, MAIN),
    (zav.steady, {"t_body": 60, "emissivity": None}, {"t_body": 60, "shape": "cube"}),
    (zav.steady, {"fluid": "user"}, dict(MAIN, fluid_file="fluid.json")),
    (zav.solve, {"heat_flow": 40, "unknown": "area"}, dict(MAIN, heat_flow=40, unknown="area")),
    (zav.solve, {}, dict(MAIN, heat_flow=25.5, unknown="t_fluid")),
    (zav.solve, {"heat_flow": 40}, dict(MAIN, heat_flow=40, unknown="t_fluid")),
    (zav.solve, {"unknown": "area"}, dict(MAIN, heat_flow=25.5, unknown="area")),
    (zav.sweep, {}, dict(MAIN, to=30, step=10)),
    (zav.cool, {}, {"t_body": 80, "shape": "cube", "mass": 2.5, "steps": 300, "emissivity": 0.5,
                    "heat_capacity": "carbon-steel"}),
    (zav.cool, {"steps": 200, "heat_capacity": "17246"}, {"t_body": 80, "shape": "cube", "mass": 2.5, "steps": 200,
                                                          "emissivity": 0.5, "heat_capacity": "17246"}),
]


def values(result):
    if isinstance(result, zav.Cooling):
        return [result.cooling_time, list(result.t_body)]
    if isinstance(result, zav.Sweep):
        return [list(result.t_body), list(result.alpha_total)]
    return result.as_dict()


@pytest.mark.parametrize("function, arguments, same", CASE_CALLS)
def test_case_file_gives_its_windows_inputs(tmp_path, monkeypatch, function, arguments, same):
    monkeypatch.chdir(tmp_path)
    (tmp_path / "c.zav").write_text(json.dumps(CASE), encoding="utf-8")
    (tmp_path / "fluid.json").write_text('{"kind": "constant", "density": "1,1"}')
    assert values(function(case="c.zav", **arguments)) == values(function(**same))
    assert "\n    case=None" in function.__doc__


# Case files that cannot be used: (the file's bytes or None for none, exception, errno, message).
CASE_ERRORS = [
    (None, FileNotFoundError, errno.ENOENT, "Súbor „c.zav“ sa nepodarilo otvoriť."),
    (b'{"kind": "constant"}', ValueError, None, "Súbor „c.zav“ nie je zadanie programu ZAV."),
    (b'{"format": "zav-case", "version": 1, "main": {"t_body": "80.5"}}', ValueError, None,
     "Súbor „c.zav“: pole „main.t_body“: "),
    (b'{"format": "zav-case", "version": 3}', ValueError, None,
     "Súbor „c.zav“ je z novšej verzie programu (verzia 3); tento program otvára zadania verzie 1."),
]


@pytest.mark.parametrize("content, error, number, message", CASE_ERRORS)
def test_case_file_errors(tmp_path, monkeypatch, content, error, number, message):
    monkeypatch.chdir(tmp_path)
    if content is not None:
        (tmp_path / "c.zav").write_bytes(content)
    with pytest.raises(error) as raised:
        zav.steady(case="c.zav")
    if number is not None:
        assert (raised.value.errno, raised.value.strerror, raised.value.filename) == (number, message, "c.zav")
    else:
        assert str(raised.value).startswith(message)


# A file's name as open() takes it: bytes, a str with the surrogate escapes of bytes that are not
# UTF-8 (os.fsdecode's), a path object. The file of those bytes is the one read or written, and a
# message names it as os.fsdecode spells it.
NAME_FORMS = [bytes, os.fsdecode, lambda name: pathlib.Path(os.fsdecode(name))]


@pytest.mark.parametrize("form", NAME_FORMS)
def test_file_names_are_taken_as_open_takes_them(tmp_path, monkeypatch, form):
    monkeypatch.chdir(tmp_path)
    open(b"\xffc.zav", "w").write(json.dumps(CASE))
    open(b"\xfff.json", "w").write(LINEAR)
    assert values(zav.steady(case=form(b"\xffc.zav"))) == values(zav.steady(**MAIN))
    assert zav.steady(fluid_file=form(b"\xfff.json")) == zav.steady(fluid_file="\udcfff.json")
    zav.sweep(to=10, table=form(b"\xfft.txt"), ccl=form(b"\xffk.ccl"), name="Q1")
    zav.cool(steps=3, target=60, data=form(b"\xffd.txt"), picture=form(b"\xffp.bmp"))
    assert sorted(os.listdir(b".")) == [b"\xffc.zav", b"\xffd.txt", b"\xfff.json", b"\xffk.ccl", b"\xffp.bmp",
                                        b"\xfft.txt"]
    with pytest.raises(ValueError, match="^Súbor „\udcfft.txt“ nie je zadanie programu ZAV.$"):
        zav.steady(case=form(b"\xfft.txt"))
    with pytest.raises(FileNotFoundError) as raised:
        zav.steady(kelo=form(b"\xffk.kelo"))
    assert (raised.value.strerror, raised.value.filename) == ("Súbor „\udcffk.kelo“ sa nepodarilo otvoriť.",
                                                             os.fsdecode(form(b"\xffk.kelo")))


README = os.path.join(os.path.dirname(__file__), "..", "..", "README.md")


def test_readme_examples_run(tmp_path, monkeypatch):
    """The README's Python section: the install command is setup.py's, its examples run (the plot
    on matplotlib's Agg backend) and the plot holds steady()'s coefficients of the three shapes."""
    section = open(README, encoding="utf-8").read().split("## The Python module `zav`\n")[1].split("\n## ")[0]
    install = "-m pip install --no-build-isolation --no-index ./tools/python"
    setup = open(os.path.join(os.path.dirname(__file__), "..", "..", "tools", "python", "setup.py")).read()
    assert install in section and install in setup
    monkeypatch.chdir(tmp_path)
    monkeypatch.setenv("MPLBACKEND", "Agg")
    (tmp_path / "olej.json").write_text(LINEAR)
    plot, *examples = re.findall(r"```python\n(.*?)```", section, re.S)
    import matplotlib.pyplot as plt
    try:
        with warnings.catch_warnings():
            warnings.simplefilter("ignore")  # Agg cannot show the figure
            exec(plot, {})
        lines = plt.gca().get_lines()
        assert [line.get_label() for line in lines] == ["vertical-plate", "horizontal-cylinder", "sphere"]
        for line in lines:
            t = line.get_xdata()
            assert (line.get_ydata() == zav.steady(t_body=t, shape=line.get_label(), emissivity=0.9).alpha_total).all()
    finally:
        plt.close("all")
    assert len(examples) == 3
    for example in examples:
        exec(example, {})
    assert "<td>kocka</td>" in (tmp_path / "kocka.html").read_text(encoding="utf-8")

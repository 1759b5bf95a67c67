# SPDX-License-Identifier: GPL-3.0-or-later
"""One truth: a table of cases through the windows (zav-scenario), zav-calc and the module zav.

zav-calc's JSON and the module give the same doubles; the main window's fields are the module's
values in the window's format, its status text is the message of CheckError and of zav-calc's
"error"; the chart's series (printed as shortest round-trip numbers) are the module's sweep; the
cooling window's time is the module's cooling time in its format.
"""
import json
import os
import re
import struct
import subprocess

import pytest
import zav

CALC = os.environ["ZAV_CALC"]
SCENARIO = os.environ["ZAV_SCENARIO"]

# The main window's result fields: (edit, key, precision, decimals, scale, suffix).
RESULT_FIELDS = [
    ("Edit15", "t_mean", 10, 2, 1, ""),
    ("Edit3", "density", 10, 3, 1, ""),
    ("Edit4", "conductivity", 10, 4, 1, ""),
    ("Edit5", "dyn_viscosity", 10, 2, 1e6, " e-6"),
    ("Edit6", "kin_viscosity", 10, 2, 1e6, " e-6"),
    ("Edit7", "heat_capacity", 10, 1, 1, ""),
    ("Edit21", "expansion_coeff", 5, 3, 1000, " e-3"),
    ("Edit8", "prandtl", 10, 3, 1, ""),
    ("Edit9", "grashof", 6, 2, 1, ""),
    ("Edit14", "rayleigh", 6, 2, 1, ""),
    ("Edit12", "nusselt", 10, 4, 1, ""),
    ("Edit13", "alpha_total", 6, 3, 1, ""),
    ("Edit18", "heat_flow", 6, 2, 1, ""),
]

# The windows' controls of each option: (edit or None, window); choices are radio buttons.
EDITS = {"t_body": "Form1.Edit1", "t_fluid": "Form1.Edit2", "length": "Form1.Edit10", "area": "Form1.Edit17",
         "angle": "Form1.Edit16", "fin_gap": "Form1.Edit11", "tube_diameter": "Form1.Edit19",
         "mass": "Form2.Edit1", "cooling_area": "Form2.Edit3", "target": "Form2.Edit4", "steps": "Form2.Edit6",
         "from_": "Form6.Edit1", "to": "Form6.Edit2", "step": "Form6.Edit3", "pressure": "Form8.Edit54"}
SHAPES = ["vertical-plate", "inclined-plate", "horizontal-plate", "cube", "vertical-cylinder",
          "horizontal-cylinder", "sphere", "finned-tube"]
FLUIDS = {"air": "RadioButton1", "water": "RadioButton10"}
HEAT_CAPACITY = {"carbon-steel": "RadioButton3", "17246": "RadioButton1"}
FLUID_KINDS = {"constant": "RadioButton1", "linear": "RadioButton2", "quadratic": "RadioButton3"}


def comma(value):
    return repr(float(value)).replace(".", ",")


# After the windows computed, their inputs are saved as a case file, which the module computes too.
SAVE_CASE = ["answer save saved.zav", "menu Form1.UlozitZadanie1"]


def window_script(case, kind):
    """The windows' steps of a case: what a user would type and click."""
    lines = []
    for key, value in case.items():
        if key in EDITS:
            lines.append(f"set {EDITS[key]} {comma(value)}")
    if "shape" in case:
        lines.append(f"click Form1.RadioButton{2 + SHAPES.index(case['shape'])}")
    if case.get("face") == "lower":
        lines.append("click Form1.RadioButton12")
    if case.get("fluid") in FLUIDS:
        lines.append(f"click Form1.{FLUIDS[case['fluid']]}")
    if case.get("properties") == "reference":
        lines.append("click Form1.CheckBoxRef")
    if "fluid_file" in case:
        fluid = case["fluid_file"]
        lines.append("click Form1.Button2")
        lines.append(f"click Form8.{FLUID_KINDS[fluid['kind']]}")
        first = {"constant": 1, "linear": 6, "quadratic": 16}[fluid["kind"]]
        for key, value in fluid.items():
            if key == "density" and fluid["kind"] == "constant":
                lines.append(f"set Form8.Edit{first + 1} {comma(value)}")
            elif key == "t_min":
                lines.append(f"set Form8.Edit{first + 8} {comma(value)}")
            elif key == "t_max":
                lines.append(f"set Form8.Edit{first + 9} {comma(value)}")
    if "kelo" in case:
        lines += ["click Form1.Button2", "click Form8.RadioButton4", "answer open gas.kelo", "click Form8.Button3"]
    if kind == "cool":
        lines.insert(0, "menu Form1.Ochladzovanie1")
        # The cooling window starts with its radiation on and emissivity 1.
        if "emissivity" in case:
            lines.append(f"set Form2.Edit10 {comma(case['emissivity'])}")
        if case.get("radiation") is False:
            lines.append("click Form2.CheckBox1")
        if case.get("heat_capacity") in HEAT_CAPACITY:
            lines.append(f"click Form5.{HEAT_CAPACITY[case['heat_capacity']]}")
        elif case.get("heat_capacity", "").startswith("cubic:"):
            lines.append("click Form5.RadioButton4")
            for edit, value in zip(range(2, 6), case["heat_capacity"][6:].split(",")):
                lines.append(f"set Form5.Edit{edit} {comma(value)}")
        lines += ["click Form2.Button1", "print Form2.Edit7", "print Form1.StatusBar1[2]"] + SAVE_CASE
        return "\n".join(lines) + "\n"
    if "emissivity" in case:
        lines += ["click Form1.CheckBox1", f"set Form1.Edit20 {comma(case['emissivity'])}"]
    if kind == "sweep":
        lines += ["answer save table.txt", "menu Form1.Ulodosboru1", "click Form1.Button1",
                  "print Form7.Series1", "print Form7.Series2", "print Form7.Series3"] + SAVE_CASE
        return "\n".join(lines) + "\n"
    lines.append("click Form1.Button1")
    lines += [f"print Form1.{edit}" for edit, *_ in RESULT_FIELDS]
    lines += ["print Form1.StatusBar1[2]", "print Form1.Presnost1"] + SAVE_CASE
    return "\n".join(lines) + "\n"


def calc_options(case):
    options = []
    for key, value in case.items():
        if key == "fluid_file":
            options += ["--fluid-file", "fluid_file.json"]
        elif key == "kelo":
            options += ["--kelo", "gas.kelo"]
        elif key == "radiation":
            options += [] if value else ["--no-radiation"]
        else:
            option = "--from" if key == "from_" else "--" + key.replace("_", "-")
            options += [option, str(value)]
    return options


def module_arguments(case):
    arguments = dict(case)
    if "fluid_file" in arguments:
        arguments["fluid_file"] = "fluid_file.json"
    if "kelo" in arguments:
        arguments["kelo"] = "gas.kelo"
    return arguments


def write_kelo(path):
    """A KELO coefficient file of an air-like gas: 29 little-endian doubles and a 20-byte name."""
    values = [5.0, 1e-7, 0.045, 0, 0, 0,          # viscosity, µPa·s
              1.0, 1e-9, 0, 0, 0, 0,              # compressibility
              5.0, 0, 0.065, 0, 0, 0,             # conductivity, mW/(m·K)
              950.0, 0, 0.16, 0, 0, 0,            # heat capacity, J/(kg·K)
              -50.0, 500.0, 0.05e6, 10e6, 287.0]  # °C, °C, Pa, Pa, J/(kg·K)
    with open(path, "wb") as f:
        f.write(struct.pack("<29d", *values) + b"Vzduch".ljust(20, b"\0"))


def run_all(tmp_path, case, kind):
    if "fluid_file" in case:
        (tmp_path / "fluid_file.json").write_text(json.dumps(case["fluid_file"]))
    if "kelo" in case:
        write_kelo(tmp_path / "gas.kelo")
    (tmp_path / "case.zs").write_text(window_script(case, kind))
    window = subprocess.run([SCENARIO, "case.zs"], cwd=tmp_path, capture_output=True, text=True,
                            env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    assert window.returncode == 0, window.stderr
    texts = dict(line.split("=", 1) for line in window.stdout.splitlines() if "=" in line)
    texts["messages"] = [line[len("message: "):] for line in window.stdout.splitlines() if line.startswith("message: ")]
    calc = subprocess.run([CALC, kind] + calc_options(case), cwd=tmp_path, capture_output=True, text=True)
    cwd = os.getcwd()
    os.chdir(tmp_path)
    try:
        function = getattr(zav, kind)
        try:
            module = function(**module_arguments(case))
            error = None
        except zav.CheckError as e:
            module, error = e.result, str(e)
        # The case file the windows saved gives the same, from its texts alone.
        try:
            saved, saved_error = function(case="saved.zav"), None
        except zav.CheckError as e:
            saved, saved_error = e.result, str(e)
    finally:
        os.chdir(cwd)
    assert saved_error == error
    assert values(saved) == values(module)
    return texts, calc, module, error


def values(result):
    """A result's numbers, to compare two results."""
    if result is None:
        return None
    if isinstance(result, zav.Cooling):
        return [result.cooling_time, result.steps, list(result.t_body)]
    if isinstance(result, zav.Sweep):
        return [list(getattr(result, key)) for key in ("t_body", "alpha_total", "alpha_rad", "alpha_conv")]
    return result.as_dict()


STEADY_CASES = [
    {},
    {"t_body": 80, "shape": "cube", "emissivity": 0.5},
    {"t_body": 45, "t_fluid": 15, "fluid": "water", "shape": "horizontal-cylinder", "length": 0.05},
    {"t_body": 300, "shape": "inclined-plate", "angle": 50, "area": 2.5},
    {"t_body": -20, "shape": "horizontal-plate", "face": "lower", "length": 0.3},
    {"t_body": 150, "shape": "finned-tube", "length": 0.01, "fin_gap": 0.008, "tube_diameter": 0.05},
    {"t_body": 1500, "shape": "sphere", "emissivity": 0.9, "length": 0.2},
    {"t_body": 60, "fluid_file": {"kind": "constant", "density": 1.5}, "shape": "vertical-cylinder"},
    {"t_body": 90, "t_fluid": 10, "fluid_file": {"kind": "linear", "t_min": 20, "t_max": 80}},
    {"t_body": 200, "kelo": True, "pressure": 0.1},
    {"t_body": 300, "t_fluid": 200, "fluid": "water"},
    {"t_body": 20, "shape": "horizontal-plate"},
    {"properties": "reference"},
    {"t_body": -50, "t_fluid": -70, "properties": "reference", "shape": "sphere", "emissivity": 0.9},
    {"t_body": 6, "t_fluid": 2, "fluid": "water", "properties": "reference"},
    {"t_body": 6, "t_fluid": 2, "fluid": "water"},
    {"t_body": -50, "t_fluid": -70, "shape": "horizontal-cylinder"},
    {"t_body": 2000, "t_fluid": 1800, "properties": "reference"},
    {"t_body": 2000, "t_fluid": 1800},
]


@pytest.mark.parametrize("case", STEADY_CASES, ids=lambda c: json.dumps(c))
def test_steady_is_one_truth(tmp_path, case):
    texts, calc, module, error = run_all(tmp_path, case, "steady")
    record = json.loads(calc.stdout)
    status = texts["Form1.StatusBar1[2]"]
    if error is not None:
        assert calc.returncode == 1
        assert record["error"] == error == status
        return
    assert calc.returncode == 0 and status == ""
    for edit, key, precision, decimals, scale, suffix in RESULT_FIELDS:
        value = getattr(module, key)
        assert record[key] == value, key
        assert texts[f"Form1.{edit}"] == zav.format_fixed(value * scale, precision, decimals) + suffix, key
    assert record["alpha_conv"] == module.alpha_conv and record["alpha_rad"] == module.alpha_rad
    # The deviation of the built-in properties: the same three values, the same percent under the
    # window's results (none in reference mode or for a user-defined fluid).
    indicator = texts["Form1.Presnost1"]
    for key in ("reference_deviation", "reference_deviation_property", "reference_deviation_of_property"):
        assert record[key] == getattr(module, key) == module.as_dict()[key], key
    if module.reference_deviation is not None:
        percent = zav.format_fixed(abs(module.reference_deviation) * 100, 15, 1)
        sign = "" if percent == "0,0" else "−" if module.reference_deviation < 0 else "+"
        assert f" o {sign}{percent} % " in indicator
    elif case.get("properties") == "reference" or "fluid_file" in case or "kelo" in case:
        assert indicator == ""
    else:
        assert "nemožno určiť" in indicator


SWEEP_CASES = [
    {},
    {"shape": "sphere", "emissivity": 0.7, "from_": -40, "to": 400, "step": 20},
    {"fluid": "water", "t_fluid": 30, "from_": 0, "to": 100, "step": 2.5, "shape": "cube"},
    {"fluid_file": {"kind": "quadratic"}, "from_": 10, "to": 90, "step": 10},
    {"properties": "reference", "emissivity": 0.5, "from_": -60, "to": 1700, "step": 40},
    {"properties": "reference", "fluid": "water", "t_fluid": 10, "from_": 0, "to": 100, "step": 5},
]


@pytest.mark.parametrize("case", SWEEP_CASES, ids=lambda c: json.dumps(c))
def test_sweep_is_one_truth(tmp_path, case):
    texts, calc, module, error = run_all(tmp_path, case, "sweep")
    assert error is None and calc.returncode == 0
    records = json.loads(calc.stdout)
    for series, key in (("Series1", "alpha_total"), ("Series2", "alpha_rad"), ("Series3", "alpha_conv")):
        count, points = texts[f"Form7.{series}"].split(":", 1)
        pairs = [p.split(";") for p in points.split()]
        assert int(count) == len(module) == len(records) == len(pairs)
        assert [float(x) for x, _ in pairs] == list(module.t_body) == [r["t_body"] for r in records]
        assert [float(y) for _, y in pairs] == list(getattr(module, key)) == [r[key] for r in records]


COOLING_CASES = [
    {},
    {"steps": 200, "emissivity": 1},
    {"steps": 100, "target": 40, "heat_capacity": "carbon-steel", "mass": 5, "cooling_area": 0.3, "radiation": False},
    {"steps": 100, "target": 40, "heat_capacity": "carbon-steel", "mass": 5, "cooling_area": 0.3},
    {"steps": 50, "t_body": 10, "t_fluid": 60, "target": 50, "heat_capacity": "17246", "emissivity": 0.6},
    {"steps": 80, "fluid": "water", "t_body": 90, "target": 30, "shape": "sphere", "radiation": False},
    {"steps": 2.5, "radiation": False},
    {"steps": 2.5},
    {"steps": 100, "properties": "reference"},
    {"steps": 60, "fluid": "water", "t_body": 95, "target": 25, "properties": "reference", "radiation": False},
    # Refused: the field and its value, before the run or at the step that needs it.
    {"steps": 100, "mass": -1, "radiation": False},
    {"steps": 100, "cooling_area": 0, "emissivity": 1},
    {"steps": 100, "emissivity": -0.5},
    {"steps": 100, "heat_capacity": "cubic:-1000,20,0,0"},
    {"steps": 100, "emissivity": 1e308},
]


@pytest.mark.parametrize("case", COOLING_CASES, ids=lambda c: json.dumps(c))
def test_cooling_is_one_truth(tmp_path, case):
    texts, calc, module, error = run_all(tmp_path, case, "cool")
    record = json.loads(calc.stdout)
    assert record["cooling_time"] == module.cooling_time
    if error is not None and texts["Form2.Edit7"] == "0 s":  # refused: the window shows no time
        assert module.cooling_time == 0 and module.steps == 0
    else:
        assert texts["Form2.Edit7"] == zav.format_fixed(module.cooling_time, 8, 1)
    assert record["curve"]["t_body"] == list(module.t_body)
    assert record["steps"] == module.steps
    if error is not None:
        # A run refused before it starts shows its message only; one stopped at a step leaves it in
        # the status bar too.
        assert calc.returncode == 1 and record["error"] == error and texts["messages"][-1] == error
        assert texts["Form1.StatusBar1[2]"] in (error, "")
    else:
        assert calc.returncode == 0 and "error" not in record


# The windows' untouched defaults through the three front ends, each writing every file it can:
# (kind, the window's steps, zav-calc's options, the module's keywords, the files). The CEL
# library's time line is the time of writing.
DEFAULT_FILES = [
    ("sweep", ["answer save table.txt", "menu Form1.Ulodosboru1", "answer save library.ccl", "menu Form1.Ansys1",
               "answer input Q1", "click Form1.Button1"],
     ["--table", "table.txt", "--ccl", "library.ccl", "--name", "Q1"],
     {"table": "table.txt", "ccl": "library.ccl", "name": "Q1"}, ["table.txt", "library.ccl"]),
    ("cool", ["menu Form1.Ochladzovanie1", "answer save data.txt", "menu Form2.Uloz", "click Form2.Button1"],
     ["--data", "data.txt"], {"data": "data.txt"}, ["data.txt"]),
]


def without_time(content):
    return re.sub(rb"\n[A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9]\d \d\d:\d\d:\d\d \d{4}\n", b"\nTIME\n", content)


@pytest.mark.parametrize("kind, window, options, keywords, files", DEFAULT_FILES, ids=[c[0] for c in DEFAULT_FILES])
def test_untouched_defaults_give_the_same_files(tmp_path, kind, window, options, keywords, files):
    folders = {name: tmp_path / name for name in ("window", "calc", "module")}
    for folder in folders.values():
        folder.mkdir()
    (folders["window"] / "defaults.zs").write_text("\n".join(window) + "\n")
    done = subprocess.run([SCENARIO, "defaults.zs"], cwd=folders["window"], capture_output=True, text=True,
                          env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    assert done.returncode == 0, done.stderr
    calc = subprocess.run([CALC, kind] + options, cwd=folders["calc"], capture_output=True, text=True)
    assert calc.returncode == 0, calc.stderr
    cwd = os.getcwd()
    os.chdir(folders["module"])
    try:
        result = getattr(zav, kind)(**keywords)
    finally:
        os.chdir(cwd)
    assert values(result) == values(getattr(zav, kind)())
    for name in files:
        contents = [without_time((folder / name).read_bytes()) for folder in folders.values()]
        assert contents[0] == contents[1] == contents[2], name


# The design calculation: the window "Návrh" (its value carried into the main window), zav-calc
# solve and zav.solve find the same value, or say the same about a heat flow nothing carries.
SOLVE_CASES = [
    ({"t_fluid": 35, "length": 0.4, "area": 0.6, "emissivity": 0.9}, 40, "t_body"),
    ({"t_body": 60, "t_fluid": 25}, 200, "area"),
    ({"t_body": 85, "shape": "cube", "length": 0.4254, "area": 0.0384, "emissivity": 0.9}, 15, "t_fluid"),
    ({"t_body": 80, "shape": "sphere"}, 400, "length"),
    ({"t_body": 45, "t_fluid": 15, "fluid": "water", "shape": "sphere"}, 300, "length"),
    ({"t_body": 10, "t_fluid": 40, "shape": "horizontal-cylinder"}, -25, "t_body"),
    ({}, 1e8, "t_body"),
]
UNKNOWNS = ["t_body", "t_fluid", "area", "length"]


@pytest.mark.parametrize("case,heat_flow,unknown", SOLVE_CASES, ids=lambda c: json.dumps(c))
def test_solve_is_one_truth(tmp_path, case, heat_flow, unknown):
    lines = window_script(case, "steady").splitlines()
    lines = lines[:lines.index("click Form1.Button1")]
    lines += ["menu Form1.Navrh1", f"set Form10.Edit1 {comma(heat_flow)}",
              f"click Form10.RadioButton{1 + UNKNOWNS.index(unknown)}", "click Form10.Button1",
              "click Form10.Button2", f"print {EDITS[unknown]}", "print Form1.Edit18", "print Form1.StatusBar1[2]"]
    (tmp_path / "solve.zs").write_text("\n".join(lines) + "\n")
    window = subprocess.run([SCENARIO, "solve.zs"], cwd=tmp_path, capture_output=True, text=True,
                            env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    assert window.returncode == 0, window.stderr
    texts = dict(line.split("=", 1) for line in window.stdout.splitlines() if "=" in line)
    messages = [line[len("message: "):] for line in window.stdout.splitlines() if line.startswith("message: ")]
    calc = subprocess.run([CALC, "solve", "--heat-flow", repr(float(heat_flow)), "--unknown",
                           unknown.replace("_", "-")] + calc_options(case),
                          cwd=tmp_path, capture_output=True, text=True)
    record = json.loads(calc.stdout)
    try:
        module, error = zav.solve(heat_flow=heat_flow, unknown=unknown, **module_arguments(case)), None
    except zav.CheckError as e:
        module, error = None, str(e)
    if error is not None:
        assert calc.returncode == 1 and record["solved"] is None
        assert record["error"] == error
        # The window's message box shows the same lines (line breaks written \n).
        assert messages[0] == error.replace("\n", "\\n")
        return
    assert calc.returncode == 0, calc.stderr
    assert record["solved"] == module.solved == record[unknown]
    # The window carried the value into its field with 15 significant digits and computed there.
    assert float(texts[EDITS[unknown]].replace(",", ".")) == pytest.approx(module.solved, rel=1e-14)
    assert texts["Form1.Edit18"] == zav.format_fixed(abs(heat_flow), 6, 2)
    # The record carries the sign of the heat flow sought, as the design window; the main window its size.
    assert record["heat_flow"] == pytest.approx(heat_flow, rel=1e-9)


# The calculation report: the main window's page ("Súbor → Správa o výpočte…" once the case is
# saved), zav-calc report of the saved case and of the options, and report_html() of the module's
# result from the keywords and from the saved case are one page, but for the date and time; a
# refused case's pages say why, and the module has no result to report.
DATE_ROW = re.compile(r"<tr><th>Dátum a čas</th><td>[^<]*</td></tr>\n")
NAME_ROW = "<tr><th>Zadanie</th><td>{}</td></tr>"


def undated(page):
    assert DATE_ROW.search(page), page[:400]
    return DATE_ROW.sub("", page)


@pytest.mark.parametrize("case", STEADY_CASES, ids=lambda c: json.dumps(c))
def test_report_is_one_truth(tmp_path, case):
    if "fluid_file" in case:
        (tmp_path / "fluid_file.json").write_text(json.dumps(case["fluid_file"]))
    if "kelo" in case:
        write_kelo(tmp_path / "gas.kelo")
    (tmp_path / "case.zs").write_text(window_script(case, "steady") + "answer save window.html\nmenu Form1.Sprava1\n")
    window = subprocess.run([SCENARIO, "case.zs"], cwd=tmp_path, capture_output=True, text=True,
                            env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    assert window.returncode == 0, window.stderr
    saved = subprocess.run([CALC, "report", "--case", "saved.zav", "--output", "-"], cwd=tmp_path,
                           capture_output=True, text=True)
    options = subprocess.run([CALC, "report"] + calc_options(case) + ["--output", "options.html"], cwd=tmp_path,
                             capture_output=True, text=True)
    assert saved.returncode == options.returncode and saved.returncode in (0, 1), options.stderr
    named = NAME_ROW.format("saved.zav")
    pages = [(tmp_path / "window.html").read_text(encoding="utf-8"), saved.stdout,
             (tmp_path / "options.html").read_text(encoding="utf-8").replace("bez názvu", "saved.zav")]
    if saved.returncode == 1:
        assert "Výpočet bol odmietnutý" in pages[0]
    else:
        cwd = os.getcwd()
        os.chdir(tmp_path)
        try:
            pages.append(zav.steady(**module_arguments(case)).report_html(name="saved.zav"))
            pages.append(zav.steady(case="saved.zav").report_html())
        finally:
            os.chdir(cwd)
    assert named in pages[0]
    for page in pages[1:]:
        assert undated(page) == undated(pages[0])

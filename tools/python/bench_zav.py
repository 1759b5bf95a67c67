# SPDX-License-Identifier: GPL-3.0-or-later
"""Speed of the module zav beside its anchors, measured in the same run (not a test):

- a sweep of 10^6 points through zav.sweep beside the same sweep in the core
  (build/bench/zav_core_sweep: calc::runSweep, the core's evaluatePoint per point, timed inside
  the program) and beside `zav-calc sweep --format csv` into a file; the ratios module / core and
  module / zav-calc (goal: module / core at most 1.5);
- zav.steady over an array of the same 10^6 surface temperatures (every point with the main
  window's checks) beside zav.sweep of them;
- zav.steady called 10^5 times in a Python loop beside an empty Python function called the same
  way (the difference per call, and the ratio).

Rounds alternate between the module and its anchors; each figure is the median of the rounds.

    PYTHONPATH=build/tools/python /usr/bin/python3 tools/python/bench_zav.py build/tools/zav-calc build/bench/zav_core_sweep
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

import numpy
import zav

# 10^6 surface temperatures from 20 to 2019,998 °C (the sweep's own point rule).
FROM, TO, STEP = 20, 2019.998, 0.002
SWEEP = {"from_": FROM, "to": TO, "step": STEP}
CALLS = 100_000
ROUNDS = 5


def timed(function):
    start = time.perf_counter()
    result = function()
    return time.perf_counter() - start, result


def sweep_figures(calc, core):
    module, cores, commands, points = [], [], [], []
    temperatures = zav.sweep(**SWEEP).t_body
    with tempfile.TemporaryDirectory() as folder:
        target = os.path.join(folder, "sweep.csv")
        arguments = [calc, "sweep", "--from", str(FROM), "--to", str(TO), "--step", str(STEP), "--format", "csv"]
        for _ in range(ROUNDS):
            out = subprocess.run([core, str(FROM), str(TO), str(STEP)], check=True, capture_output=True, text=True)
            cores.append(float(out.stdout.split()[0]))
            seconds, result = timed(lambda: zav.sweep(**SWEEP))
            module.append(seconds)
            assert len(result) == 1_000_000
            del result
            with open(target, "wb") as out:
                seconds, _ = timed(lambda: subprocess.run(arguments, stdout=out, check=True))
            commands.append(seconds)
            seconds, result = timed(lambda: zav.steady(t_body=temperatures))
            points.append(seconds)
            assert result.alpha_total.shape == (1_000_000,)
            del result
    return [statistics.median(v) for v in (module, cores, commands, points)]


def empty(**arguments):
    pass


def loop(function):
    start = time.perf_counter()
    for _ in range(CALLS):
        function(t_body=100.0)
    return (time.perf_counter() - start) / CALLS


def steady_overhead():
    calls, anchors = [], []
    for _ in range(ROUNDS):
        anchors.append(loop(empty))
        calls.append(loop(zav.steady))
    return statistics.median(calls), statistics.median(anchors)


def main():
    calc = sys.argv[1] if len(sys.argv) > 1 else "zav-calc"
    core = sys.argv[2] if len(sys.argv) > 2 else os.path.join(os.path.dirname(calc), "..", "bench", "zav_core_sweep")
    module, core_time, command, points = sweep_figures(calc, core)
    print(f"sweep of 10^6 points: zav.sweep {module:.3f} s, the core's sweep {core_time:.3f} s "
          f"(ratio {module / core_time:.2f}), zav-calc sweep --format csv > file {command:.3f} s "
          f"(ratio {module / command:.2f})")
    print(f"zav.steady over an array of the same 10^6 temperatures: {points:.3f} s, "
          f"{points / module:.2f} x zav.sweep")
    call, anchor = steady_overhead()
    print(f"zav.steady x 10^5: {call * 1e6:.3f} us a call, empty function {anchor * 1e6:.3f} us, "
          f"{(call - anchor) * 1e6:.3f} us above it (ratio {call / anchor:.1f})")


if __name__ == "__main__":
    main()

# SPDX-License-Identifier: GPL-3.0-or-later
"""Speed of the module zav beside its anchors, measured in the same run (not a test):

- a sweep of 10^6 points through zav.sweep beside the same sweep through
  `zav-calc sweep --format csv` into a file (the ratio module / zav-calc);
- zav.steady called 10^5 times in a Python loop beside an empty Python function called the same
  way (the difference per call, and the ratio).

    PYTHONPATH=build/tools/python python3 tools/python/bench_zav.py build/tools/zav-calc
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

import zav

# 10^6 surface temperatures from 20 to 2019,998 °C (the sweep's own point rule).
SWEEP = {"from_": 20, "to": 2019.998, "step": 0.002}
CALLS = 100_000
ROUNDS = 5


def sweep_ratio(calc):
    module, command = [], []
    with tempfile.TemporaryDirectory() as folder:
        target = os.path.join(folder, "sweep.csv")
        arguments = [calc, "sweep", "--from", "20", "--to", "2019.998", "--step", "0.002", "--format", "csv"]
        for _ in range(ROUNDS):
            start = time.perf_counter()
            with open(target, "wb") as out:
                subprocess.run(arguments, stdout=out, check=True)
            command.append(time.perf_counter() - start)
            start = time.perf_counter()
            points = zav.sweep(**SWEEP)
            module.append(time.perf_counter() - start)
            assert len(points) == 1_000_000
            del points
    return statistics.median(module), statistics.median(command)


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
    module, command = sweep_ratio(calc)
    print(f"sweep of 10^6 points: zav.sweep {module:.3f} s, zav-calc sweep --format csv > file {command:.3f} s, "
          f"ratio {module / command:.2f}")
    call, anchor = steady_overhead()
    print(f"zav.steady x 10^5: {call * 1e6:.3f} us a call, empty function {anchor * 1e6:.3f} us, "
          f"{(call - anchor) * 1e6:.3f} us above it (ratio {call / anchor:.1f})")


if __name__ == "__main__":
    main()

# SPDX-License-Identifier: GPL-3.0-or-later
"""The Python module zav for the Python that runs this, from the source tree:

    python3 -m pip install --no-build-isolation --no-index ./tools/python

compiles the module and the Qt-free sources it runs on (core/, export/, io/, tools/calc/) against
that Python's headers and the system's pybind11 and nlohmann/json headers (Debian: pybind11-dev,
nlohmann-json3-dev), with that Python's setuptools, two compilers at a time (ZAV_BUILD_JOBS). The
objects go to a temporary folder (ZAV_BUILD_TEMP to keep them), so that nothing is left in the
source tree. NumPy is required (Debian: python3-numpy; a venv sees it with --system-site-packages).
"""
import atexit
import os
import re
import shutil
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

HERE = Path(__file__).resolve().parent
ROOT = HERE.parent.parent
if not (ROOT / "core" / "steady_state.cpp").exists():
    sys.exit("zav: setup.py builds from the program's source tree (tools/python in it); "
             "install with pip install --no-build-isolation ./tools/python")

# pybind11's headers: the system's (Debian: pybind11-dev), else those of the pybind11 package that
# an isolated build installs.
INCLUDE_DIRS = [str(ROOT)]
if not Path("/usr/include/pybind11/pybind11.h").exists():
    try:
        import pybind11

        INCLUDE_DIRS.append(pybind11.get_include())
    except ImportError:
        pass

VERSION = re.search(r"project\(zav VERSION ([0-9.]+)", (ROOT / "CMakeLists.txt").read_text()).group(1)
# The module's own sources, as tools/python/CMakeLists.txt lists them, then the library's.
MODULE_SOURCES = ["zav_module.cpp", "module_arguments.cpp", "module_parameters.cpp", "module_columns.cpp",
                  "module_docs.cpp", "module_pickle.cpp", "module_points.cpp", "module_results.cpp",
                  "module_runs.cpp", "module_signals.cpp"]
SOURCES = [str(HERE / name) for name in MODULE_SOURCES] + sorted(
    str(path) for folder in ("core", "export", "io", "tools/calc") for path in (ROOT / folder).glob("*.cpp"))


class ParallelBuild(build_ext):
    """Compiles the sources of the extension several at a time."""

    def build_extension(self, ext):
        compiler = self.compiler
        jobs = int(os.environ.get("ZAV_BUILD_JOBS", min(os.cpu_count() or 1, 2)))
        original = compiler.compile

        def compile_parallel(sources, *args, **kwargs):
            with ThreadPoolExecutor(jobs) as pool:
                parts = pool.map(lambda source: original([source], *args, **kwargs), sources)
                return [obj for part in parts for obj in part]

        compiler.compile = compile_parallel
        try:
            super().build_extension(ext)
        finally:
            compiler.compile = original


# The build's intermediate files: a temporary folder, removed at the end, unless ZAV_BUILD_TEMP
# names one.
build_base = os.environ.get("ZAV_BUILD_TEMP")
if not build_base:
    build_base = tempfile.mkdtemp(prefix="zav-build-")
    atexit.register(shutil.rmtree, build_base, ignore_errors=True)

setup(
    name="zav",
    version=VERSION,
    description="Heat transfer coefficients of natural convection and the cooling of a body "
                "(the calculations of the program ZAV - voľná konvekcia)",
    license="GPL-3.0-or-later",
    python_requires=">=3.9",
    install_requires=["numpy"],
    ext_modules=[Extension(
        "zav",
        sources=SOURCES,
        include_dirs=INCLUDE_DIRS,
        define_macros=[("ZAV_VERSION", f'"{VERSION}"')],
        extra_compile_args=["-std=c++17", "-O2", "-g0", "-fvisibility=hidden"],
        extra_link_args=["-pthread"],
        language="c++",
    )],
    cmdclass={"build_ext": ParallelBuild},
    options={"build": {"build_base": os.path.join(build_base, "build")},
             "egg_info": {"egg_base": build_base}},
    zip_safe=False,
)

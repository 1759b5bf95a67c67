# SPDX-License-Identifier: GPL-3.0-or-later
"""The module installed as the README says, without network: a fresh venv of this Python (seeing
the system's NumPy and pytest), `pip install --no-build-isolation --no-index ./tools/python`, and
the module's own tests run there against the installed module, with the distribution's metadata.
"""
import os
import subprocess
import sys
import tempfile

import pytest

ROOT = os.path.normpath(os.path.join(os.path.dirname(__file__), "..", ".."))


def run(command, **kwargs):
    done = subprocess.run(command, capture_output=True, text=True, **kwargs)
    assert done.returncode == 0, f"{command}\n{done.stdout}\n{done.stderr}"
    return done.stdout


@pytest.fixture
def venv():
    with tempfile.TemporaryDirectory(prefix="zav-venv-") as folder:
        run([sys.executable, "-m", "venv", "--system-site-packages", os.path.join(folder, "venv")])
        yield os.path.join(folder, "venv", "bin", "python")


def test_pip_installs_the_module_into_a_venv(venv):
    # Nothing of the build tree: the module must come from the venv.
    env = {k: v for k, v in os.environ.items() if k not in ("PYTHONPATH", "PIP_FIND_LINKS")}
    env.update(PIP_DISABLE_PIP_VERSION_CHECK="1", PIP_NO_INPUT="1", PYTHONDONTWRITEBYTECODE="1")
    run([venv, "-m", "pip", "install", "--no-build-isolation", "--no-index", os.path.join(ROOT, "tools", "python")],
        cwd=ROOT, env=env)
    out = run([venv, "-c", "import importlib.metadata, sys, zav; "
                           "print(zav.__file__.startswith(sys.prefix), zav.__version__, "
                           "importlib.metadata.version('zav'), importlib.metadata.requires('zav'))"],
              cwd=os.path.dirname(venv), env=env)
    cmake = open(os.path.join(ROOT, "CMakeLists.txt")).read()
    version = cmake.split("project(zav VERSION ", 1)[1].split()[0]
    assert out.split(" ", 3) == ["True", version, version, "['numpy']\n"]
    run([venv, "-m", "pytest", "-q", "-p", "no:cacheprovider", os.path.join(ROOT, "tests", "python", "test_zav.py")],
        cwd=os.path.dirname(venv), env=env)
    # The build left nothing in the source tree.
    left = os.listdir(os.path.join(ROOT, "tools", "python"))
    assert [name for name in left if name in ("build", "dist") or name.endswith(".egg-info")] == []

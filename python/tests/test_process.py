"""The module in a process of its own: no display, no widgets, the locale
kept, no references or memory leaking over many calls, an installed tree."""
import os
import subprocess
import sys
import sysconfig
import tracemalloc

import numpy as np
import pytest

import tarnex

MODULE_DIR = os.path.dirname(os.path.abspath(tarnex.__file__))


def run_python(code, cwd, **env_changes):
    """Runs code in a new interpreter in cwd (which `python -c` puts first on
    sys.path), without the variables that would give it a display."""
    env = {k: v for k, v in os.environ.items() if k not in ("QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY")}
    env["PYTHONPATH"] = MODULE_DIR
    env.update(env_changes)
    done = subprocess.run([sys.executable, "-c", code], env=env, cwd=cwd, capture_output=True, text=True,
                          timeout=120)
    assert done.returncode == 0, done.stderr
    return done.stdout


def test_draws_without_a_display_without_widgets_and_keeps_the_locale(tmp_path):
    # A display that does not exist: only the offscreen platform, chosen by
    # the module itself, lets this draw; Qt would abort the process on xcb.
    out = run_python(
        "import locale, tarnex\n"
        "before = locale.setlocale(locale.LC_NUMERIC)\n"
        "png = tarnex.LayeredModelChart([10], [100, 10]).png()\n"
        "maps = open('/proc/self/maps').read()\n"
        "print(png[:4] == b'\\x89PNG', 'Qt6Gui' in maps, 'Qt6Widgets' in maps,"
        " before, locale.setlocale(locale.LC_NUMERIC))\n",
        tmp_path, DISPLAY=":97", LC_ALL="C.UTF-8")
    assert out.split() == ["True", "True", "False", "C", "C"]


def test_a_platform_the_user_chose_falls_back_and_is_given_back(tmp_path):
    # xcb with no display would abort the interpreter without the fallback;
    # programs started later see the variable as the user set it, or unset.
    probe = ("import ctypes, tarnex\n"
             "libc = ctypes.CDLL(None); libc.getenv.restype = ctypes.c_char_p\n"
             "tarnex.SoundingChart([1, 10], [5, 6], [1, 2], [5, 6], [1, 2]).png()\n"
             "print(libc.getenv(b'QT_QPA_PLATFORM'))\n")
    assert run_python(probe, tmp_path, QT_QPA_PLATFORM="xcb", DISPLAY=":97").strip() == "b'xcb'"
    assert run_python(probe, tmp_path).strip() == "None"


def test_no_references_or_memory_leak_over_many_calls(tmp_path):
    model = tmp_path / "m.txt"
    model.write_text("10 100\n20 5\n1000\n")
    thickness, resistivity = np.array([10.0, 20.0]), np.array([100.0, 5.0, 1000.0])
    x = np.logspace(-1, 2, 8)
    bad = np.array([1.0, np.nan])
    calls = [
        lambda: tarnex.LayeredModelChart(thickness, resistivity),
        lambda: tarnex.SoundingChart(x, x, x, x, x),
        lambda: tarnex.read_layered_model(model),
        lambda: tarnex.forward_tem(thickness, resistivity, x),
        lambda: tarnex.forward_mt(thickness, resistivity, x),
    ]

    def failing(call):
        def run():
            try:
                call()
            except ValueError:
                pass
        return run
    calls.append(failing(lambda: tarnex.LayeredModelChart([10.0], bad)))
    calls.append(failing(lambda: tarnex.forward_tem([10.0], bad, x)))

    inputs = [thickness, resistivity, x, bad]
    for call in calls:
        call()  # first-use allocations out of the way
        counts = [sys.getrefcount(a) for a in inputs]
        tracemalloc.start()
        start = tracemalloc.get_traced_memory()[0]
        for _ in range(10_000):
            call()
        grown = tracemalloc.get_traced_memory()[0] - start
        tracemalloc.stop()
        assert [sys.getrefcount(a) for a in inputs] == counts
        assert grown < 64 * 1024, grown


def test_installed_tree_imports_from_its_own_folder(tmp_path):
    build = os.environ.get("TARNEX_BUILD_DIR")
    if not build:
        pytest.skip("TARNEX_BUILD_DIR names the build to install (set by CTest)")
    prefix = tmp_path / "prefix"
    done = subprocess.run(["cmake", "--install", build, "--prefix", str(prefix)], capture_output=True, text=True)
    assert done.returncode == 0, done.stderr
    site = prefix / "lib" / "python3" / "dist-packages"
    # Without the build tree on any path: the module and the libraries it
    # loads must all come from the prefix.
    out = run_python(
        "import tarnex\n"
        "tarnex.SoundingChart([1, 10], [5, 6], [1, 2], [5, 6], [1, 2]).png()\n"
        "libs = {l.split()[-1] for l in open('/proc/self/maps') if 'libtarnex' in l}\n"
        "print(tarnex.__file__)\n"
        "print('\\n'.join(sorted(libs)))\n",
        tmp_path, PYTHONPATH=str(site), LD_LIBRARY_PATH="")
    lines = out.split()
    assert lines[0].startswith(str(site))
    assert len(lines) > 2 and all(line.startswith(str(prefix)) for line in lines[1:]), lines


def test_the_worked_example_runs_as_written(tmp_path):
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
    text = open(os.path.join(root, "docs", "python.md"), encoding="utf-8").read()
    code = "\n".join(block.split("```")[0] for block in text.split("```python\n")[1:])
    os.symlink(os.path.join(root, "data"), tmp_path / "data")
    out = run_python(code, tmp_path)
    # The printed lines the page shows after the example.
    shown = text.split("prints\n\n```\n")[1].split("```")[0]
    assert out.endswith(shown), out
    assert (tmp_path / "sounding.pdf").read_bytes().startswith(b"%PDF-")

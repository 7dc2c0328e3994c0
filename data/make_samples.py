#!/usr/bin/python3
"""Regenerates the bundled sample data from layered earths with tarnex-em1d.

Every modelled value is the response tarnex-em1d computes for a central-loop
TEM system (loop radius 50 m, receiver 1 m2, step turn-off) at 31 times from
0.01 to 10 ms; the measured values are the modelled ones with seeded Gaussian
noise: V/I times (1 + e), e of standard deviation 2 % at 0.01 ms growing to
6 % at 10 ms, where the signal is weakest, and R the late-time apparent
resistivity of that noisy V (R scales as V^(-2/3)). The same seed gives the same
files.

  make_samples.py TARNEX_EM1D [--seed S] [--no-survey-x]
      writes data/sounding.dat (the earth of data/layered-model.txt; plain
      rows: time ms, measured R and V, modelled R and V),
      data/survey.csv (300 stations on 6 lines of 50, three-layer earths
      drifting along each line) and data/profiles.txt (apparent resistivity
      at five times along a line crossing a conductor).
  --no-survey-x  leaves out survey.csv's x_m column (position along the
                 line, after the station's name).
"""
import argparse
import math
import os
import random
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
LOOP_RADIUS, RX_AREA = 50, 1
TEM_LINE = f"# tem: loop_radius={LOOP_RADIUS} rx_area={RX_AREA} ramp_us=0"
TIMES = [0.01 * 10 ** (i / 10) for i in range(31)]


def noise_sd(t_ms):
    return 0.02 + 0.04 * math.log10(t_ms / 0.01) / 3


def model_text(h, rho):
    lines = [f"{hh:.6g} {r:.6g}" for hh, r in zip(h, rho)]
    lines.append(f"{rho[-1]:.6g}")
    return "\n".join(lines) + "\n"


def forward(exe, models, times):
    """Runs tarnex-em1d once for every (h, rho) model; returns [(rho_a, v)] lists."""
    with tempfile.TemporaryDirectory() as tmp:
        paths = []
        for i, (h, rho) in enumerate(models):
            p = os.path.join(tmp, f"m{i:04d}.txt")
            with open(p, "w") as f:
                f.write(model_text(h, rho))
            paths.append(p)
        out = subprocess.run([exe, "forward", *paths, "--times", ",".join(f"{t:.6g}" for t in times),
                              "--loop-radius", str(LOOP_RADIUS), "--rx-area", str(RX_AREA)],
                             check=True, capture_output=True, text=True).stdout
    tables, current = [], None
    for line in out.splitlines():
        if line.startswith("# model") or line.startswith("time_ms"):
            if line.startswith("time_ms"):
                current = []
                tables.append(current)
            continue
        t, r, v = (float(x) for x in line.split())
        current.append((r, v))
    assert len(tables) == len(models), (len(tables), len(models))
    return tables


def measured(rng, t, r, v):
    vm = v * (1 + rng.gauss(0, noise_sd(t)))
    return r * (vm / v) ** (-2 / 3), vm


def read_model(path):
    h, rho = [], []
    for line in open(path):
        fields = line.split("#")[0].split()
        if len(fields) == 2:
            h.append(float(fields[0]))
            rho.append(float(fields[1]))
        elif len(fields) == 1:
            rho.append(float(fields[0]))
    return h, rho


def sounding(exe, rng):
    """Plain rows of five numbers, no comments or header: the chart's own
    reader of the format takes nothing else. The system is the default one
    (loop radius 50 m, receiver 1 m2), so the file needs no "# tem:" line."""
    h, rho = read_model(os.path.join(HERE, "layered-model.txt"))
    (table,) = forward(exe, [(h, rho)], TIMES)
    out = []
    for t, (r, v) in zip(TIMES, table):
        rm, vm = measured(rng, t, r, v)
        out.append(f"{t:9.4g} {rm:9.2f} {vm:11.5g} {r:9.2f} {v:11.5g}")
    return "\n".join(out) + "\n"


def survey(exe, rng, with_x):
    models, names, xs = [], [], []
    for line in range(6):
        phase = line * 1.1
        for s in range(50):
            pos = s / 49 * 6.0
            rho1 = 300 * math.exp(0.5 * math.sin(phase + pos * 0.9) + rng.gauss(0, 0.05))
            rho2 = 25 * math.exp(0.7 * math.cos(phase * 1.3 + pos * 0.6) + rng.gauss(0, 0.05))
            rho3 = 100 * math.exp(0.4 * math.sin(phase * 0.7 + pos * 0.4) + rng.gauss(0, 0.05))
            h1 = 40 * math.exp(0.3 * math.sin(pos * 1.7 + phase) + rng.gauss(0, 0.03))
            h2 = 60 * math.exp(0.3 * math.cos(pos * 1.1 + phase) + rng.gauss(0, 0.03))
            models.append(([h1, h2], [rho1, rho2, rho3]))
            names.append(f"L{line + 1:02d}-{s + 1:03d}")
            xs.append(20.0 * s)
    tables = forward(exe, models, TIMES)
    out = [f"# Synthetic TEM survey: 300 stations, 50 a line 20 m apart, three-layer earths drifting along",
           "# each line; modelled by tarnex-em1d, measured with 2-6 % noise (data/make-samples.sh).",
           "# abscissa: time in ms; R: late-time apparent resistivity in ohm-m; V: V/I in uV/A",
           TEM_LINE,
           "station," + ("x_m," if with_x else "") + "time_ms,rho_measured,v_measured,rho_model,v_model"]
    for name, x, table in zip(names, xs, tables):
        for t, (r, v) in zip(TIMES, table):
            rm, vm = measured(rng, t, r, v)
            xcol = f"{x:g}," if with_x else ""
            out.append(f"{name},{xcol}{t:.4g},{rm:.2f},{vm:.5g},{r:.2f},{v:.5g}")
    return "\n".join(out) + "\n"


def profiles(exe, rng):
    gates = [0.1, 0.3, 1, 3, 10]
    models = []
    for s in range(50):
        x = 20.0 * s
        # A conductive layer at 60 m that thickens under 440-560 m.
        bump = math.exp(-((x - 500) / 50) ** 2)
        models.append(([60, 20 + 80 * bump], [300, 30 / (1 + 4 * bump), 150]))
    tables = forward(exe, models, gates)
    out = ["# Transient EM survey line L12: late-time apparent resistivity (ohm-m) at five times,",
           "# modelled by tarnex-em1d with 2 % noise (data/make-samples.sh).",
           "# First column: station position along the line (m); then one column a gate.",
           "# A conductor under stations 440-560 m pulls the late gates down.",
           "station_m  t0.1ms  t0.3ms  t1ms  t3ms  t10ms"]
    for s, table in enumerate(tables):
        values = [r * (1 + rng.gauss(0, 0.02)) for r, _ in table]
        out.append(f"{20 * s}  " + "  ".join(f"{v:.1f}" for v in values))
    return "\n".join(out) + "\n"


def write(name, text):
    path = os.path.join(HERE, name)
    tmp = path + ".tmp"
    with open(tmp, "w") as f:
        f.write(text)
    os.replace(tmp, path)
    print("wrote", path)


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("exe")
    p.add_argument("--seed", type=int, default=7)
    p.add_argument("--no-survey-x", dest="survey_x", action="store_false")
    a = p.parse_args()
    rng = random.Random(a.seed)
    write("sounding.dat", sounding(a.exe, rng))
    write("survey.csv", survey(a.exe, rng, a.survey_x))
    write("profiles.txt", profiles(a.exe, rng))


if __name__ == "__main__":
    main()

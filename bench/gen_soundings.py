#!/usr/bin/env python3
"""Synthetic EM soundings for benchmarks and samples.

Each station sits on a survey line over a three-layer earth whose resistivities
and depths drift smoothly along the line. Its apparent resistivity (R) moves
from the top layer's value towards the basement's through the middle layer's,
one smooth step per interface, at times that grow with the square of the
interface's depth; the vertical magnetic component (V) rises as a power of
time, steeper over conductive ground. The modelled columns are these curves;
the measured ones add multiplicative noise that grows at late times, where
the signal is weak. The same seed gives the same files.

  gen_soundings.py N --dir OUT           N sounding files OUT/L01-001.dat ...
  gen_soundings.py N --survey FILE       one survey table (CSV with header)
  options: --seed S (default 1), --per-line K (stations a line, default 50),
           --rows R (samples a sounding, default 23)
"""
import argparse
import math
import os
import random


def station_curves(rng, line_phase, pos, rows):
    # Layer resistivities (ohm-m) and interface depths drift along the line.
    rho1 = 300.0 * math.exp(0.5 * math.sin(line_phase + pos * 0.9) + rng.gauss(0, 0.08))
    rho2 = 25.0 * math.exp(0.7 * math.cos(line_phase * 1.3 + pos * 0.6) + rng.gauss(0, 0.1))
    rho3 = 100.0 * math.exp(0.4 * math.sin(line_phase * 0.7 + pos * 0.4) + rng.gauss(0, 0.08))
    h1 = 40.0 * math.exp(0.3 * math.sin(pos * 1.7 + line_phase) + rng.gauss(0, 0.05))
    h2 = 160.0 * math.exp(0.3 * math.cos(pos * 1.1 + line_phase) + rng.gauss(0, 0.05))
    # Diffusion time grows with depth squared over resistivity (ms for metres and ohm-m, scaled).
    t1, t2 = h1 * h1 / rho1, 0.1 * (h1 + h2) ** 2 / rho2
    lr1, lr2, lr3 = math.log(rho1), math.log(rho2), math.log(rho3)
    v0 = 35.0 * math.exp(rng.gauss(0, 0.05))
    slope = 0.28 + 0.04 * math.sin(pos + line_phase)
    out = []
    for i in range(rows):
        t = 0.4 * 1.52 ** i
        s1 = 1 / (1 + math.exp(-2.2 * (math.log(t) - math.log(t1))))
        s2 = 1 / (1 + math.exp(-2.2 * (math.log(t) - math.log(t2))))
        rho = math.exp(lr1 + (lr2 - lr1) * s1 + (lr3 - lr2) * s2)
        v = v0 * (t / 0.4) ** slope * (1 + 0.15 * s1)
        noise = 0.02 + 0.04 * i / max(rows - 1, 1)
        out.append((t, rho * math.exp(rng.gauss(0, noise)), v * math.exp(rng.gauss(0, noise)), rho, v))
    return out


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("n", type=int)
    ap.add_argument("--dir")
    ap.add_argument("--survey")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--per-line", type=int, default=50)
    ap.add_argument("--rows", type=int, default=23)
    a = ap.parse_args()
    if bool(a.dir) == bool(a.survey):
        ap.error("give exactly one of --dir and --survey")
    rng = random.Random(a.seed)
    survey = None
    if a.survey:
        survey = open(a.survey, "w", encoding="utf-8")
        survey.write("# Synthetic EM survey: %d stations, %d a line, seed %d (bench/gen_soundings.py)\n"
                     % (a.n, a.per_line, a.seed))
        survey.write("# abscissa: time in ms; R: apparent resistivity in ohm-m; V: vertical magnetic component\n")
        survey.write("station,time_ms,rho_measured,v_measured,rho_model,v_model\n")
    else:
        os.makedirs(a.dir, exist_ok=True)
    for k in range(a.n):
        line, pos = divmod(k, a.per_line)
        name = "L%02d-%03d" % (line + 1, pos + 1)
        rows = station_curves(rng, line * 0.8, pos / 8.0, a.rows)
        if survey:
            for r in rows:
                survey.write("%s,%.3f,%.2f,%.2f,%.2f,%.2f\n" % ((name,) + r))
        else:
            with open(os.path.join(a.dir, name + ".dat"), "w") as f:
                for r in rows:
                    f.write("%9.3f %8.2f %8.2f %8.2f %8.2f\n" % r)
    if survey:
        survey.close()


if __name__ == "__main__":
    main()

#!/usr/bin/env bash
# Times whole processes that draw the bundled sounding to a PNG of the same
# pixel size: tarnex-render, a bare QtGui program (title, 40 lines, a few
# labels: what any Qt drawing process costs), gnuplot (pngcairo) and
# matplotlib (Agg). The programs run interleaved, one of each in turn, so
# that a change in the machine's load falls on all alike; it prints the
# median wall time of each and the ratios. matplotlib runs on Debian's own
# Python (/usr/bin/python3), where python3-matplotlib is installed.
#   bench/compare.sh [RUNS]      (default 30 rounds, after 3 warm-up rounds)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-30}
TARNEX_BENCH_TOOLS=1 bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh" release >/dev/null
render=$here/build/release/apps/render/tarnex-render
bare=$here/build/release/bench/bench-bare-qtgui
data=$here/data/sounding.dat
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$render" "$data" -o "$work/tarnex.png"
read -r W H < <(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print(*struct.unpack(">II", d[16:24]))' "$work/tarnex.png")
echo "image size: ${W}x${H} pixels"

title="一维垂直磁分量、视电阻率曲线图"
cat > "$work/chart.gp" <<GP
set terminal pngcairo size $W,$H font "WenQuanYi Micro Hei,10"
set output '$work/gnuplot.png'
set logscale x
set grid
set title "$title"
plot '$data' using 1:2 with linespoints lc rgb 'red' pt 4 title '实测 R', \
     '' using 1:3 with linespoints lc rgb 'black' pt 4 title '实测 V', \
     '' using 1:4 with linespoints lc rgb '#0a9600' pt 4 title '正演 R', \
     '' using 1:5 with linespoints lc rgb 'blue' pt 4 title '正演 V'
GP
cat > "$work/chart.py" <<PY
import matplotlib
matplotlib.use("Agg")
matplotlib.rcParams["font.family"] = ["WenQuanYi Micro Hei"]
import matplotlib.pyplot as plt
cols = [[], [], [], [], []]
for tok_i, tok in enumerate(open("$data").read().split()):
    cols[tok_i % 5].append(float(tok))
fig = plt.figure(figsize=($W / 100, $H / 100), dpi=100)
ax = fig.add_subplot()
ax.set_xscale("log")
ax.grid(True, which="both")
for c, colour, name in ((1, "red", "实测 R"), (2, "black", "实测 V"), (3, "#0a9600", "正演 R"), (4, "blue", "正演 V")):
    ax.plot(cols[0], cols[c], color=colour, marker="s", markerfacecolor="none", label=name)
ax.set_title("$title")
ax.legend()
fig.savefig("$work/matplotlib.png", dpi=100)
PY

# Each command is started straight (no shell); its output goes nowhere.
python3 - "$runs" "$work" <<PY
import os, statistics, subprocess, sys, time
runs, work = int(sys.argv[1]), sys.argv[2]
cmds = {
    "tarnex": ["$render", "$data", "-o", f"{work}/tarnex.png"],
    "bare-qtgui": ["$bare", "$W", "$H", f"{work}/bare.png"],
    "gnuplot": ["gnuplot", f"{work}/chart.gp"],
    "matplotlib": ["/usr/bin/python3", f"{work}/chart.py"],
}
times = {k: [] for k in cmds}
for r in range(3 + runs):
    for name, argv in cmds.items():
        t0 = time.perf_counter()
        subprocess.run(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        if r >= 3:
            times[name].append(time.perf_counter() - t0)
med = {k: statistics.median(v) * 1000 for k, v in times.items()}
for k in cmds:
    print(f"{k:11s} median {med[k]:8.1f} ms")
print(f"tarnex / bare-qtgui = {med['tarnex'] / med['bare-qtgui']:.2f}  (aim: at most 1.05)")
print(f"tarnex / gnuplot    = {med['tarnex'] / med['gnuplot']:.2f}  (aim: at most 0.80)")
print(f"matplotlib / tarnex = {med['matplotlib'] / med['tarnex']:.1f}")
PY

#!/usr/bin/env bash
# Times tarnex-render batch against a gnuplot loop and a matplotlib loop that
# draw the same synthetic soundings to PNGs of the same pixel size, each in
# one process. Runs are interleaved (one of each in turn) so that a change in
# the machine's load falls on all alike; prints the median charts a second,
# the ratios, and each program's peak memory (maximum resident set).
#   bench/batch.sh [ROUNDS] [N_COMPARED] [N_LARGE]
# defaults: 5 rounds with N_COMPARED=100 for all three programs, then one
# run of tarnex alone on N_LARGE=10000 (gnuplot and matplotlib would take many
# minutes there; set BENCH_ALL_LARGE=1 to run them too). BENCH_NO_BUILD=1
# uses the release build as it is.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-5}
nsmall=${2:-100}
nlarge=${3:-10000}
TARNEX_BENCH_TOOLS=1 bash "$here/scripts/setup.sh"
if [ -z "${BENCH_NO_BUILD:-}" ]; then
  bash "$here/scripts/build.sh" release >/dev/null
fi
render=$here/build/release/apps/render/tarnex-render
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 "$here/bench/gen_soundings.py" "$nsmall" --dir "$work/small" --seed 1
python3 "$here/bench/gen_soundings.py" "$nlarge" --dir "$work/large" --seed 2
"$render" "$work/small/L01-001.dat" -o "$work/probe.png" 2>/dev/null
read -r W H < <(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print(*struct.unpack(">II", d[16:24]))' "$work/probe.png")
echo "charts of ${W}x${H} pixels; $(nproc) processors"

title="一维垂直磁分量、视电阻率曲线图"
# One gnuplot process, one plot a file.
gp_script() {  # DIR OUT
  echo "set terminal pngcairo size $W,$H font \"WenQuanYi Micro Hei,10\""
  echo "set logscale x"; echo "set grid"; echo "set title \"$title\""
  for f in "$1"/*.dat; do
    n=${f##*/}
    n=${n%.dat}
    echo "set output '$2/$n.png'"
    echo "plot '$f' using 1:2 with linespoints lc rgb 'red' pt 4 title '实测 R', '' using 1:3 with linespoints lc rgb 'black' pt 4 title '实测 V', '' using 1:4 with linespoints lc rgb '#0a9600' pt 4 title '正演 R', '' using 1:5 with linespoints lc rgb 'blue' pt 4 title '正演 V'"
  done
}
gp_script "$work/small" "$work/out-gnuplot-small" > "$work/small.gp"
if [ "${BENCH_ALL_LARGE:-0}" = 1 ]; then
  gp_script "$work/large" "$work/out-gnuplot-large" > "$work/large.gp"
fi
# One Python process, one figure reused (the fastest way to draw many with matplotlib).
cat > "$work/mpl.py" <<PY
import glob, os, sys
import matplotlib
matplotlib.use("Agg")
matplotlib.rcParams["font.family"] = ["WenQuanYi Micro Hei"]
import matplotlib.pyplot as plt
src, out = sys.argv[1], sys.argv[2]
fig = plt.figure(figsize=($W / 100, $H / 100), dpi=100)
for path in sorted(glob.glob(os.path.join(src, "*.dat"))):
    cols = [[], [], [], [], []]
    for i, tok in enumerate(open(path).read().split()):
        cols[i % 5].append(float(tok))
    fig.clf()
    ax = fig.add_subplot()
    ax.set_xscale("log")
    ax.grid(True, which="both")
    for c, colour, name in ((1, "red", "实测 R"), (2, "black", "实测 V"), (3, "#0a9600", "正演 R"), (4, "blue", "正演 V")):
        ax.plot(cols[0], cols[c], color=colour, marker="s", markerfacecolor="none", label=name)
    ax.set_title("$title")
    ax.legend()
    fig.savefig(os.path.join(out, os.path.basename(path)[:-4] + ".png"), dpi=100)
PY

python3 - "$rounds" "$work" "$render" "$nsmall" "$nlarge" "${BENCH_ALL_LARGE:-0}" <<'PY'
import os, shutil, statistics, subprocess, sys, time
rounds, work, render, nsmall, nlarge, all_large = int(sys.argv[1]), sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5]), sys.argv[6] == "1"

def cmds(size):
    return {
        "tarnex": [render, "batch", f"{work}/{size}", "-o", f"{work}/out-tarnex-{size}", "--quiet", "--no-index"],
        "tarnex+index": [render, "batch", f"{work}/{size}", "-o", f"{work}/out-tarnexi-{size}", "--quiet"],
        "gnuplot": ["gnuplot", f"{work}/{size}.gp"],
        "matplotlib": ["/usr/bin/python3", f"{work}/mpl.py", f"{work}/{size}", f"{work}/out-matplotlib-{size}"],
    }

def run(name, argv, size):
    out = {"tarnex": f"out-tarnex-{size}", "tarnex+index": f"out-tarnexi-{size}", "gnuplot": f"out-gnuplot-{size}",
           "matplotlib": f"out-matplotlib-{size}"}[name]
    shutil.rmtree(f"{work}/{out}", ignore_errors=True)
    os.makedirs(f"{work}/{out}")
    t0 = time.perf_counter()
    p = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(p.pid, 0)
    dt = time.perf_counter() - t0
    if status != 0:
        sys.exit(f"{name} failed with status {status}")
    return dt, usage.ru_maxrss / 1024.0

def report(size, n, names, r):
    res = {k: ([], []) for k in names}
    for i in range(r):
        for k in names:
            dt, mem = run(k, cmds(size)[k], size)
            res[k][0].append(dt)
            res[k][1].append(mem)
    rate = {}
    print(f"N = {n}, {r} round(s):")
    for k in names:
        med = statistics.median(res[k][0])
        rate[k] = n / med
        print(f"  {k:13s} {rate[k]:8.1f} charts/s   median {med:7.2f} s   peak memory {max(res[k][1]):7.1f} MiB")
    if "gnuplot" in rate:
        print(f"  tarnex / gnuplot    = {rate['tarnex'] / rate['gnuplot']:6.1f}   (aim: at least 6)")
    if "matplotlib" in rate:
        print(f"  tarnex / matplotlib = {rate['tarnex'] / rate['matplotlib']:6.1f}   (aim: at least 40)")
    print(f"  tarnex aim: at least 250 charts/s")
    return {k: max(v[1]) for k, v in res.items()}

small = report("small", nsmall, ["tarnex", "tarnex+index", "gnuplot", "matplotlib"], rounds)
large_names = ["tarnex"] + (["tarnex+index", "gnuplot", "matplotlib"] if all_large else [])
large = report("large", nlarge, large_names, 1)
for k in large_names[:1]:
    print(f"peak memory of {k} at N={nlarge}: {large[k]:.1f} MiB, at N={nsmall}: {small[k]:.1f} MiB, "
          f"{(large[k] / small[k] - 1) * 100:+.1f} %  (aim: within 10 %)")
PY

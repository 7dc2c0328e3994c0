#!/usr/bin/env bash
# The TEM forward calculation on one core: em1d's benchmark, then the numpy
# implementation of the same method, and the ratio of their processor times.
#   bash bench/em1d.sh [BUILD_DIR]      (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
bench=$build/bench/em1d_bench
[ -x "$bench" ] || { echo "em1d.sh: $bench not built (cmake --build $build --target em1d_bench)" >&2; exit 1; }
pin=()
command -v taskset >/dev/null && pin=(taskset -c 0)
json=$(mktemp)
trap 'rm -f "$json"' EXIT
"${pin[@]}" "$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_out="$json" --benchmark_out_format=json
peer=$("${pin[@]}" /usr/bin/python3 bench/em1d_numpy.py --json)
/usr/bin/python3 - "$json" "$peer" <<'PY'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
peer = json.loads(sys.argv[2])
print("\n31-time curve, one core (processor time, median of 5 / best of 5 for numpy)")
print(f"{'layers':>6} {'em1d us':>10} {'numpy us':>10} {'ratio':>7}")
for r in runs:
    name = r["name"]
    if not name.startswith("BM_TemCurve31/") or r.get("aggregate_name") != "median":
        continue
    layers = name.split("/")[1].split("_")[0]
    us = r["cpu_time"] if r["time_unit"] == "us" else r["cpu_time"] / 1e3
    np_us = peer[layers]
    print(f"{layers:>6} {us:10.1f} {np_us:10.1f} {np_us / us:7.1f}")
for r in runs:
    if r["name"].startswith("BM_AccuracyAgainstReference") and "max_rel_err" in r:
        print(f"largest relative difference from the 201-point filters: {r['max_rel_err']:.2e}")
        break
PY

#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang (AddressSanitizer and UBSan on)
# into build/fuzz and runs each for SECONDS (default 15) from its seed corpus
# in tests/fuzz/corpus. New inputs found go to build/fuzz/corpus, crashes to
# build/fuzz/crashes; the script fails on the first crash.
#   scripts/fuzz.sh [SECONDS] [HARNESS...]
# With TARNEX_FUZZ_RUNS=N each harness instead runs N inputs from seed 1:
# the same inputs on every machine, as the test run wants.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
shift || true
bash scripts/setup.sh
dir=build/fuzz
gen=()
command -v ninja >/dev/null && gen=(-G Ninja)
command -v ccache >/dev/null && gen+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -g -O1"
cmake -S . -B "$dir" "${gen[@]}" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DTARNEX_FUZZ=ON -DTARNEX_BUILD_TESTS=OFF -DTARNEX_BUILD_APPS=OFF -DTARNEX_BUILD_BENCH=OFF >/dev/null
harnesses=("$@")
[ ${#harnesses[@]} -eq 0 ] && harnesses=($(sed -n 's/^set(TARNEX_FUZZ_HARNESSES \(.*\))/\1/p' tests/fuzz/CMakeLists.txt))
targets=()
for h in "${harnesses[@]}"; do targets+=("fuzz_$h"); done
cmake --build "$dir" -j"$(nproc)" --target "${targets[@]}"
mkdir -p "$dir/crashes"
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
limit=(-max_total_time="$seconds")
[ -n "${TARNEX_FUZZ_RUNS:-}" ] && limit=(-runs="$TARNEX_FUZZ_RUNS" -seed=1)
for h in "${harnesses[@]}"; do
  mkdir -p "$dir/corpus/$h"
  echo "fuzz: $h (${limit[*]})"
  "$dir/tests/fuzz/fuzz_$h" "${limit[@]}" -max_len=65536 -rss_limit_mb=2048 -timeout=10 \
    -artifact_prefix="$dir/crashes/$h-" -print_final_stats=1 "$dir/corpus/$h" "tests/fuzz/corpus/$h" 2>"$dir/$h.log" ||
    { tail -40 "$dir/$h.log"; echo "fuzz: $h FAILED (inputs in $dir/crashes)"; exit 1; }
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$dir/$h.log" | sed "s/^/  /"
done
echo "fuzz: ${#harnesses[@]} passed, 0 failed"

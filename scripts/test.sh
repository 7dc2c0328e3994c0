#!/usr/bin/env bash
# Set-up, build, and every test: once in the optimised build with warnings as
# errors, once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

bash scripts/build.sh release
# The Python module's pytest suite runs in CTest as python.pytest (Debian's
# /usr/bin/python3 against build/release/python); a build that left the module
# out would skip it without a word, so its absence fails here.
ctest --test-dir build/release -N -R '^python\.pytest$' | grep -q 'Total Tests: 1' ||
  { echo "test.sh: the Python module was not built (python3-dev, pybind11-dev missing?)" >&2; exit 1; }
ctest --test-dir build/release --output-on-failure -j2

bash scripts/build.sh asan
ctest --test-dir build/asan --output-on-failure -j2 -E '^install\.'

# A short, repeatable run of every fuzz harness (about a minute in all);
# longer runs: bash scripts/fuzz.sh SECONDS
TARNEX_FUZZ_RUNS=100000 bash scripts/fuzz.sh

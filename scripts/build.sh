#!/usr/bin/env bash
# Configures and builds one flavour of the tree, or only the named targets.
#   scripts/build.sh release [TARGET...]   build/release   (optimised, warnings as errors)
#   scripts/build.sh asan [TARGET...]      build/asan      (AddressSanitizer + UBSan)
set -euo pipefail
cd "$(dirname "$0")/.."
flavour=${1:-release}
shift || true
case "$flavour" in
  release) extra=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNEX_SANITIZE=OFF) ;;
  asan)    extra=(-DCMAKE_BUILD_TYPE=Debug -DTARNEX_SANITIZE=ON -DTARNEX_BUILD_BENCH=OFF) ;;
  *) echo "build.sh: unknown flavour $flavour (release or asan)" >&2; exit 2 ;;
esac
dir=build/$flavour
gen=()
command -v ninja >/dev/null && gen=(-G Ninja)
# A compiler cache, where one is installed, shares work between flavours and checkouts.
command -v ccache >/dev/null && gen+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" "${gen[@]}" -DTARNEX_WERROR=ON "${extra[@]}" >/dev/null
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build "$dir" -j"$(nproc)" "${targets[@]}"

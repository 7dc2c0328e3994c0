#!/usr/bin/env bash
# Set-up, build, and the main job: the bundled sounding drawn to sounding.png
# in the current folder. Extra arguments go to tarnex-render.
# Only the library's drawing part and tarnex-render are built, in the same
# build folder as scripts/test.sh, which builds the rest (studio, tests,
# benchmarks) when it runs.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh" release tarnex-render
"$here/build/release/apps/render/tarnex-render" -o sounding.png "$@"
echo "wrote $(pwd)/sounding.png"

#!/usr/bin/env bash
# Set-up, build, and the main job: the bundled sounding drawn to sounding.png
# in the current folder. Extra arguments go to tarnex-render.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh" release
"$here/build/release/apps/render/tarnex-render" -o sounding.png "$@"
echo "wrote $(pwd)/sounding.png"

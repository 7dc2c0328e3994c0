#!/usr/bin/env bash
# Regenerates data/sounding.dat, data/survey.csv and data/profiles.txt from
# layered earths with tarnex-em1d (see data/make_samples.py for the models
# and the noise).   bash data/make-samples.sh [TARNEX_EM1D] [options of make_samples.py]
set -euo pipefail
cd "$(dirname "$0")/.."
exe=${1:-build/release/apps/em1d/tarnex-em1d}
[ $# -gt 0 ] && shift
[ -x "$exe" ] || { echo "make-samples.sh: $exe not built (cmake --build build/release --target tarnex-em1d)" >&2; exit 1; }
exec /usr/bin/python3 data/make_samples.py "$exe" "$@"

#!/usr/bin/env bash
# Installs the Debian packages tarnex builds and tests with, when any is missing.
# Safe to run again: it only calls apt-get when something is absent.
set -euo pipefail

PKGS=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev libdeflate-dev
  fonts-liberation2 fonts-wqy-microhei fontconfig
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  locales clang libclang-rt-14-dev
  # The studio's translations: lupdate/lrelease, CMake's LinguistTools, Qt's own catalogues.
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # Modelling (em1d): linear algebra, header-only; numpy for the sample generator and the peer benchmark.
  libeigen3-dev python3-numpy
  # The Python module and its tests, for Debian's /usr/bin/python3.
  python3-dev pybind11-dev python3-pytest
)
# Only for the comparison benchmark (bench/compare.sh).
if [ "${TARNEX_BENCH_TOOLS:-0}" = 1 ]; then
  PKGS+=(python3-matplotlib gnuplot-nox hyperfine)
fi
# Only for building and checking the Debian packages (scripts/package.sh).
if [ "${TARNEX_PACKAGE_TOOLS:-0}" = 1 ]; then
  PKGS+=(dpkg-dev file lintian)
fi

missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

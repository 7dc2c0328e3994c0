#!/usr/bin/env bash
# Builds the Debian packages of tarnex from a clean build in build/package
# and checks them with lintian:
#   tarnex          libraries, tarnex-render, tarnex-studio (and tarnex-em1d),
#                   data, manual pages, completion, desktop entry
#   tarnex-dev      headers, CMake package, tarnex.pc
#   python3-tarnex  the Python module, where it is built
# Install them with: apt-get install ./build/package/*.deb
# Compiler and linker flags are Debian's (dpkg-buildflags, with every
# hardening feature); the installed files are stripped; dependencies come from
# dpkg-shlibdeps.
set -euo pipefail
cd "$(dirname "$0")/.."
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
TARNEX_PACKAGE_TOOLS=1 bash scripts/setup.sh
dir=build/package
rm -rf "$dir"
gen=()
command -v ninja >/dev/null && gen=(-G Ninja)
command -v ccache >/dev/null && gen+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" "${gen[@]}" -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_SHARED_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_MODULE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DTARNEX_BUILD_TESTS=OFF -DTARNEX_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" -j"$(nproc)"
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/*.deb
# Errors fail the script; warnings are listed (docs/packaging.md says which
# remain and why).
lintian --fail-on error --tag-display-limit 0 "$dir"/*.deb
echo "package.sh: lintian found no errors"

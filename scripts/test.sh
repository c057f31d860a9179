#!/usr/bin/env bash
# Sets up, builds and runs every test, then builds the Debian package and checks it with lintian. GUI
# tests run on Qt's offscreen platform: no display needed. Then the same for the Windows build: the
# suites cross-built with MinGW-w64 and run under Wine (build-windows/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
bash scripts/package.sh

# One after another: the Windows suites share Wine's registry. A persistent Wine server saves starting
# one for every case; it is ended again however the run ends.
bash scripts/build-windows.sh
export WINEPREFIX="$PWD/build-windows/wine"
cmake/wine-run.sh build-windows/bin/vexor-reg.exe /? >/dev/null # creates the prefix when it is new
wineserver -p
trap 'wineserver -k || true' EXIT
(cd build-windows && ctest --output-on-failure -j1)

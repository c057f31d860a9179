#!/usr/bin/env bash
# Sets up, builds and runs every test, then builds the Debian package and checks it with lintian. GUI
# tests run on Qt's offscreen platform: no display needed. Then the same for the Windows build: the
# suites cross-built with MinGW-w64 and run under Wine (build-windows/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
bash scripts/package.sh

# One after another: the Windows suites share Wine's registry. A Wine server kept for a few seconds
# after each program saves starting one for every case. Never one kept for good: it inherits the
# files this script has open, a build lock held around the script among them.
bash scripts/build-windows.sh
export WINEPREFIX="$PWD/build-windows/wine"
cmake/wine-run.sh build-windows/bin/vexor-reg.exe /? >/dev/null # creates the prefix when it is new
wineserver -w # the server of that first run must be gone: -p refuses to start beside a running one
wineserver -p10
(cd build-windows && ctest --output-on-failure -j1)
wineserver -k || true

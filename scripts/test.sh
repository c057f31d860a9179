#!/usr/bin/env bash
# Sets up, builds and runs every test, then builds the Debian package and checks it with lintian. GUI
# tests run on Qt's offscreen platform: no display needed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
bash scripts/package.sh

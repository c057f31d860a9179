#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, then configures and builds into build/.
# Safe to run again: apt-get is skipped when everything is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

# VEXOR_EXTRA_PACKAGES adds what another script needs besides (scripts/package.sh: the packaging tools).
bash scripts/install-packages.sh cmake g++ make pkg-config qt6-base-dev libsqlite3-dev libgtest-dev libgmock-dev \
  libbenchmark-dev fonts-liberation2 ${VEXOR_EXTRA_PACKAGES:-}

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXOR_WERROR=ON ${VEXOR_CMAKE_ARGS:-}
cmake --build build -j"$(nproc)"

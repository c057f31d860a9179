#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, then configures and builds into build/.
# Safe to run again: apt-get is skipped when everything is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

# VEXOR_EXTRA_PACKAGES adds what another script needs besides (scripts/package.sh: the packaging tools).
packages=(cmake g++ make pkg-config qt6-base-dev libsqlite3-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-liberation2 ${VEXOR_EXTRA_PACKAGES:-})
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXOR_WERROR=ON ${VEXOR_CMAKE_ARGS:-}
cmake --build build -j"$(nproc)"

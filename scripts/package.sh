#!/usr/bin/env bash
# Builds the Debian package build/vexor-access-manager_<version>_amd64.deb and checks it with lintian
# (failing on any error). The build is configured for /usr, where the package installs.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(dpkg-dev lintian help2man desktop-file-utils)
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

VEXOR_CMAKE_ARGS="-DCMAKE_INSTALL_PREFIX=/usr ${VEXOR_CMAKE_ARGS:-}" bash scripts/setup.sh
(cd build && cpack -G DEB)
deb=$(ls build/vexor-access-manager_*_amd64.deb)
lintian --fail-on error "$deb"
echo "Built $deb"

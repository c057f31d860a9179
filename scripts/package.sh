#!/usr/bin/env bash
# Builds the Debian package build/vexor-access-manager_<version>_amd64.deb and checks it with lintian
# (failing on any error). The build is configured for /usr, where the package installs.
set -euo pipefail
cd "$(dirname "$0")/.."

VEXOR_EXTRA_PACKAGES="dpkg-dev lintian help2man" \
  VEXOR_CMAKE_ARGS="-DCMAKE_INSTALL_PREFIX=/usr ${VEXOR_CMAKE_ARGS:-}" bash scripts/setup.sh
(cd build && cpack -G DEB)
deb=$(ls build/vexor-access-manager_*_amd64.deb)
lintian --fail-on error "$deb"
echo "Built $deb"

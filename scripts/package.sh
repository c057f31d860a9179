#!/usr/bin/env bash
# Builds the Debian package build/vexor-access-manager_<version>_amd64.deb and checks it with lintian
# (failing on any error). The package is built in build-package/, configured for /usr where it
# installs, so that build/ keeps its own prefix for `cmake --install build`.
set -euo pipefail
cd "$(dirname "$0")/.."

VEXOR_EXTRA_PACKAGES="dpkg-dev lintian help2man" bash scripts/setup.sh
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXOR_WERROR=ON -DCMAKE_INSTALL_PREFIX=/usr \
  -DVEXOR_BUILD_TESTS=OFF -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
cmake --build build-package -j"$(nproc)"
cpack --config build-package/CPackConfig.cmake -B build
deb=$(ls build/vexor-access-manager_*_amd64.deb)
lintian --fail-on error "$deb"
echo "Built $deb"

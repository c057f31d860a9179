#!/usr/bin/env bash
# Cross-builds the 32-bit Windows programs on Debian 12 into build-windows/ (statically linked: no DLLs
# beyond Windows' own) and packs build-windows/vexor-access-manager-win32.zip. Installs what it needs:
# the MinGW-w64 compiler, GoogleTest's sources, and Wine (32-bit, for the tests) with the i386
# architecture. Safe to run again: apt-get is skipped when everything is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make g++-mingw-w64-i686-win32 googletest wine wine32:i386)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset windows ${VEXOR_CMAKE_ARGS:-}
cmake --build build-windows -j"$(nproc)"

# The zip: the programs and the readme, nothing else.
stage=build-windows/zip
rm -rf "$stage" build-windows/vexor-access-manager-win32.zip
mkdir -p "$stage"
cp build-windows/bin/vexor-reg.exe "$stage"/
[ ! -f build-windows/bin/vexor-access-manager.exe ] || cp build-windows/bin/vexor-access-manager.exe "$stage"/
cp packaging/windows/LIESMICH.txt "$stage"/
(cd "$stage" && cmake -E tar cf ../vexor-access-manager-win32.zip --format=zip -- *)
echo "build-windows/vexor-access-manager-win32.zip"

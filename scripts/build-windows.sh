#!/usr/bin/env bash
# Cross-builds the 32-bit Windows programs on Debian 12 into build-windows/ (statically linked: no DLLs
# beyond Windows' own) and packs build-windows/vexor-access-manager-win32.zip. Installs what it needs:
# the MinGW-w64 compiler, GoogleTest's sources, Google Benchmark's source (for vexor-bench.exe), and
# Wine (32-bit, for the tests) with the i386 architecture. Safe to run again: apt-get is skipped when
# everything is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh cmake make g++-mingw-w64-i686-posix googletest wine wine32:i386
bash scripts/benchmark-source.sh build-windows/benchmark-source

cmake --preset windows ${VEXOR_CMAKE_ARGS:-}
cmake --build build-windows -j"$(nproc)"

# The zip: the programs and the readme, nothing else.
stage=build-windows/zip
rm -rf "$stage" build-windows/vexor-access-manager-win32.zip
mkdir -p "$stage"
cp build-windows/bin/vexor-reg.exe "$stage"/
[ ! -f build-windows/bin/vexor-access-manager.exe ] || cp build-windows/bin/vexor-access-manager.exe "$stage"/
i686-w64-mingw32-strip "$stage"/*.exe # the debug information stays in bin/
cp packaging/windows/LIESMICH.txt "$stage"/
(cd "$stage" && cmake -E tar cf ../vexor-access-manager-win32.zip --format=zip -- *)
echo "build-windows/vexor-access-manager-win32.zip"

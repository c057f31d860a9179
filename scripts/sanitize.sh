#!/usr/bin/env bash
# Builds everything with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (the "asan" preset in CMakePresets.json) and runs the whole test suite under them; any
# finding fails its test. Leaks inside fontconfig are suppressed (scripts/lsan.supp says why).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset asan
cmake --build --preset asan -j"$(nproc)"
ctest --preset asan -j"$(nproc)"

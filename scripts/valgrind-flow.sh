#!/usr/bin/env bash
# Runs the program's whole flow under valgrind's leak checker on Qt's offscreen platform: first start,
# protection switched on with the administrator's setup, an account added, given a password and
# deleted, the dialog closed, and a second start through the login (the FullFlow test, driven without a
# human). Fails when valgrind finds a memory error or memory definitely or indirectly lost; memory Qt
# keeps until the process ends ("possibly lost", "still reachable") is reported but accepted.
#
# Builds into build/ like scripts/setup.sh; VEXOR_BUILD_DIR names another build folder.
# Needs: valgrind (Debian package valgrind).
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v valgrind >/dev/null 2>&1; then
  echo "valgrind-flow.sh: valgrind is missing; install the Debian package valgrind." >&2
  exit 1
fi

build=${VEXOR_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXOR_WERROR=ON >/dev/null
cmake --build "$build" --target program_tests vexor-reg -j"$(nproc)"

log=$build/valgrind-flow.log
status=0
QT_QPA_PLATFORM=offscreen valgrind --leak-check=full --show-leak-kinds=definite,indirect \
  --errors-for-leak-kinds=definite,indirect --error-exitcode=99 --num-callers=40 \
  --log-file="$log" \
  "$build/bin/program_tests" --gtest_filter='FullFlow.*' || status=$?

sed -n '/HEAP SUMMARY/,$p' "$log"
if [ "$status" -ne 0 ]; then
  echo "valgrind-flow.sh: failed (status $status); the whole report is in $log" >&2
  exit 1
fi
echo "valgrind-flow.sh: no memory errors, nothing definitely or indirectly lost."

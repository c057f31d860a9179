#!/usr/bin/env bash
# Builds the fuzzers with clang's libFuzzer into build-fuzz/ (the "fuzz" preset) and runs each for a
# bounded time: 60 seconds unless the first argument gives another number of seconds. Not part of CI.
#
# The corpora grow in build-fuzz/corpus/<fuzzer>/ and are not kept in the repository; each run starts
# from them, from the inputs kept in tests/fuzz/<fuzzer>/ and, for .reg files, from tests/tool/fixtures.
# An input that breaks a property lands in build-fuzz/findings/; once the fault is fixed, keep it in
# tests/fuzz/<fuzzer>/ under a name that says what it holds, so that the regression tests run it.
#
# Needs: clang (Debian package clang, which brings libFuzzer with libclang-rt-dev).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: scripts/fuzz.sh [seconds per fuzzer]" >&2
  exit 2
fi
if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz.sh: clang++ is missing; install the Debian package clang." >&2
  exit 1
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

build=build-fuzz
findings=0

# run NAME [LIBFUZZER OPTIONS...] -- [SEED FOLDERS...]
run() {
  local name=$1
  shift
  local options=()
  while [ "$1" != "--" ]; do
    options+=("$1")
    shift
  done
  shift
  mkdir -p "$build/corpus/$name" "$build/findings"
  echo "== $name: $seconds s"
  "$build/bin/vexor-fuzz-$name" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/findings/$name-" "$build/corpus/$name" "tests/fuzz/$name" "$@" || findings=1
}

run reg-file -dict=fuzz/reg.dict -- tests/tool/fixtures
run value-read --

if [ "$findings" -ne 0 ]; then
  echo "fuzz.sh: a property broke; the inputs are in $build/findings/" >&2
  exit 1
fi
echo "fuzz.sh: no property broke."

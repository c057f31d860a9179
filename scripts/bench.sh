#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench/) and runs them, then prints each benchmark's time
# and the ratios the speed targets are about. Then the same for the Windows build (Release, in
# build-bench-windows/) under Wine, on Wine's registry: the account-list benchmarks, BM_LoadSave/N by
# default, printed beside the Linux store's figures of the same run. Timings depend on the machine
# and on what else runs on it, so every benchmark is repeated and the median is taken.
#
#   bash scripts/bench.sh                                   # everything, 3 repetitions
#   VEXOR_BENCH_REPETITIONS=5 bash scripts/bench.sh         # more repetitions on a noisy machine
#   bash scripts/bench.sh --benchmark_filter='/10000$'      # further arguments go to vexor-bench
#   VEXOR_BENCH_WINDOWS_FILTER='^BM_' bash scripts/bench.sh # every Windows benchmark (an hour or more)
#   VEXOR_BENCH_WINDOWS=0 bash scripts/bench.sh             # Linux only
#
# The full results stay in build-bench/bench-results.json and build-bench-windows/bench-results.json
# (Google Benchmark's JSON).
set -euo pipefail
cd "$(dirname "$0")/.."

repetitions=${VEXOR_BENCH_REPETITIONS:-3}
results=build-bench/bench-results.json
windows_results=build-bench-windows/bench-results.json

if ! dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q "install ok installed"; then
  echo "bench.sh: installing what the build needs (scripts/setup.sh)" >&2
  bash scripts/setup.sh >/dev/null
fi

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release ${VEXOR_CMAKE_ARGS:-} >/dev/null
cmake --build build-bench -j"$(nproc)" --target vexor-bench
if [ ! -x build-bench/bin/vexor-bench ]; then
  echo "bench.sh: vexor-bench was not built (is libbenchmark-dev installed?)" >&2
  exit 1
fi

QT_QPA_PLATFORM=offscreen build-bench/bin/vexor-bench \
  --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
  --benchmark_out="$results" --benchmark_out_format=json "$@"

# Windows under Wine: its own prefix (build-bench-windows/wine, see cmake/wine-run.sh), so the
# benchmark's scratch keys never meet the tests' registry.
rm -f "$windows_results"
if [ "${VEXOR_BENCH_WINDOWS:-1}" != 0 ]; then
  bash scripts/install-packages.sh cmake make g++-mingw-w64-i686-posix wine wine32:i386
  bash scripts/benchmark-source.sh build-bench-windows/benchmark-source
  cmake -S . -B build-bench-windows --toolchain cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release \
    -DVEXOR_BUILD_TESTS=OFF ${VEXOR_CMAKE_ARGS:-} >/dev/null
  cmake --build build-bench-windows -j"$(nproc)" --target vexor-bench
  cmake/wine-run.sh build-bench-windows/bin/vexor-bench.exe \
    --benchmark_filter="${VEXOR_BENCH_WINDOWS_FILTER:-^BM_LoadSave/}" \
    --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_out="Z:$PWD/$windows_results" --benchmark_out_format=json
fi

# Google Benchmark writes one "key": value pair per line; each run is one object. The median of the
# repetitions is taken, or the single run when there was only one. The Windows results, when there
# are any, come second and are shown beside the Linux ones.
awk '
  function ms(value, unit) {
    if (unit == "ns") return value / 1e6
    if (unit == "us") return value / 1e3
    if (unit == "s") return value * 1e3
    return value
  }
  function text(line) { sub(/^[^:]*: *"/, "", line); sub(/",? *$/, "", line); return line }
  function number(line) { sub(/^[^:]*: */, "", line); sub(/,? *$/, "", line); return line + 0 }
  FNR == 1 { windows = FILENAME != ARGV[1] }
  { sub(/\r$/, "") } # the Windows program writes CRLF
  /"run_name":/       { run = text($0) }
  /"run_type":/       { type = text($0) }
  /"aggregate_name":/ { aggregate = text($0) }
  /"real_time":/      { real = number($0) }
  /"time_unit":/      { unit = text($0) }
  /"error_message":/  { failure = text($0) }
  /^    }/ {
    if (run != "" && (type == "iteration" || aggregate == "median") && windows) {
      if (!(run in wine)) wineorder[++winecount] = run
      wine[run] = failure == "" ? ms(real, unit) : -1
      winewhy[run] = failure
    } else if (run != "" && (type == "iteration" || aggregate == "median")) {
      if (!(run in time)) order[++count] = run
      time[run] = failure == "" ? ms(real, unit) : -1
      why[run] = failure
    }
    run = type = aggregate = unit = failure = ""; real = 0
  }
  function shown(name) { return time[name] < 0 ? "failed: " why[name] : sprintf("%.2f ms", time[name]) }
  function has(name) { return (name in time) && time[name] > 0 }
  function verdict(ok) { return ok ? "met" : "MISSED" }
  END {
    printf "\n%-26s %s\n", "benchmark (median)", "real time"
    for (i = 1; i <= count; ++i) printf "%-26s %s\n", order[i], shown(order[i])
    printf "\n%-44s %10s   %-10s %s\n", "target", "measured", "limit", "verdict"
    if (has("BM_LoadSave/10000")) {
      t = time["BM_LoadSave/10000"]
      printf "%-44s %7.1f ms   %-10s %s\n", "BM_LoadSave/10000", t, "< 100 ms", verdict(t < 100)
    }
    if (has("BM_LoadSave/10000") && has("BM_RawSqlite/10000")) {
      r = time["BM_LoadSave/10000"] / time["BM_RawSqlite/10000"]
      printf "%-44s %8.2f x   %-10s %s\n", "BM_LoadSave/10000 / BM_RawSqlite/10000", r, "<= 2 x", verdict(r <= 2)
    }
    if (has("BM_SaveOneChange/10000") && has("BM_RawSqlite/10000")) {
      r = time["BM_SaveOneChange/10000"] / time["BM_RawSqlite/10000"]
      printf "%-44s %8.2f x   %-10s %s\n", "BM_SaveOneChange/10000 / BM_RawSqlite/10000", r, "<= 1 x", verdict(r <= 1)
    }
    if (has("BM_LoadSave/100000") && has("BM_LoadSave/10000")) {
      r = time["BM_LoadSave/100000"] / time["BM_LoadSave/10000"]
      printf "%-44s %8.2f x   %-10s %s\n", "BM_LoadSave/100000 / BM_LoadSave/10000", r, "<= 11 x", verdict(r <= 11)
    }
    if (has("BM_Startup")) {
      t = time["BM_Startup"]
      printf "%-44s %7.1f ms   %-10s %s\n", "BM_Startup", t, "< 150 ms", verdict(t < 150)
    }
    if (winecount) {
      printf "\n%-26s %16s %22s %8s\n", "benchmark (median)", "Linux store", "Wine\047s registry", "ratio"
      for (i = 1; i <= winecount; ++i) {
        name = wineorder[i]
        linux = (name in time) ? shown(name) : "not run"
        windowsTime = wine[name] < 0 ? "failed: " winewhy[name] : sprintf("%.2f ms", wine[name])
        ratio = has(name) && wine[name] > 0 ? sprintf("%.0f x", wine[name] / time[name]) : ""
        printf "%-26s %16s %22s %8s\n", name, linux, windowsTime, ratio
      }
    }
  }
' "$results" $([ -f "$windows_results" ] && echo "$windows_results")

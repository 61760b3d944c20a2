#!/usr/bin/env bash
# Builds the benchmarks in build-bench/ and runs them: the computations, the session reset and
# reading and writing the largest decision file (Google Benchmark), one slider step of the
# sensitivity window, then the start-up of the program side by side with a bare Qt window
# holding one table: milliseconds from launch to the first painted window and peak resident
# memory, each the median of BENCH_RUNS runs (10 by default), taken in turns. Under Xvfb when
# it is installed, else on the offscreen platform.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$here/build-bench"
if [ "${BENCH_STARTUP_ONLY:-}" != 1 ]; then
    ANALYZE_EXTRA_PACKAGES="libbenchmark-dev xvfb xauth" \
        ANALYZE_BUILD_TARGETS="ahp_bench analysis_bench startup_analyze startup_bare startup_launch" \
        "$here/scripts/setup.sh" "$build_dir" -DANALYZE_BENCH=ON -DANALYZE_BUILD_TESTS=OFF
fi
bench="$build_dir/bench"
runs="${BENCH_RUNS:-10}"

# The settings the program reads at start-up come from a folder of its own, and so do the
# recovery copies: one left by another session would put its question in front of the window.
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config"
export XDG_DATA_HOME="$config/data"

if [ "${BENCH_STARTUP_ONLY:-}" != 1 ]; then
    echo "== computations (offscreen), median of ${BENCH_REPETITIONS:-5} repetitions"
    QT_QPA_PLATFORM=offscreen "$bench/ahp_bench" --benchmark_repetitions="${BENCH_REPETITIONS:-5}" \
        --benchmark_report_aggregates_only=true 2> /dev/null | grep -E '^(Benchmark|---|.*_median)'
    echo "== one weight slider step of the sensitivity window, 15 x 10 (offscreen; target: under 16 ms)"
    QT_QPA_PLATFORM=offscreen "$bench/analysis_bench" --benchmark_repetitions="${BENCH_REPETITIONS:-5}" \
        --benchmark_report_aggregates_only=true 2> /dev/null | grep -E '^(Benchmark|---|.*_median)'
fi

startup() {
    local samples="$config/samples"
    : > "$samples"
    for ((i = 0; i < runs; i++)); do
        for program in startup_analyze startup_bare; do
            echo "$program $("$bench/startup_launch" "$bench/$program" 2> /dev/null)" >> "$samples"
        done
    done
    median() { # column of the samples of one program
        grep "^$1 " "$samples" | cut -d' ' -f"$2" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
    }
    local pa pb ma mb
    pa="$(median startup_analyze 2)"; pb="$(median startup_bare 2)"
    ma="$(median startup_analyze 3)"; mb="$(median startup_bare 3)"
    awk -v pa="$pa" -v pb="$pb" -v ma="$ma" -v mb="$mb" 'BEGIN {
        printf "%-16s %12s %14s\n", "", "first paint", "peak memory"
        printf "%-16s %9.1f ms %11.1f MB\n", "analyze", pa, ma / 1024
        printf "%-16s %9.1f ms %11.1f MB\n", "bare window", pb, mb / 1024
        printf "%-16s %11.2fx %13.2fx\n", "ratio", pa / pb, ma / mb
        printf "%-16s %12s %14s\n", "target", "at most 1.20x", "at most 1.15x"
    }'
}

if [ "${BENCH_STARTUP_ONLY:-}" = 1 ]; then
    startup
elif command -v xvfb-run > /dev/null; then
    echo "== start-up under Xvfb, median of $runs runs each"
    BENCH_STARTUP_ONLY=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0"
else
    echo "== start-up offscreen, median of $runs runs each"
    QT_QPA_PLATFORM=offscreen startup
fi

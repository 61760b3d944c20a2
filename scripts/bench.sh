#!/usr/bin/env bash
# Builds the benchmarks in build-bench/ and runs them: the computations and the session reset
# (Google Benchmark), then the start-up of the program side by side with a bare Qt window
# holding one table: milliseconds from launch to the first painted window and peak resident
# memory, each the median of BENCH_RUNS runs (10 by default), taken in turns. Under Xvfb when
# it is installed, else on the offscreen platform.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$here/build-bench"
ANALYZE_EXTRA_PACKAGES="libbenchmark-dev xvfb xauth" \
    ANALYZE_BUILD_TARGETS="ahp_bench startup_analyze startup_bare startup_launch" \
    "$here/scripts/setup.sh" "$build_dir" -DANALYZE_BENCH=ON -DANALYZE_BUILD_TESTS=OFF
bench="$build_dir/bench"
runs="${BENCH_RUNS:-10}"

# The settings the program reads at start-up come from a folder of its own.
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config"

echo "== computations (offscreen)"
QT_QPA_PLATFORM=offscreen "$bench/ahp_bench" --benchmark_repetitions="${BENCH_REPETITIONS:-5}" \
    --benchmark_report_aggregates_only=true 2> /dev/null

startup() {
    local samples="$config/samples"
    : > "$samples"
    for ((i = 0; i < runs; i++)); do
        for program in startup_analyze startup_bare; do
            echo "$program $("$bench/startup_launch" "$bench/$program" 2> /dev/null)" >> "$samples"
        done
    done
    awk '
        { ms[$1][++n[$1]] = $2; kb[$1][n[$1]] = $3 }
        function median(a, k,    i, j, t) {
            for (i = 1; i <= k; i++) for (j = i + 1; j <= k; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
            return k % 2 ? a[(k + 1) / 2] : (a[k / 2] + a[k / 2 + 1]) / 2
        }
        END {
            pa = median(ms["startup_analyze"], n["startup_analyze"]); pb = median(ms["startup_bare"], n["startup_bare"])
            ma = median(kb["startup_analyze"], n["startup_analyze"]); mb = median(kb["startup_bare"], n["startup_bare"])
            printf "%-16s %12s %14s\n", "", "first paint", "peak memory"
            printf "%-16s %9.1f ms %11.1f MB\n", "analyze", pa, ma / 1024
            printf "%-16s %9.1f ms %11.1f MB\n", "bare window", pb, mb / 1024
            printf "%-16s %11.2fx %13.2fx   (target: at most 1.30x)\n", "ratio", pa / pb, ma / mb
        }' "$samples"
}

if command -v xvfb-run > /dev/null; then
    echo "== start-up under Xvfb, median of $runs runs each"
    export -f startup
    export bench runs config
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c startup
else
    echo "== start-up offscreen, median of $runs runs each"
    QT_QPA_PLATFORM=offscreen startup
fi

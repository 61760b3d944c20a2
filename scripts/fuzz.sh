#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang in build-fuzz/ and runs each for a few
# seconds from a fixed seed. Any crash, sanitizer report or broken property fails.
# FUZZ_SECONDS sets the time of each target (10 by default).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$here/build-fuzz"
targets="fuzz_judgement fuzz_reciprocal fuzz_numberformat"
CC=clang CXX=clang++ ANALYZE_EXTRA_PACKAGES="clang libclang-rt-14-dev" ANALYZE_BUILD_TARGETS="$targets" \
    "$here/scripts/setup.sh" "$build_dir" -DANALYZE_FUZZ=ON -DANALYZE_BUILD_TESTS=OFF

seconds="${FUZZ_SECONDS:-10}"
for t in $targets; do
    work="$build_dir/fuzz-runs/$t"
    rm -rf "$work"
    mkdir -p "$work/corpus"
    echo "== $t: $seconds s"
    if ! (cd "$work" && "$build_dir/tests/fuzz/$t" corpus -seed=1 -max_total_time="$seconds" \
            -artifact_prefix="$work/" -print_final_stats=1 > "$work/log" 2>&1); then
        tail -n 40 "$work/log"
        echo "$t failed; the input is in $work"
        exit 1
    fi
    grep -E '^#[0-9]+[[:space:]]+DONE' "$work/log" || tail -n 3 "$work/log"
done

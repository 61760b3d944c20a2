#!/usr/bin/env bash
# Builds the program and every test with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs the whole test suite there. Any sanitizer report fails, also one from a
# test that otherwise passed.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$here/build-asan"
"$here/scripts/setup.sh" "$build_dir" -DANALYZE_SANITIZE=ON

reports="$build_dir/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="log_path=$reports/asan:detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="log_path=$reports/ubsan:halt_on_error=1:print_stacktrace=1"
if [ -f "$here/tests/sanitizer/lsan.supp" ]; then
    export LSAN_OPTIONS="suppressions=$here/tests/sanitizer/lsan.supp:print_suppressions=0"
fi
export QT_QPA_PLATFORM=offscreen

status=0
(cd "$build_dir" && ctest --output-on-failure --parallel "$(nproc 2>/dev/null || echo 2)" "$@") || status=$?
if compgen -G "$reports/*" > /dev/null; then
    echo "Sanitizer reports:"
    for f in "$reports"/*; do
        echo "---- $f"
        cat "$f"
    done
    status=1
fi
exit "$status"

#!/usr/bin/env bash
# Sets everything up on a fresh Debian or Ubuntu machine, builds everything, and runs every test.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Everything, whatever an earlier run.sh (or the caller) asked of the same build.
ANALYZE_BUILD_TARGETS="" "$here/scripts/setup.sh" "$here/build"
export QT_QPA_PLATFORM=offscreen
cd "$here/build"
ctest --output-on-failure --parallel "$(nproc 2>/dev/null || echo 2)" "$@"

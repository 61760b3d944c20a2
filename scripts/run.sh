#!/usr/bin/env bash
# Sets everything up on a fresh Debian or Ubuntu machine, builds the program (not the tests:
# scripts/test.sh builds those), and starts it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ANALYZE_BUILD_TARGETS="analyze" "$here/scripts/setup.sh" "$here/build"
exec "$here/build/analyze" "$@"

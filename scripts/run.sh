#!/usr/bin/env bash
# Sets everything up on a fresh Debian or Ubuntu machine, builds, and starts the program.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build"
exec "$here/build/analyze" "$@"

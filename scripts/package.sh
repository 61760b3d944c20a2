#!/usr/bin/env bash
# Builds the Debian package in build-package/ (analyze_<version>-<release>_<arch>.deb): a release build
# without tests, installed under /usr, its dependencies computed by dpkg-shlibdeps.
# Install it with: sudo apt-get install ./build-package/analyze_*.deb
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$here/build-package"
ANALYZE_BUILD_TARGETS="analyze" "$here/scripts/setup.sh" "$build_dir" \
    -DCMAKE_BUILD_TYPE=Release -DANALYZE_BUILD_TESTS=OFF
cd "$build_dir"
rm -f analyze_*.deb
cpack -G DEB
ls "$build_dir"/analyze_*.deb

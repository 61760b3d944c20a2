#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs what is missing, configures and builds.
# Usage: scripts/setup.sh BUILD_DIR [extra cmake arguments]
# ANALYZE_EXTRA_PACKAGES adds Debian packages to install (blank-separated).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${1:-$here/build}"
shift || true

packages=(
    cmake g++ make
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev libcups2-dev
    qt6-l10n-tools qt6-tools-dev
    # the spreadsheets of the results
    libxlsxwriter-dev pkg-config
    fonts-liberation fonts-dejavu-core
    poppler-utils
    # the SVG icon engine of the button pictures; the Debian package and the checks of its files
    libqt6svg6 dpkg-dev file desktop-file-utils appstream
    # the check of the Debian package
    lintian
    # the tests: an independent reader of the workbooks, and the sources of a decimal-comma locale
    python3-openpyxl locales
)
if [ "${ANALYZE_EXTRA_PACKAGES:-}" != "" ]; then
    # shellcheck disable=SC2206
    packages+=(${ANALYZE_EXTRA_PACKAGES})
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs="$(nproc 2>/dev/null || echo 2)"
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S "$here" -B "$build_dir" "$@"
fi
# ANALYZE_BUILD_TARGETS, when set, names the only targets to build (blank-separated).
targets=()
for t in ${ANALYZE_BUILD_TARGETS:-}; do
    targets+=(--target "$t")
done
cmake --build "$build_dir" --parallel "$jobs" "${targets[@]}"

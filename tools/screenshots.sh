#!/usr/bin/env bash
# Renders the search tab's screens and sheets in both languages to PNG files.
#   tools/screenshots.sh <output folder>
# Builds the renderer in $VELLUMAR_BUILD_DIR (default: build/) first. Needs no
# display and no network: it runs offscreen against the fixture catalogue.
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 <output folder>" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")/.." && pwd)
build=${VELLUMAR_BUILD_DIR:-$here/build}
out=$1

[ -f "$build/build.ninja" ] || [ -f "$build/Makefile" ] ||
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target vellumar_screenshots
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$build/tools/screenshots/vellumar_screenshots" "$out"

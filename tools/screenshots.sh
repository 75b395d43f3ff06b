#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Vellumar developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders every screen and sheet in both languages to PNG files: at phone
# size, at 1280 × 800 and at 1920 × 1080, each in light and in dark.
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
for size in 390x844 1280x800 1920x1080; do
    for look in light dark; do
        QT_QPA_PLATFORM=offscreen "$build/tools/screenshots/vellumar_screenshots" "$out" \
            "$size" ${look/light/}
    done
done

#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Vellumar developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up a Debian 12 machine for Vellumar, builds it, and then starts the
# application (run), runs every test (test), makes the Debian package
# (package: build-package/vellumar_<version>_<arch>.deb, without tests), or
# builds a second copy with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer into build-sanitize/ and runs every test there,
# the fuzz targets included (sanitize). test also checks every file's licence
# (reuse lint).
#   tools/bootstrap.sh run|test|package|sanitize
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
mode=${1:-}
case "$mode" in run|test|package|sanitize) ;; *) echo "usage: $0 run|test|package|sanitize" >&2; exit 2 ;; esac

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# Install only the Debian packages that are missing, of those this mode needs.
skip=$([ "$mode" = package ] && echo test || echo package)
lists=(tools/debian-packages.txt)
[ "$mode" = sanitize ] && lists+=(tools/debian-packages-sanitize.txt)
mapfile -t wanted < <(cat "${lists[@]}" | awk -v skip="$skip" '!/^#/ && NF && $2 != skip { print $1 }')
missing=()
for pkg in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi

if [ "$mode" = package ]; then
    build=${VELLUMAR_BUILD_DIR:-build-package}
    # Debian's hardening: fortified functions, the stack protector, full RELRO
    # and immediate binding.
    flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
        -DCMAKE_INSTALL_PREFIX=/usr \
        -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
        -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)"
    cmake --build "$build" --parallel "$(nproc)"
    (cd "$build" && cpack -G DEB)
    exit 0
fi

# Every file names its copyright holder and licence (REUSE). In a git
# checkout what git holds is judged, a file of one's own not yet added is not.
if [ "$mode" = test ]; then
    if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
        copy=$(mktemp -d)
        trap 'rm -rf "$copy"' EXIT
        git checkout-index --all --prefix="$copy/"
        reuse --root "$copy" lint
        rm -rf "$copy"
    else
        reuse lint
    fi
fi

build=${VELLUMAR_BUILD_DIR:-build}
options=()
if [ "$mode" = sanitize ]; then
    build=$build-sanitize
    options=(-DCMAKE_CXX_COMPILER=clang++
        -DVELLUMAR_SANITIZE=ON -DVELLUMAR_FUZZ=ON)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
cmake --build "$build" --parallel "$(nproc)"

if [ "$mode" = run ]; then
    exec "$build/src/app/vellumar"
fi
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --timeout 600

#!/usr/bin/env bash
# Sets up a Debian 12 machine for Vellumar, builds it, and then either starts
# the application (run) or runs every test (test).
#   tools/bootstrap.sh run|test
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
mode=${1:-}
case "$mode" in run|test) ;; *) echo "usage: $0 run|test" >&2; exit 2 ;; esac

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# Install only the Debian packages that are missing.
mapfile -t wanted < <(grep -v -e '^#' -e '^$' tools/debian-packages.txt)
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

build=${VELLUMAR_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --parallel "$(nproc)"

if [ "$mode" = run ]; then
    exec "$build/src/app/vellumar"
fi
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --timeout 600

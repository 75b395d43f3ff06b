#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Vellumar developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the Debian package against Debian's policy, then installs it into a
# fresh minimal Debian 12 and starts it there: the package's Depends must
# bring everything the application loads.
#   tools/check-package.sh [--static] [vellumar_<version>_<arch>.deb]
# Default: the package tools/bootstrap.sh package made. First lintian (any
# error or warning fails; info and pedantic tags are shown), then
# desktop-file-validate and appstreamcli validate --pedantic on the installed
# desktop entry and metadata; these need neither root nor a network, and
# --static stops after them. The rest needs root (debootstrap, chroot) and
# deb.debian.org, and takes several minutes, so CI does not run it.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
static=
[ "${1:-}" = --static ] && { static=1; shift; }
deb=${1:-$(ls "$here"/build-package/vellumar_*.deb 2>/dev/null | tail -n 1)}
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
    echo "no package: run tools/bootstrap.sh package first, or name one" >&2
    exit 2
fi
step() { printf '\n== %s\n' "$*"; }

step "lintian --pedantic $(basename "$deb")"
lintian --display-info --pedantic --fail-on error,warning "$deb"
echo "no error, no warning"

files=$(mktemp -d)
trap 'rm -rf "$files"' EXIT
dpkg-deb -x "$deb" "$files"
step "desktop-file-validate (a hint passes, a warning fails)"
report=$(desktop-file-validate "$files"/usr/share/applications/*.desktop 2>&1) || report+=$'\nerror: failed'
[ -z "$report" ] || echo "$report"
if grep -qE '(error|warning):' <<< "$report"; then exit 1; fi
echo "no error, no warning"
step "appstreamcli validate --pedantic"
appstreamcli validate --pedantic --no-net "$files"/usr/share/metainfo/*.xml
rm -rf "$files"
trap - EXIT
[ -z "$static" ] || { step "PASS: $(basename "$deb") (static checks)"; exit 0; }

[ "$(id -u)" -eq 0 ] || { echo "$0 needs root (debootstrap, chroot); --static checks without" >&2; exit 2; }
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}

root=$(mktemp -d /var/tmp/vellumar-check-XXXXXX)
chmod 755 "$root" # apt fetches as _apt
first=
cleanup() {
    [ -z "$first" ] || kill "$first" 2>/dev/null || true
    umount "$root/proc" 2>/dev/null || true
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT
clean_env=(env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root XDG_RUNTIME_DIR=/run/user/0
    LANG=C.UTF-8)
in_root() { chroot "$root" "${clean_env[@]}" "$@"; }

step "debootstrap --variant=minbase bookworm ($mirror)"
debootstrap --variant=minbase bookworm "$root" "$mirror" > "$root.debootstrap.log" 2>&1 ||
    { tail -n 20 "$root.debootstrap.log"; exit 1; }
rm -f "$root.debootstrap.log"
cat > "$root/etc/apt/sources.list" <<SOURCES
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb http://security.debian.org/debian-security bookworm-security main
SOURCES
mount -t proc proc "$root/proc"
mkdir -p -m 0700 "$root/run/user/0"
echo "installed packages in the fresh root: $(in_root dpkg-query -W | wc -l)"

step "apt-get install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root apt-get update -q > /dev/null
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "./tmp/$(basename "$deb")" > "$root/tmp/apt.log" 2>&1 || { tail -n 30 "$root/tmp/apt.log"; exit 1; }
grep -E '^(Need to get|After this operation|Setting up vellumar)' "$root/tmp/apt.log"
in_root dpkg-query -W -f='${Package} ${Version}\nDepends: ${Depends}\n' vellumar
in_root dpkg -L vellumar | grep -E 'bin/|\.desktop|metainfo|/apps/'

# The screens load most modules only when first shown, so a start alone would
# miss some: every module the sources import must be installed (what those
# import in turn is their own packages' business).
step "the QML modules the screens import"
qml=$(echo "$root"/usr/lib/*/qt6/qml)
for uri in $(grep -h '^import Qt' "$here"/src/screens/*.qml "$here"/src/screens/*/*.qml | awk '{ print $2 }' | sort -u); do
    [ -f "$qml/${uri//.//}/qmldir" ] || { echo "FAIL: QML module $uri is not installed"; exit 1; }
    echo "$uri: installed"
done

step "vellumar --version (no display)"
in_root vellumar --version

step "vellumar, offscreen, for a few seconds"
# Not through in_root: $! must be the application itself (chroot and env exec).
chroot "$root" "${clean_env[@]}" QT_QPA_PLATFORM=offscreen vellumar > "$root/tmp/first.log" 2>&1 &
first=$!
store=$root/root/.local/share/Vellumar/store.sqlite
for _ in $(seq 100); do [ -f "$store" ] || sleep 0.1; done
sleep 3
kill -0 "$first" || { cat "$root/tmp/first.log"; echo "FAIL: it ended early"; exit 1; }
[ -f "$store" ] || { cat "$root/tmp/first.log"; echo "FAIL: no window (no store)"; exit 1; }
echo "running, window built (the store exists)"

step "a second start hands over to the first and ends"
second=0
in_root env QT_QPA_PLATFORM=offscreen timeout 20 vellumar --region JP || second=$?
echo "second start: exit status $second"
[ "$second" -eq 0 ] || { echo "FAIL"; exit 1; }

kill -TERM "$first"
status=0
wait "$first" || status=$?
first=
echo "first start: exit status $status after SIGTERM"
echo "its standard error:"
sed 's/^/  | /' "$root/tmp/first.log"
if [ "$status" -ne 0 ] || grep -qiE 'not installed|failed|cannot|could not' "$root/tmp/first.log"; then
    echo "FAIL"
    exit 1
fi
step "PASS: $(basename "$deb") installs and runs on a minimal Debian 12"

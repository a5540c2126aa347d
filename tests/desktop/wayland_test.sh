#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Unitavo on Wayland: a headless Weston compositor, Unitavo on Qt's wayland platform with no X
# server anywhere, and one conversion done through the accessibility bus (atspi_test.py smoke).
#   wayland_test.sh UNITAVO WEB_ADDRESS MAIL_ADDRESS
# Exits 77 (skipped) when Weston or another tool is missing or Weston cannot start, except in
# CI, which installs them all.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3
packages="scripts/deps weston qt6-wayland dbus at-spi2-core python3-pyatspi"

# shellcheck source-path=SCRIPTDIR source=skip.sh
source "$here/skip.sh"
need weston dbus-run-session "$python"
plugins=$(find /usr/lib/*/qt6/plugins/platforms -name 'libqwayland*.so' 2>/dev/null | head -n1)
[ -n "$plugins" ] || skip "Qt's wayland platform is missing ($packages installs it)"
"$python" -c 'import pyatspi' 2>/dev/null || skip "pyatspi is missing ($packages installs it)"

# Weston's sockets live in a runtime folder of the test's own.
export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
weston=
cleanup() {
    [ -n "$weston" ] && kill "$weston" 2>/dev/null && wait "$weston" 2>/dev/null
    rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

unset DISPLAY
export WAYLAND_DISPLAY=wayland-unitavo
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
    >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
    kill -0 "$weston" 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; then
    tail -20 "$XDG_RUNTIME_DIR/weston.log"
    skip "Weston could not start here"
fi

timeout 120 dbus-run-session -- "$python" "$here/atspi_test.py" "$@" wayland smoke

#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The headless session of scripts/run --web, as a user meets it: Unitavo's main window on the
# session's desktop, seen through a VNC viewer and through the noVNC page in a browser, with
# nothing listening beyond the loopback interface, and nothing left running when the session is
# terminated or when Unitavo ends.
#   session_test.sh SOURCE_DIR UNITAVO
# Exits 77 (skipped) when a tool is missing, except in CI, which installs them all.
set -uo pipefail
source_dir=$1
program=$2
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3

# shellcheck source-path=SCRIPTDIR source=skip.sh
source "$here/skip.sh"
fail() {
    echo "FAIL: $*"
    exit 1
}
packages="scripts/deps xvfb openbox x11vnc x11-utils x11-apps xdotool novnc websockify vncsnapshot chromium python3-numpy python3-pil"
need Xvfb openbox x11vnc websockify vncsnapshot chromium xdotool xwininfo xwd ss "$python"
[ -f /usr/share/novnc/vnc.html ] || skip "noVNC is missing ($packages installs it)"
"$python" -c 'import numpy, PIL' 2>/dev/null || skip "numpy or PIL is missing ($packages installs them)"

work=$(mktemp -d)
session=
cleanup() {
    [ -n "$session" ] && kill -TERM "$session" 2>/dev/null && wait "$session" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Two ports that are free now, so that the test stays clear of a session someone has running.
read -r vnc_port web_port < <("$python" -c '
import socket
s = [socket.socket() for _ in range(2)]
for x in s: x.bind(("127.0.0.1", 0))
print(*(x.getsockname()[1] for x in s))')

# The session leads its own process group, so that everything it starts can be found.
VNC_PORT=$vnc_port WEB_PORT=$web_port setsid "$source_dir/scripts/session" --web "$program" \
    >"$work/session.log" 2>&1 &
session=$!
for _ in $(seq 300); do
    grep -q "ends the session" "$work/session.log" && break
    kill -0 "$session" 2>/dev/null || break
    sleep 0.1
done
cat "$work/session.log"
grep -q "ends the session" "$work/session.log" || fail "the session did not start"
grep -q "ssh -N -L $vnc_port:127.0.0.1:$vnc_port" "$work/session.log" || fail "no SSH tunnel for VNC"
grep -q "ssh -N -L $web_port:127.0.0.1:$web_port" "$work/session.log" || fail "no SSH tunnel for the web page"
export DISPLAY
DISPLAY=$(sed -n 's/^Session display: //p' "$work/session.log")

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Unitavo 3\.3$' | head -n1)
[ -n "$window" ] || fail "the main window did not show"
info=$(xwininfo -id "$window")
x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
# A window manager framed the window: it stands inside a frame of the manager's.
parent=$(xwininfo -children -id "$window" | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p')
root=$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
[ "$parent" != "$root" ] || fail "the main window has no window manager's frame"
echo "main window $window at $x,$y, framed by $parent"

# Every listening socket of the session's processes is on the loopback interface.
pids=$(ps -o pid= -g "$session" | tr -d ' ' | paste -sd'|')
sockets=$(ss -ltnpH | grep -E "pid=($pids)," || true)
echo "listening:"
echo "$sockets"
grep -q "127.0.0.1:$vnc_port " <<<"$sockets" || fail "VNC is not listening on 127.0.0.1:$vnc_port"
grep -q "127.0.0.1:$web_port " <<<"$sockets" || fail "the web page is not on 127.0.0.1:$web_port"
while read -r _ _ _ local _; do
    case "$local" in
    127.* | "[::1]":*) ;;
    *) fail "listening beyond loopback: $local" ;;
    esac
done <<<"$sockets"

# The window as the X server holds it, then as a VNC viewer and a browser show it.
xwd -silent -id "$window" >"$work/window.xwd" || fail "no picture of the main window"
timeout 30 vncsnapshot -quiet -nocursor "127.0.0.1::$vnc_port" "$work/vnc.jpg" ||
    fail "no VNC snapshot"
"$python" "$here/findwindow.py" "$work/window.xwd" "$work/vnc.jpg" "$x" "$y" ||
    fail "the VNC snapshot does not show the main window"

# Headless Chromium, as root, needs --no-sandbox among the flags browsershot.py gives it.
timeout 60 "$python" "$here/browsershot.py" \
    "http://127.0.0.1:$web_port/vnc.html?autoconnect=true&resize=off" "$work/web.png" \
    'document.documentElement.classList.contains("noVNC_connected")' || fail "no browser screenshot"
# UNITAVO_SESSION_PICTURES names a folder to keep both pictures in, to look at.
if [ -n "${UNITAVO_SESSION_PICTURES:-}" ]; then
    mkdir -p "$UNITAVO_SESSION_PICTURES"
    cp "$work/vnc.jpg" "$work/web.png" "$UNITAVO_SESSION_PICTURES/"
fi
"$python" "$here/findwindow.py" "$work/window.xwd" "$work/web.png" ||
    fail "the noVNC page does not show the main window"

# Terminated, the session stops everything it started.
group=$session
kill -TERM "$session"
timeout 20 tail --pid="$session" -f /dev/null || fail "the session did not stop when terminated"
wait "$session"
session=
left=$(ps -o pid=,comm= -g "$group" || true)
[ -z "$left" ] || fail "left running after termination: $left"
ss -ltnH | grep -qE ":($vnc_port|$web_port) " && fail "a port is still listening after termination"

# When the program ends by itself, so does the session, with the program's status.
VNC_PORT=$vnc_port timeout 60 setsid -w "$source_dir/scripts/session" --vnc sh -c 'exit 3' \
    >"$work/short.log" 2>&1
status=$?
[ "$status" -eq 3 ] || { cat "$work/short.log"; fail "the session ended with $status, not the program's 3"; }
ss -ltnH | grep -qE ":$vnc_port " && fail "VNC still listening after the program ended"
echo "PASS"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs atspi_test.py in a D-Bus session of its own (dbus-run-session), where the accessibility
# bus and its registry start on demand, and in a private X session with a window manager
# (scripts/session --x).
#   atspi_test.sh SOURCE_DIR UNITAVO WEB_ADDRESS MAIL_ADDRESS
# Exits 77 (skipped) when a tool is missing, except in CI, which installs them all.
set -uo pipefail
source_dir=$1
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3
packages="scripts/deps xvfb openbox x11-utils dbus at-spi2-core python3-pyatspi"

# shellcheck source-path=SCRIPTDIR source=skip.sh
source "$here/skip.sh"
need Xvfb openbox dbus-run-session "$python"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "the AT-SPI registry is missing ($packages installs it)"
"$python" -c 'import pyatspi' 2>/dev/null || skip "pyatspi is missing ($packages installs it)"

exec timeout 150 dbus-run-session -- "$source_dir/scripts/session" --x \
    "$python" "$here/atspi_test.py" "${@:2}"

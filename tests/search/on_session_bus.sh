#!/bin/sh
# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a test program on a private session bus of its own, which ends with it.
#   on_session_bus.sh PROGRAM [ARGUMENT...]
# Exits 77 (skipped) when dbus-run-session is missing, except in CI, which installs it.
if ! command -v dbus-run-session >/dev/null; then
    if [ "${CI:-}" = true ]; then
        echo "FAIL: dbus-run-session is missing; CI installs it (scripts/deps dbus-daemon)"
        exit 1
    fi
    echo "SKIP: dbus-run-session is missing (scripts/deps dbus-daemon installs it)"
    exit 77
fi
exec timeout 170 dbus-run-session -- "$@"

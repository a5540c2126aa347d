# shellcheck shell=bash
# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What the desktop tests share, sourced by each. A test sets $packages, the command that installs
# its tools, before it calls these.
#   skip REASON    ends the test as skipped (77); in CI, which installs every tool, as failed
#   need TOOL...   skips unless every tool is on the PATH

skip() {
    if [ "${CI:-}" = true ]; then
        echo "FAIL: $1; CI installs it, so this test may not skip there"
        exit 1
    fi
    echo "SKIP: $1"
    exit 77
}

need() {
    local tool
    for tool in "$@"; do
        # shellcheck disable=SC2154 # set by the test that sources this
        command -v "$tool" >/dev/null || skip "$tool is missing ($packages installs it)"
    done
}

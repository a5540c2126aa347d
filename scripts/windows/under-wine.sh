# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# Sourced, after common.sh, by the commands that run the Windows build under Wine (tests,
# install-check, screenshots). It finds the build in ${WINDOWS_BUILD_DIR:-build-windows} (as
# $build, its version as $version), starts the calling script again on an X display of its own
# with a window manager (scripts/session --x, which ends with the script), and readies the Wine
# prefix $build/wine. Afterwards $wine_ok and $x_ok say what can run. Without Wine or an X server
# what needs them is skipped with a notice (cannot); under CI=true that is a failure.
root=$PWD
build=$root/${WINDOWS_BUILD_DIR:-build-windows}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
if [ -z "$version" ] || [ ! -f "$build/Unitavo/unitavo.exe" ]; then
    echo "windows/$(basename "$0"): no Windows build in $build: scripts/windows/build makes it" >&2
    exit 1
fi

skipped=()
cannot() { # Wine or X missing or broken: a notice, and in CI a failure rather than a skip
    if [ "${CI:-}" = true ]; then
        echo "windows/$(basename "$0"): FAILED: $*" >&2
        exit 1
    fi
    echo "windows/$(basename "$0"): SKIPPED: $*" >&2
    skipped+=("$*")
}
# At the end of the calling script: what was skipped, again, where it is seen last.
report_skipped() {
    if [ ${#skipped[@]} -gt 0 ]; then
        printf 'windows/%s: skipped: %s\n' "$(basename "$0")" "${skipped[@]}" >&2
    fi
}

# Everything runs on the session's X display, Wine's desktop process too.
x_ok=true
if [ "${UNITAVO_UNDER_WINE_X:-}" != on ]; then
    scripts/deps wine wine64 xvfb xauth openbox x11-utils jq bsdutils perl
    if command -v Xvfb >/dev/null && command -v openbox >/dev/null; then
        UNITAVO_UNDER_WINE_X=on SESSION_SIZE=1280x1024 \
            exec scripts/session --x "$(realpath "$0")" "$@"
    fi
    cannot "Xvfb or openbox is not installed: no window under Wine"
    unset DISPLAY
    x_ok=false
fi

export WINEPREFIX=$build/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
stop_wine() { # Wine's processes end before the session's X server
    if command -v wineserver >/dev/null; then wineserver -k 2>/dev/null || true; fi
}
trap stop_wine EXIT
wine_ok=false
if ! command -v wine >/dev/null; then
    cannot "Wine is not installed"
elif ! wine wineboot --init >"$build/wineboot.log" 2>&1; then
    cannot "Wine does not start (see $build/wineboot.log)"
else
    wine_ok=true
fi
$wine_ok || x_ok=false

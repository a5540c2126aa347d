# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# What the scripts share. Each script sources it first, from where it lies:
#   . "$(dirname "$0")/common.sh"       (scripts/)
#   . "$(dirname "$0")/../common.sh"    (a family's folder: scripts/windows/, scripts/web/...)
# and then works from the root of the tree, where it names every file from.
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1

# What is made once per machine and kept between builds and clones: Qt's source, the Qt for
# Windows and for the browser built from it, the emsdk folder of Debian's emscripten.
unitavo_cache=${XDG_CACHE_HOME:-$HOME/.cache}/unitavo

# timed LABEL NAME COMMAND...: runs the command between "== LABEL: NAME" and a line with its
# outcome and time, keeps both for timed_summary, and returns the command's status.
timed_lines=()
timed() {
    local label=$1 name=$2 started=$SECONDS status=0 outcome=passed
    shift 2
    echo "== $label: $name"
    "$@" || status=$?
    [ $status -eq 0 ] || outcome=FAILED
    timed_lines+=("$(printf '%-16s %-7s %5d s' "$name" "$outcome" $((SECONDS - started)))")
    echo "== $label: $name $outcome in $((SECONDS - started)) s"
    return $status
}

# timed_summary LABEL: a line for each command timed so far.
timed_summary() {
    local line
    for line in "${timed_lines[@]}"; do
        echo "== $1: $line"
    done
}

# configure [CMAKE ARGUMENTS...]: configures the tree of scripts/build, ${BUILD_DIR:-build}.
configure() {
    cmake -S . -B "${BUILD_DIR:-build}" -G Ninja \
        -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
}

# linux_converter: builds unitavo-converti alone in that tree and prints its path. The Windows
# programs and the page are compared with what it prints.
linux_converter() {
    scripts/deps >&2
    configure
    cmake --build "${BUILD_DIR:-build}" --target unitavo-converti >&2
    echo "$(realpath -m "${BUILD_DIR:-build}")/cli/unitavo-converti"
}

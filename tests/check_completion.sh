#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The bash completion of unitavo-converti as bash-completion loads it: options, quantity ids,
# the units for FROM and, for TO, only those of the quantities FROM belongs to.
#   check_completion.sh COMPLETION_FILE PROGRAM_DIRECTORY
# shellcheck disable=SC1090,SC1091
source /usr/share/bash-completion/bash_completion || exit 1
source "$1" || exit 1
PATH=$2:$PATH

failed=0
# expect "COMPLETIONS" WORD...: the completions of the last word after unitavo-converti WORD...
expect() {
    local want=$1
    shift
    COMP_WORDS=(unitavo-converti "$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _unitavo_converti
    if [[ "${COMPREPLY[*]}" != "$want" ]]; then
        echo "unitavo-converti $*: '${COMPREPLY[*]}' instead of '$want'"
        failed=1
    fi
}

expect "--quantity" --q
expect "velocita" --quantity ve
expect "deg degC degF degR degRe" -40 deg
expect "deg degC degF degR degRe" -- -1 deg
expect "kg kN" 1 g k
expect "km kpc" 1 km k
expect "m/s2 mi/s2" -q accelerazioni 1 g m
expect "" 1 km mi ""
exit $failed

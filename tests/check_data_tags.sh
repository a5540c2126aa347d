#!/bin/sh
# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a Qt Test program names two rows of one test function alike: the second row would
# hide behind the first in every report. Qt 6.6 and later warn about it while running; this asks
# each program for its data tags (-datatags), so that Qt 6.4 catches it too.
#   check_data_tags.sh PROGRAM...
status=0
for program in "$@"; do
    if ! tags=$("$program" -datatags 2>/dev/null); then
        echo "$program -datatags failed:"
        "$program" -datatags >/dev/null
        status=1
        continue
    fi
    repeated=$(printf '%s\n' "$tags" | sort | uniq -d)
    if [ -n "$repeated" ]; then
        printf '%s\n' "$repeated" | sed "s|^|Duplicate data tag in $(basename "$program"): |"
        status=1
    fi
done
[ $status -eq 0 ] && echo "$# test programs, every data tag unique"
exit $status

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion written from the program's help: it offers every option of `velmora
# --help`, the example acids of `velmora --list-presets` after --preset (also as --preset=...),
# file names after --export, and nothing after an option whose value is a number.
#
# completion.sh COMPLETION_FILE PROGRAM
set -u
completion=$1 program=$2
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir folder && touch "my data.csv" diagram.png

bash -n "$completion" || { echo "FAIL: bash cannot read $completion"; exit 1; }
# shellcheck disable=SC1090
source "$completion"

failed=0
# check "<expected words, sorted, blank-separated>" word...: completes the last word.
check() {
    local expected=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _velmora
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd ' ')
    if [ "$got" != "$expected" ]; then
        echo "FAIL: velmora ${*:2} -> [$got], expected [$expected]"
        failed=1
    fi
}

words() { tr ' ' '\n' | grep . | sort | paste -sd ' '; }
options=$("$program" --help | grep -oE '^  (-[a-z], )?--[a-z-]+' | tr -d ',' | words)
presets=$("$program" --list-presets | sed 's/ | .*//' | words)
cits=$(echo "$presets" | tr ' ' '\n' | grep '^ci' | words)

check "$options" velmora ""
check "$options" velmora --export a.png ""
check "--preset" velmora --pre
check "$presets" velmora --preset ""
check "$cits" velmora --preset ci
check "$cits" velmora --preset = ci
check "$presets" velmora --preset =
check "diagram.png folder my data.csv" velmora --export ""
check "my data.csv" velmora --export my
check "" velmora --pka ""
check "" velmora --scale 2
[ "$failed" = 0 ] && echo "completion: all checks passed"
exit "$failed"

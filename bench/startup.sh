#!/usr/bin/env bash
# Start-up and memory of whole processes: `velmora --export x.png` against the floor program
# (a Qt program that only saves a blank PNG) and `velmora --solve` (text only, no drawing), all
# run RUNS times in turn; prints the medians, the export's ratio to the floor, whether --solve
# starts no slower than the export, and the peak memory of the export and of the window.
set -euo pipefail
bin=${1:?usage: startup.sh BIN_DIR [RUNS]}
runs=${2:-21}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# Wall time of one run in microseconds.
clock() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Phosphoric acid, 0.1 mol/L: a solution with three constants and water.
solve=(--solve --pka 2.148,7.198,12.319)
"$bin/velmora" --export "$work/warm.png"
"$bin/floor_export" "$work/warm-floor.png"
"$bin/velmora" "${solve[@]}" >/dev/null
for _ in $(seq 1 "$runs"); do
    clock "$bin/velmora" --export "$work/x.png" >>"$work/velmora.txt"
    clock "$bin/floor_export" "$work/floor.png" >>"$work/floor.txt"
    clock "$bin/velmora" "${solve[@]}" >>"$work/solve.txt"
done
v=$(median <"$work/velmora.txt")
f=$(median <"$work/floor.txt")
s=$(median <"$work/solve.txt")
ms() { echo "$(($1 / 1000)).$(printf '%03d' $(($1 % 1000))) ms"; }
echo "velmora --export x.png   median $(ms "$v")"
echo "floor (blank PNG)        median $(ms "$f")"
awk -v v="$v" -v f="$f" 'BEGIN { printf "ratio                    %.2f (target at most 1.30)\n", v / f }'
echo "velmora --solve          median $(ms "$s") (target at most the export's $(ms "$v"))"

peak() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }
echo "peak memory, export      $(( $(peak "$bin/velmora" --export "$work/m.png") / 1024 )) MB (target at most 40)"
echo "peak memory, window      $(( $(peak timeout -s INT 3 "$bin/velmora" -platform offscreen || true) / 1024 )) MB (target at most 70)"

#!/usr/bin/env bash
# Start-up and memory of whole processes: `velmora --export x.png` against the floor program
# (a Qt program that only saves a blank PNG), both run RUNS times in turn; prints the medians,
# their ratio, and the peak memory of the export and of the window.
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

"$bin/velmora" --export "$work/warm.png"
"$bin/floor_export" "$work/warm-floor.png"
for _ in $(seq 1 "$runs"); do
    clock "$bin/velmora" --export "$work/x.png" >>"$work/velmora.txt"
    clock "$bin/floor_export" "$work/floor.png" >>"$work/floor.txt"
done
v=$(median <"$work/velmora.txt")
f=$(median <"$work/floor.txt")
echo "velmora --export x.png   median $((v / 1000)).$(printf '%03d' $((v % 1000))) ms"
echo "floor (blank PNG)        median $((f / 1000)).$(printf '%03d' $((f % 1000))) ms"
awk -v v="$v" -v f="$f" 'BEGIN { printf "ratio                    %.2f (target at most 1.30)\n", v / f }'

peak() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }
echo "peak memory, export      $(( $(peak "$bin/velmora" --export "$work/m.png") / 1024 )) MB (target at most 40)"
echo "peak memory, window      $(( $(peak timeout -s INT 3 "$bin/velmora" -platform offscreen || true) / 1024 )) MB (target at most 70)"

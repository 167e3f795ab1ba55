#!/usr/bin/env bash
# The main window's time to come on screen: from the start of `velmora` until its window is
# mapped on a private X display (Xvfb, no window manager), against a bare Qt widget window of the
# same size with four scroll bars and four buttons (floor_window); and the solution window's, from
# Ctrl+L in the main window until it is mapped, against the main window's. Both programs run RUNS
# times in turn; prints the medians and their ratios.
#
#     window-startup.sh BIN_DIR [RUNS]
set -euo pipefail
bin=${1:?usage: window-startup.sh BIN_DIR [RUNS]}
runs=${2:-41}
for tool in Xvfb "$bin/mapwait" "$bin/floor_window" "$bin/velmora"; do
    command -v "$tool" >/dev/null || { echo "window-startup: $tool is missing" >&2; exit 1; }
done
work=$(mktemp -d)
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT

. "$(dirname "$0")/../scripts/private-display.sh"
start_private_display 150 199 1280x1024x24 || { echo "window-startup: Xvfb could not start" >&2; exit 1; }
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
# The solution window's settings, should anything write them, stay here.
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
sleep 0.3

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ms() { printf '%d.%03d ms' $(($1 / 1000)) $(($1 % 1000)); }

# Warm the file cache first, then alternate so that both see the same machine. Each run of
# velmora also opens the solution window with Ctrl+L once the main window stands.
"$bin/mapwait" --ctrl-key l "$bin/velmora" >/dev/null 2>&1
"$bin/mapwait" "$bin/floor_window" >/dev/null 2>&1
for _ in $(seq 1 "$runs"); do
    "$bin/mapwait" --ctrl-key l "$bin/velmora" 2>/dev/null >>"$work/velmora.txt"
    "$bin/mapwait" "$bin/floor_window" 2>/dev/null >>"$work/floor.txt"
done
v=$(cut -d ' ' -f 1 "$work/velmora.txt" | median)
s=$(cut -d ' ' -f 2 "$work/velmora.txt" | median)
f=$(median <"$work/floor.txt")
echo "velmora, main window mapped      median $(ms "$v") ($runs runs)"
echo "bare Qt window (floor_window)    median $(ms "$f")"
awk -v v="$v" -v f="$f" 'BEGIN { printf "ratio                            %.2f (target at most 1.30)\n", v / f }'
echo "solution window, Ctrl+L to mapped median $(ms "$s")"
awk -v s="$s" -v v="$v" 'BEGIN { printf "against the main window'"'"'s start  %.2f (target at most 1.50)\n", s / v }'

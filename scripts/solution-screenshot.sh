#!/usr/bin/env bash
# The README's picture of the two windows side by side (docs/solution-window.png), made by the
# program itself on a private X display: `velmora --solution`, phosphoric acid chosen from the
# main plot's menu, the solution window on its Log c view with the readout near pH 6.2.
#
#     solution-screenshot.sh PROGRAM [OUTPUT]
set -euo pipefail
program=${1:?usage: solution-screenshot.sh PROGRAM [OUTPUT]}
output=${2:-docs/solution-window.png}
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
trap 'kill $app_pid $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT

. "$(dirname "$0")/private-display.sh"
start_private_display 200 240 1920x1080x24 || { echo "Xvfb could not start" >&2; exit 1; }
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

"$program" --solution >"$work/app.log" 2>&1 &
app_pid=$!
find_window() {
    for _ in $(seq 1 100); do
        xdotool search --name "$1" 2>/dev/null | head -n 1 && return 0
        sleep 0.1
    done
    echo "no window named $1" >&2
    exit 1
}
main=$(find_window '^Velmora  1\.0$')
solution=$(find_window '^Velmora – Solution$')
sleep 1
# Without a window manager the windows stand where they are put: side by side.
xdotool windowmove "$main" 0 0
xdotool windowmove "$solution" 770 0
xdotool windowsize "$solution" 1100 640
sleep 0.5

# Phosphoric acid from the plot's menu: Example acids, then its sixth entry.
xdotool mousemove 250 200 click 3
sleep 0.5
xdotool key Down Right Down Down Down Down Down Return
sleep 0.5
# The solution window follows; it shows Log c with its readout.
xdotool windowfocus "$solution"
xdotool key --window "$solution" ctrl+2
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$solution" | sed 's/^/S_/')"
xdotool mousemove $((S_X + 725)) $((S_Y + 300))
sleep 0.7

import -window "$main" "$work/main.png"
import -window "$solution" "$work/solution.png"
# Side by side on a light background, tops aligned.
convert -size "$((757 + S_WIDTH + 48))x$((S_HEIGHT + 32))" xc:'#dfe3e8' \
    "$work/main.png" -geometry +16+16 -composite \
    "$work/solution.png" -geometry "+$((757 + 32))+16" -composite \
    -strip "$output"
echo "wrote $output"

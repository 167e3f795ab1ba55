#!/usr/bin/env bash
# Starts the real program on a private X display and drives it like a user: the window maps at
# its designed size with its caption, the plot shows the backdrop and five species colours, a
# click on the HA face leaves two, and Exit ends the program with status 0.
# Exits 77 (skipped) when no X server can be started here.
set -u
program=$1
work=$(mktemp -d)
trap 'kill "$xvfb_pid" "$app_pid" 2>/dev/null; rm -rf "$work"' EXIT
xvfb_pid=""
app_pid=""

for tool in Xvfb xdotool import convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

display=""
for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    # -noreset: a server resets when its last client leaves (each xdotool call is a client), and
    # a program that connects at that moment fails to start.
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 50); do
        if DISPLAY=":$n" xdotool getmouselocation >/dev/null 2>&1; then
            display=":$n"
            break 2
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null
done
if [ -z "$display" ]; then
    echo "SKIP: Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"
    exit 77
fi
export DISPLAY=$display
unset QT_QPA_PLATFORM QT_SCALE_FACTOR

fail() { echo "FAIL: $*"; exit 1; }

"$program" >"$work/app.log" 2>&1 &
app_pid=$!

window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --name '^Velmora  1\.0$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "no window with the caption 'Velmora  1.0' appeared"
sleep 1

eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window $window at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$WIDTH" = 757 ] && [ "$HEIGHT" = 362 ] || fail "client area is ${WIDTH}x$HEIGHT, not 757x362"

# Colours in the plot box (at 4,4 in the window, 495 x 350), as a sorted list of "r,g,b".
plot_colours() {
    import -window root -crop "495x350+$((X + 4))+$((Y + 4))" "$work/plot.png"
    convert "$work/plot.png" -format %c histogram:info:- |
        sed -n 's/.*(\s*\([0-9]*\),\s*\([0-9]*\),\s*\([0-9]*\)).*/\1,\2,\3/p' | sort -u
}
has() { grep -qx "$1" <<<"$2"; }

colours=$(plot_colours)
for c in 255,255,255 228,228,228 0,0,128; do
    has "$c" "$colours" || fail "backdrop colour $c missing in the plot"
done
for c in 255,0,0 0,0,0 128,0,128 0,128,128 0,0,255; do
    has "$c" "$colours" || fail "species colour $c missing in the start diagram"
done
echo "start diagram: backdrop and five species colours present"

# The HA face: Frame1 at (632, 176), Option1(1) at (8, 20) in it, 105 x 33.
xdotool mousemove $((X + 632 + 8 + 52)) $((Y + 176 + 20 + 16)) click 1
sleep 1
colours=$(plot_colours)
for c in 255,0,0 0,0,0; do
    has "$c" "$colours" || fail "species colour $c missing after choosing HA"
done
for c in 128,0,128 0,128,128 0,0,255; do
    has "$c" "$colours" && fail "species colour $c still shown after choosing HA"
done
echo "HA: two species colours"

# Exit: at (632, 88), 121 x 33.
xdotool mousemove $((X + 632 + 60)) $((Y + 88 + 16)) click 1
for _ in $(seq 1 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end after Exit"
wait "$app_pid"
status=$?
app_pid=""
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "Exit: the program ended with status 0"

#!/usr/bin/env bash
# Starts the real program on a private X display and drives it like a user: the window maps at
# its designed size with its caption, the plot shows the backdrop and five species colours;
# Ctrl+L opens the solution window with its caption; a click on the HA face leaves two species
# colours in the main plot and in the solution window's Fractions view; the solution window
# resized to 1200 x 800 draws its chart to the new edges; Exit ends the program with status 0 and
# the solution window's settings are remembered in the configuration folder; `velmora --solution`
# opens both windows, the solution window at its remembered size. Then, on screens of 1024x768,
# 1366x768 and 1920x1080 and a fresh configuration, `velmora --solution` opens the solution window
# wholly on the screen, at least 480 x 360, clear of the main window's bars, acid types and
# commands.
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

. "$(dirname "$0")/../../scripts/private-display.sh"
if ! start_private_display 90 140 2560x2048x24; then
    echo "SKIP: Xvfb could not start: $(tail -n 3 "$work/xvfb.log")"
    exit 77
fi
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
# The solution window remembers itself here, not in the user's own folder.
export XDG_CONFIG_HOME=$work/config

fail() { echo "FAIL: $*"; exit 1; }
# Ends the program started last.
end_program() {
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null
    app_pid=""
}

"$program" >"$work/app.log" 2>&1 &
app_pid=$!

# The first window whose caption matches the pattern, waited for up to thirty seconds (the
# sanitizers slow the start down many times over).
wait_for_window() {
    local found=""
    for _ in $(seq 1 300); do
        found=$(xdotool search --name "$1" 2>/dev/null | head -n 1)
        [ -n "$found" ] && break
        sleep 0.1
    done
    echo "$found"
}

window=$(wait_for_window '^Velmora  1\.0$')
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

# Ctrl+L on the main window opens the solution window.
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key --window "$window" ctrl+l
solution=$(wait_for_window '^Velmora – Solution$')
[ -n "$solution" ] || fail "Ctrl+L opened no window captioned 'Velmora – Solution'"
# Top left, clear of the main window in the middle of the screen.
xdotool windowmove "$solution" 0 0
sleep 1
echo "Ctrl+L: the solution window is open"

# The species colours in the solution window's chart, right of its panel and above its last line:
# a curve drawn smoothly blends its colour with white, so a pixel counts for species 0, 2, 3 or 4
# when it is such a blend of red, purple, teal or blue (species 1 is black, like the axes).
chart_species() {
    eval "$(xdotool getwindowgeometry --shell "$solution" | sed 's/^/S_/')"
    import -window root -crop "$((S_WIDTH - 420))x$((S_HEIGHT - 110))+$((S_X + 400))+$((S_Y + 60))" \
        "$work/chart.png"
    convert "$work/chart.png" -format %c histogram:info:- |
        sed -n 's/^ *\([0-9]*\):.*(\s*\([0-9]*\),\s*\([0-9]*\),\s*\([0-9]*\)).*/\1 \2 \3 \4/p' |
        awk 'function near(a, b) { return a - b <= 3 && b - a <= 3 }
             $2 >= 250 && near($3, $4) && $3 < 200 { s["red"] += $1 }
             near($2, $4) && $2 - $3 > 40 && $2 < 235 { s["purple"] += $1 }
             near($3, $4) && $3 - $2 > 40 && $2 < 200 { s["teal"] += $1 }
             $4 >= 250 && near($2, $3) && $2 < 200 { s["blue"] += $1 }
             END { for (c in s) if (s[c] >= 20) print c }' | sort
}
species=$(chart_species | tr '\n' ' ')
[ "$species" = "blue purple red teal " ] || fail "the solution window's start chart shows '$species'"

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
species=$(chart_species | tr '\n' ' ')
[ "$species" = "red " ] || fail "after HA the solution window's chart shows '$species', not red and black only"
echo "HA: the solution window's Fractions view follows with two species colours"

# Resized, the chart fills the new size: its frame's right edge lies near the window's right edge
# and its bottom edge near the bottom, above the tick numbers, the axis title and the last line.
xdotool windowsize "$solution" 1200 800
sleep 1
eval "$(xdotool getwindowgeometry --shell "$solution" | sed 's/^/S_/')"
[ "$S_WIDTH" = 1200 ] && [ "$S_HEIGHT" = 800 ] || fail "the solution window is ${S_WIDTH}x$S_HEIGHT after resizing"
# A column (or row) of the strip whose mean is dark is a frame line across the whole strip.
dark_lines() { # geometry, then the scale that keeps one pixel per column or row
    import -window root -crop "$1" "$work/strip.png"
    convert "$work/strip.png" -colorspace Gray -scale "$2" -depth 8 txt:- |
        sed -n 's/^\([0-9]*\),\([0-9]*\):.*gray(\([0-9.]*\)%\{0,1\}).*/\1 \2 \3/p'
}
right=$(dark_lines "60x500+$((S_X + 1140))+$((S_Y + 150))" '60x1!' | awk '$3 < 40 { print $1 }' | tail -n 1)
[ -n "$right" ] || fail "no frame line within 60 px of the resized window's right edge"
bottom=$(dark_lines "500x130+$((S_X + 600))+$((S_Y + 670))" '1x130!' | awk '$3 < 40 { print $2 }' | tail -n 1)
[ -n "$bottom" ] || fail "no frame line within 130 px of the resized window's bottom edge"
echo "resized to 1200x800: the chart's frame reaches x $((1140 + right)) and y $((670 + bottom))"

# Exit: at (632, 88), 121 x 33.
xdotool mousemove $((X + 632 + 60)) $((Y + 88 + 16)) click 1
for _ in $(seq 1 150); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end after Exit"
wait "$app_pid"
status=$?
app_pid=""
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "Exit: the program ended with status 0"
grep -q '^size=@Size(1200 800)$' "$XDG_CONFIG_HOME/velmora/velmora.conf" ||
    fail "the solution window's size is not remembered in $XDG_CONFIG_HOME/velmora/velmora.conf"
echo "the solution window's size is remembered"

# --solution: the main window starts as always, the solution window beside it at its remembered
# size; the command line would refuse the option, the window takes it.
"$program" --solution >"$work/app.log" 2>&1 &
app_pid=$!
window=$(wait_for_window '^Velmora  1\.0$')
[ -n "$window" ] || fail "velmora --solution opened no main window"
solution=$(wait_for_window '^Velmora – Solution$')
[ -n "$solution" ] || fail "velmora --solution opened no solution window"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$solution" | sed 's/^/S_/')"
[ "$S_WIDTH" = 1200 ] && [ "$S_HEIGHT" = 800 ] ||
    fail "the solution window opened at ${S_WIDTH}x$S_HEIGHT, not at its remembered 1200x800"
end_program
echo "--solution: both windows open, the solution window at its remembered size"

# Both windows on smaller screens, each on a private display of its own.
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
for screen in 1024x768 1366x768 1920x1080; do
    start_private_display 90 140 "${screen}x24" || fail "Xvfb could not start at $screen"
    export XDG_CONFIG_HOME=$work/config-$screen
    "$program" --solution >"$work/app.log" 2>&1 &
    app_pid=$!
    window=$(wait_for_window '^Velmora  1\.0$')
    solution=$(wait_for_window '^Velmora – Solution$')
    [ -n "$window" ] && [ -n "$solution" ] || fail "$screen: velmora --solution opened no two windows"
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    eval "$(xdotool getwindowgeometry --shell "$solution" | sed 's/^/S_/')"
    screen_width=${screen%x*}
    screen_height=${screen#*x}
    echo "$screen: main window at $X,$Y, solution window at $S_X,$S_Y size ${S_WIDTH}x$S_HEIGHT"
    [ "$S_X" -ge 0 ] && [ "$S_Y" -ge 0 ] && [ $((S_X + S_WIDTH)) -le "$screen_width" ] &&
        [ $((S_Y + S_HEIGHT)) -le "$screen_height" ] ||
        fail "$screen: the solution window runs off the screen"
    [ "$S_WIDTH" -ge 480 ] && [ "$S_HEIGHT" -ge 360 ] ||
        fail "$screen: the solution window is only ${S_WIDTH}x$S_HEIGHT"
    # The bars, acid types and commands: from the first bar (504) to the right edge, full height.
    [ $((S_X + S_WIDTH)) -le $((X + 504)) ] || [ "$S_X" -ge $((X + 757)) ] ||
        [ $((S_Y + S_HEIGHT)) -le "$Y" ] || [ "$S_Y" -ge $((Y + 362)) ] ||
        fail "$screen: the solution window covers the main window's controls"
    end_program
    kill "$xvfb_pid"
    wait "$xvfb_pid" 2>/dev/null
done
echo "--solution on 1024x768, 1366x768 and 1920x1080: both windows in view"

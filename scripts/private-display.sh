# Sourced by the scripts that drive the real program on a private X display.
#
# start_private_display FIRST LAST GEOMETRY starts Xvfb on the first free display number from
# FIRST to LAST with one screen of GEOMETRY (e.g. 1280x1024x24), exports DISPLAY, and sets
# xvfb_pid, which the caller kills when it is done. The server's output goes to $work/xvfb.log
# ($work is the caller's folder). Returns 1 when no server starts.
start_private_display() {
    local n
    xvfb_pid=""
    for n in $(seq "$1" "$2"); do
        [ -e "/tmp/.X$n-lock" ] && continue
        # -noreset: a server resets when its last client leaves (each xdotool call is a client),
        # and a program that connects at that moment fails to start.
        Xvfb ":$n" -screen 0 "$3" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 1 50); do
            if [ -S "/tmp/.X11-unix/X$n" ]; then
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null
        xvfb_pid=""
    done
    return 1
}

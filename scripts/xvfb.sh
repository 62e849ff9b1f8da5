# Sourced by the scripts that run Tavrik on a virtual X server.
# start_xvfb: starts Xvfb on a free display and exports DISPLAY; the server's
# process id is left in xvfb_pid for the caller's cleanup. Other X servers
# start and stop on this machine too (tests run in parallel, screenshot and
# benchmark scripts), so it takes a random display away from the usual
# numbers and gives up a display that does not answer for a new one.
# Returns non-zero when no server answered. The screen is 1024x768 unless
# xvfb_screen names another size (WIDTHxHEIGHTxDEPTH).
xvfb_pid=""

start_xvfb_once() {
    local number=$((400 + RANDOM % 500))
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && return 1
    export DISPLAY=":$number"
    # -noreset: the server must not reset when the probing client leaves.
    Xvfb "$DISPLAY" -noreset -screen 0 "${xvfb_screen:-1024x768x24}" -nolisten tcp > /dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        xdpyinfo > /dev/null 2>&1 && return 0
        sleep 0.05
    done
    return 1
}

start_xvfb() {
    for _ in 1 2 3 4 5; do
        start_xvfb_once && return 0
        if [ -n "$xvfb_pid" ]; then
            kill "$xvfb_pid" 2> /dev/null
            wait "$xvfb_pid" 2> /dev/null || true
            xvfb_pid=""
        fi
    done
    return 1
}

# Sourced by the test scripts: starts Xvfb on a free display when none is set, since the tests
# open real windows. Sets xvfb_pid (empty when a display was already there) and DISPLAY.
xvfb_pid=""
start_xvfb() {
    [ -n "${DISPLAY:-}" ] && return 0
    local n
    for n in $(seq 90 130); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
        return 0
    done
    echo "error: no free X display number for Xvfb" >&2
    return 1
}

# Sourced by the test scripts: starts Xvfb on a free display when none is set, since the tests
# open real windows. Sets xvfb_pid (empty when a display was already there) and DISPLAY.
# Fails, saying why, when no server answers.
xvfb_pid=""
start_xvfb() {
    [ -n "${DISPLAY:-}" ] && return 0
    local n log
    log=$(mktemp)
    for n in $(seq 90 130); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$log" 2>&1 &
        xvfb_pid=$!
        # A loaded machine may take a while to start it: up to a minute.
        for _ in $(seq 600); do
            if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
                export DISPLAY=":$n"
                rm -f "$log"
                return 0
            fi
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        if kill -0 "$xvfb_pid" 2>/dev/null; then
            kill "$xvfb_pid" 2>/dev/null
            echo "error: Xvfb on :$n did not answer within a minute; it said:" >&2
            cat "$log" >&2
            rm -f "$log"
            xvfb_pid=""
            return 1
        fi
        # It ended at once: another server took this number first. Try the next one.
        xvfb_pid=""
    done
    echo "error: Xvfb could not start on any display from :90 to :130; last it said:" >&2
    cat "$log" >&2
    rm -f "$log"
    return 1
}

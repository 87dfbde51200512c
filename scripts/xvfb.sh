# Sourced by the test scripts: starts Xvfb on a free display when none is set, since the tests
# open real windows. Sets xvfb_pid (empty when a display was already there) and DISPLAY.
# Fails, saying why, when the server does not come up.
xvfb_pid=""

# Starts an Xvfb with the given arguments (local connections only) on a display number it
# picks itself, and prints the number once the server accepts connections. The server picks
# the number by taking its lock, so two scripts starting at once never share a display (probing
# for a free number first would let a script take another's server for its own). Sets xvfb_pid.
# Without -noreset among the arguments the server resets whenever its last client leaves, as
# xvfb-run's does; the tests hold the display while they run and pass either way.
launch_xvfb() { # Xvfb-arguments...
    local number log
    number=$(mktemp)
    log=$(mktemp)
    Xvfb -displayfd 3 -nolisten tcp "$@" 3>"$number" >"$log" 2>&1 &
    xvfb_pid=$!
    # A loaded machine may take a while to start it: up to a minute.
    for _ in $(seq 600); do
        if [ -s "$number" ]; then
            cat "$number"
            rm -f "$number" "$log"
            return 0
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null
        echo "error: Xvfb did not come up within a minute; it said:" >&2
    else
        echo "error: Xvfb ended as it started; it said:" >&2
    fi
    cat "$log" >&2
    rm -f "$number" "$log"
    xvfb_pid=""
    return 1
}

start_xvfb() {
    [ -n "${DISPLAY:-}" ] && return 0
    local n
    # Not in a command substitution: xvfb_pid must be set in this shell. -noreset: the native
    # tests would pass without it, but the Windows suite's programs under Wine hold no
    # connection across the moments between them.
    launch_xvfb -noreset -screen 0 1280x1024x24 >"${TMPDIR:-/tmp}/xvfb-display.$$" || return 1
    n=$(cat "${TMPDIR:-/tmp}/xvfb-display.$$")
    rm -f "${TMPDIR:-/tmp}/xvfb-display.$$"
    export DISPLAY=":$n"
}

# Sourced by the end-to-end scripts: the windows' titles, waiting for states, check reporting,
# and what a failed check shows.
# A script that plays the game keeps its process id in $pid (set, if empty, from the start),
# its work folder (kept when a check fails) in $work, and the folder the game runs in (with its
# stdout.txt and stderr.txt) in $folder. Other scripts use only the check reporting.

# P twenty times: the launch speed goes from 5 to 25. The plume shows while the lander climbs,
# and the simulation steps once a frame; at 25 the climb takes about 80 steps, long enough for
# a capture to see it however fast the frames come. At 8, on an idle machine, it can be over
# between two captures.
power_keys=$(printf 'p %.0s' $(seq 20))

view_title="Tavrilo : Vesk View - Pellimar"
cam_title="Tavrilo : Vesk Cam - Pellimar"
top_title="Tavrilo : Vesk Top View - Pellimar"

# Every deadline below is its base in seconds times this factor. The build sets it higher where
# the program is slower to start and draw (sanitizers, Wine); a busy machine can set it higher
# still. Waits end as soon as their state is seen, so a large factor costs time only on failure.
patience=${MOONHOP_E2E_PATIENCE:-1}

# Exits with 77 (skipped) when there is no display or one of the named tools is missing.
require_display_and() { # tool...
    if [ -z "${DISPLAY:-}" ]; then
        echo "No X display: skipped."
        exit 77
    fi
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "$tool is missing: skipped."
            exit 77
        fi
    done
}

# Microseconds since the epoch.
now_us() { echo "${EPOCHREALTIME//[.,]/}"; }

# Prints the time, in microseconds, by which a wait of this many base seconds gives up.
deadline_in() { # base-seconds
    awk -v now="$(now_us)" -v s="$1" -v p="$patience" 'BEGIN { printf "%.0f", now + s * p * 1e6 }'
}

running() { [ -n "${pid:-}" ] && kill -0 "$pid" 2>/dev/null; }

# Holds a connection to the display until the script ends (finish_work ends it). A server
# started without -noreset, as xvfb-run starts it, resets whenever its last client leaves (as
# between two games) and drops a client that connects at that moment; with this connection
# held it never resets while the script runs. Waits out a reset already under way: the server
# then drops the connection before setting it up, and a new one waits until it is back.
keeper=""
keep_display() {
    local out limit attempt
    out=$(mktemp)
    limit=$(deadline_in 30)
    for attempt in $(seq 50); do
        # xprop says whether the root window has this property once it is connected, and then
        # watches the root window until it is ended, quietly: nobody sets the property. Its
        # output is emptied first: what the last attempt said must not pass for its answer.
        : >"$out"
        xprop -root -spy MOONHOP_DISPLAY_KEPT >>"$out" 2>&1 &
        keeper=$!
        while kill -0 "$keeper" 2>/dev/null && [ ! -s "$out" ] && [ "$(now_us)" -lt "$limit" ]; do
            sleep 0.05
        done
        if grep -q '^MOONHOP_DISPLAY_KEPT' "$out" && kill -0 "$keeper" 2>/dev/null; then
            rm -f "$out"
            return 0
        fi
        kill "$keeper" 2>/dev/null
        wait "$keeper" 2>/dev/null
        keeper=""
        [ "$(now_us)" -lt "$limit" ] || break
    done
    echo "The display $DISPLAY accepts no lasting connection: $(cat "$out")"
    rm -f "$out"
    return 1
}

# Runs the command every tenth of a second until it succeeds (0) or the deadline passes, or the
# game has ended (1). The command's output is passed through only from its last run.
wait_until() { # base-seconds command...
    local limit
    limit=$(deadline_in "$1")
    shift
    while :; do
        "$@" && return 0
        running || return 1
        [ "$(now_us)" -lt "$limit" ] || return 1
        sleep 0.1
    done
}

# Waits until the game's process ends and sets status to its exit status ("still running" when
# it does not end in time).
wait_for_exit() { # base-seconds
    local limit
    limit=$(deadline_in "$1")
    status="still running"
    while [ "$(now_us)" -lt "$limit" ]; do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            status=$?
            pid=""
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Prints the id of the window with exactly this title, if there is one.
find_window() { # title
    local id
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] && echo "$id"
}

# Prints the id of the window with exactly this title, waiting for it to appear.
window_id() { # title
    wait_until 60 find_window "$1"
}

# Moves the pointer to the screen's far corner, out of the way of windows that open later: a
# pointer over a new window sends it mouse messages.
park_pointer() {
    xdotool mousemove $(xdotool getdisplaygeometry | awk '{ print $1 - 1, $2 - 1 }') 2>/dev/null
}

# How many colours a picture holds: a blank window has one, a drawn scene hundreds.
colours() { # picture
    identify -format '%k' "$1" 2>/dev/null || echo 0
}

# Warm bright pixels just under the lander at the middle of the main view: the exhaust plume.
# Nothing else there is both bright and dust-coloured. Where the captured window holds more
# than the client area (Wine draws its frame inside it), left and top are the client area's
# offset in it.
plume_pixels() { # picture [left top]
    convert "$1" -crop "100x70+$((285 + ${2:-0}))+$((195 + ${3:-0}))" +repage \
        -fx '(r>0.5 && g>0.38 && r-b>0.1) ? 1 : 0' -format '%[fx:round(mean*w*h)]' info:
}

# The game's top-level windows: by process where the window says so, and by title.
game_windows() {
    {
        [ -n "${pid:-}" ] && xdotool search --pid "$pid"
        xdotool search --name '^Tavrilo : Vesk'
    } 2>/dev/null | sort -u
}

# What the game's windows are: title, place, size, map state, and where each sits in the tree.
show_windows() {
    local id
    local ids
    ids=$(game_windows)
    if [ -z "$ids" ]; then
        echo "    (no window of the game's)"
        return
    fi
    for id in $ids; do
        xwininfo -id "$id" -stats 2>&1 | awk '
            /^xwininfo: Window id:/ { sub(/^xwininfo: /, ""); print "    " $0 }
            /Absolute upper-left|Width:|Height:|Map State:|Override Redirect/ { print "      " $0 }'
        xwininfo -id "$id" -tree 2>&1 | awk '/Root window id:|Parent window id:|child/ { print "      " $0 }'
    done
}

show_file() { # label file
    if [ -s "$2" ]; then
        echo "  $1 ($2):"
        tail -n 40 "$2" | sed 's/^/    /'
    else
        echo "  $1: nothing"
    fi
}

# What a failed check leaves for whoever reads the log: the program's output and windows.
show_program_state() {
    if [ -n "$pid" ]; then
        if running; then echo "  the game is running (process $pid)"; else echo "  the game has ended"; fi
    fi
    if [ -n "${folder:-}" ]; then
        show_file "its standard output" "$folder/stdout.txt"
        show_file "its standard error" "$folder/stderr.txt"
    fi
    echo "  its windows:"
    show_windows
    # What each window showed when the check failed, beside the captures.
    local id
    if [ -n "${work:-}" ]; then
        for id in $(game_windows); do
            import -window "$id" "$work/failure-$failures-window-$id.png" 2>/dev/null
        done
        echo "  captured as $work/failure-$failures-window-*.png"
    fi
}

failures=0
pass() { echo "ok   - $*"; }
fail() {
    echo "FAIL - $*"
    failures=$((failures + 1))
    if [ -n "${pid+set}" ]; then show_program_state; fi
}
expect() { # description command...
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

# Ends a game still running and says where the captures are when a check failed; removes them
# otherwise (MOONHOP_E2E_KEEP=1 keeps them anyway).
finish_work() {
    if running; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    if [ -n "$keeper" ]; then
        kill "$keeper" 2>/dev/null
        wait "$keeper" 2>/dev/null
    fi
    if [ "$failures" -gt 0 ] || [ "${MOONHOP_E2E_KEEP:-0}" = 1 ]; then
        echo "The work folder, with the captures and the game's output, is kept: $work"
    else
        rm -rf "$work"
    fi
}

# The summary line and the exit status.
conclude() {
    if [ "$failures" -gt 0 ]; then
        echo "$failures check(s) failed."
        exit 1
    fi
    echo "All checks passed."
    exit 0
}

#!/usr/bin/env bash
# The real program where it cannot show anything says so at once: with a display that does not
# exist, each window's creation failure reaches standard output and the display's name and the
# reason reach standard error, once, while the message loop keeps running as it does when no
# window could be made. With a display that has no OpenGL, the reason for that is said instead.
# Usage: no_display.sh MOONHOP
# Exit status: 0 all checks passed, 1 some failed.
set -u

if [ $# -ne 1 ]; then
    echo "usage: $0 MOONHOP" >&2
    exit 2
fi
game=$(realpath "$1")

. "$(dirname "$0")/checks.sh"

work=$(mktemp -d /tmp/moonhop-no-display.XXXXXX)
pid=""
folder=""
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    finish_work
}
trap cleanup EXIT

# Starts the game in a new folder of the work folder, with the given display.
start_game() { # name display
    folder="$work/$1"
    mkdir -p "$folder"
    (cd "$folder" && unset WAYLAND_DISPLAY SDL_VIDEODRIVER &&
        DISPLAY=$2 exec "$game" >stdout.txt 2>stderr.txt) &
    pid=$!
}

# Sets seen to how many lines of the file are exactly the text.
count_lines() { # file text
    seen=$(grep -cxF -- "$2" "$1" 2>/dev/null)
    seen=${seen:-0}
}

# Sets seen to how many lines of the file start with the text and go on to say more.
count_starts() { # file text
    seen=$(awk -v t="$2" 'index($0, t) == 1 && length($0) > length(t) { n++ } END { print n + 0 }' \
        "$1" 2>/dev/null)
    seen=${seen:-0}
}

# Standard output holds the framework's message for each of the two windows, and standard
# error a line that starts as given and says why.
says() { # stdout-line stderr-start
    count_lines "$folder/stdout.txt" "$1"
    local out=$seen
    count_starts "$folder/stderr.txt" "$2"
    local err=$seen
    seen="\"$1\" $out time(s) on standard output, \"$2...\" $err time(s) on standard error"
    [ "$out" -eq 2 ] && [ "$err" -ge 1 ]
}

stop_game() {
    if running; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    pid=""
}

echo "# A display that does not exist"
# A display number no server uses.
n=4242
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
start_game missing ":$n"
reason="Cannot open the display \":$n\": "
wait_until 10 says "Failed to create window" "$reason"
expect "each window says why it failed, and so does the layer beneath ($seen)" \
    says "Failed to create window" "$reason"
count_starts "$folder/stderr.txt" "$reason"
expect "the display's failure is said once ($seen times)" test "$seen" -eq 1
expect "the loop goes on with no window, as it is made to" running
stop_game

echo "# A display without OpenGL"
if command -v Xvfb >/dev/null; then
    . "$(dirname "$0")/../../scripts/xvfb.sh"
    if launch_xvfb -noreset -screen 0 640x480x24 -extension GLX >"$work/display"; then
        xvfb=$xvfb_pid
    else
        fail "a server without GLX starts"
        conclude
    fi
    n=$(cat "$work/display")
    start_game no-opengl ":$n"
    reason="Cannot make an OpenGL context: "
    wait_until 10 says "Failed to set pixel format" "$reason"
    expect "without OpenGL the pixel format fails and the layer says why ($seen)" \
        says "Failed to set pixel format" "$reason"
    count_starts "$folder/stderr.txt" "$reason"
    expect "the context's failure is said once ($seen times)" test "$seen" -eq 1
    stop_game
else
    echo "Xvfb is missing: the display without OpenGL is not tried."
fi

conclude

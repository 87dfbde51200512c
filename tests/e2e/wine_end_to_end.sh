#!/usr/bin/env bash
# The game's core steps as a native Windows program under Wine, driven through the X display
# Wine draws on: both windows appear with their titles, X launches the lander, and closing
# the main view (Alt+F4, as a user would) ends the program with status 0.
# Usage: wine_end_to_end.sh MOONHOP-EXE PICTURE-FOLDER RUNNER...
#   RUNNER... is the command that runs a Windows program (the build's wine-run.sh and its
#   arguments).
# Exit status: 0 all checks passed, 1 some failed, 77 skipped (no display or missing tools).
set -u

if [ $# -lt 3 ]; then
    echo "usage: $0 MOONHOP-EXE PICTURE-FOLDER RUNNER..." >&2
    exit 2
fi
game=$(realpath "$1")
pictures=$(realpath "$2")
shift 2
runner=("$@")
# The game starts in another folder.
[ -e "${runner[0]}" ] && runner[0]=$(realpath "${runner[0]}")

. "$(dirname "$0")/checks.sh"
require_display_and xdotool xwininfo import convert


work=$(mktemp -d /tmp/moonhop-wine-e2e.XXXXXX)
pid=""
cleanup() {
    # Out of the way of windows that later tests open: a pointer over a new window sends it
    # mouse messages.
    xdotool mousemove $(xdotool getdisplaygeometry | awk '{ print $1 - 1, $2 - 1 }') 2>/dev/null
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT


# Wine draws the frame itself, inside the X window: prints the client area's offset in it,
# for a client area of the given size.
client_offset() { # id client-width client-height
    local w h
    read -r w h <<<"$(xwininfo -id "$1" | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 }
        END { print w, h }')"
    local side=$(((w - $2) / 2))
    echo "$side $((h - $3 - side))"
}

# Warm bright pixels just under the lander at the middle of the main view: the exhaust plume.
plume_pixels() { # picture left top
    convert "$1" -crop "100x70+$((285 + $2))+$((195 + $3))" +repage \
        -fx '(r>0.5 && g>0.38 && r-b>0.1) ? 1 : 0' -format '%[fx:round(mean*w*h)]' info:
}

wait_for_plume() { # id left top tries
    for _ in $(seq "$4"); do
        import -window "$1" "$work/plume.png" 2>/dev/null
        [ "$(plume_pixels "$work/plume.png" "$2" "$3")" -gt 50 ] && return 0
        sleep 0.2
    done
    return 1
}

folder="$work/game"
mkdir -p "$folder"
for name in 1DTexture_Moon.bmp StarSphere.bmp LandingDisk.bmp; do
    cp "$pictures/$name" "$folder/" || fail "picture $name was not built"
done
(cd "$folder" && exec "${runner[@]}" "$game" >stdout.txt 2>stderr.txt) &
pid=$!

view=$(window_id "$view_title") || view=""
cam=$(window_id "$cam_title") || cam=""
expect "the main view appears titled \"$view_title\"" test -n "$view"
expect "the camera window appears titled \"$cam_title\"" test -n "$cam"
if [ -z "$view" ] || [ -z "$cam" ]; then
    echo "Without both windows nothing else can be checked."
    exit 1
fi
read -r left top <<<"$(client_offset "$view" 670 400)"

sleep 2
import -window "$view" "$work/before.png" 2>/dev/null
expect "no plume before the launch" test "$(plume_pixels "$work/before.png" "$left" "$top")" -eq 0
# A click on the caption makes the main view the active window, which Wine gives the keys.
xdotool mousemove --window "$view" 100 $((top / 2)) click 1
xdotool key p p p x
expect "P P P X in the main view launches the lander: the plume shows" \
    wait_for_plume "$view" "$left" "$top" 60

xdotool key alt+F4
status="still running"
for _ in $(seq 600); do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        status=$?
        pid=""
        break
    fi
    sleep 0.1
done
expect "closing the main view ends the program with status 0 (got $status)" test "$status" = 0
expect "nothing was written to standard output" test ! -s "$folder/stdout.txt"
if [ -s "$folder/stdout.txt" ]; then head -n 20 "$folder/stdout.txt"; fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed."
    exit 1
fi
echo "All checks passed."

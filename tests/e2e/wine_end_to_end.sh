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
require_display_and xdotool xwininfo xprop import convert identify

work=$(mktemp -d /tmp/moonhop-wine-e2e.XXXXXX)
pid=""
folder="$work/game"
trap 'park_pointer; finish_work' EXIT
if ! keep_display; then
    fail "the display accepts a connection held for the whole run"
    conclude
fi

# Wine draws the frame itself, inside the X window: sets left and top to the client area's
# offset in it, for a client area of the given size.
read_client_offset() { # id client-width client-height
    local w h
    read -r w h <<<"$(xwininfo -id "$1" | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 }
        END { print w, h }')"
    left=$(((w - $2) / 2))
    top=$((h - $3 - left))
}

shown() { # id
    seen=$(xwininfo -id "$1" 2>/dev/null | awk '/Map State:/ { print $3 }')
    [ "$seen" = IsViewable ]
}

drawn() { # id
    import -window "$1" "$work/view.png" 2>/dev/null
    seen=$(colours "$work/view.png")
    [ "$seen" -gt 200 ]
}

plume_shows() { # id
    import -window "$1" "$work/plume.png" 2>/dev/null
    seen=$(plume_pixels "$work/plume.png" "$left" "$top")
    [ "$seen" -gt 50 ]
}

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
    conclude
fi
wait_until 30 shown "$view"
expect "the main view is shown ($seen)" test "$seen" = IsViewable
read_client_offset "$view" 670 400

wait_until 30 drawn "$view"
expect "the main view shows a drawn scene ($seen colours)" test "$seen" -gt 200
seen=$(plume_pixels "$work/view.png" "$left" "$top")
expect "no plume before the launch ($seen plume pixels)" test "$seen" -eq 0
# A click on the caption makes the main view the active window, which Wine gives the keys.
xdotool mousemove --window "$view" 100 $((top / 2)) click 1
xdotool key $power_keys x
wait_until 60 plume_shows "$view"
expect "P (20 times) and X in the main view launch the lander: the plume shows ($seen plume pixels)" \
    test "$seen" -gt 50

xdotool key alt+F4
wait_for_exit 60
expect "closing the main view ends the program with status 0 (got $status)" test "$status" = 0
expect "nothing was written to standard output" test ! -s "$folder/stdout.txt"

conclude

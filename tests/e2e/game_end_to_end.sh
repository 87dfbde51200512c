#!/usr/bin/env bash
# Plays the real game under the current X display the way a user would: finds both windows,
# captures them, sends keys, closes them, and checks what the program shows and how it ends.
# Every step waits for the state it expects (see checks.sh), never for a fixed time.
# Usage: game_end_to_end.sh MOONHOP PICTURE-FOLDER CLOSE-WINDOW-TOOL
#        game_end_to_end.sh --launcher LAUNCHER CLOSE-WINDOW-TOOL
#   The second form plays an installed game: its launcher, which finds the pictures itself, is
#   started from an empty folder, and the run without pictures is left out.
# Exit status: 0 all checks passed, 1 some failed, 77 skipped (no display or missing tools).
set -u

if [ $# -ne 3 ]; then
    echo "usage: $0 MOONHOP PICTURE-FOLDER CLOSE-WINDOW-TOOL" >&2
    echo "       $0 --launcher LAUNCHER CLOSE-WINDOW-TOOL" >&2
    exit 2
fi
# The game is started from another folder, so every path is made absolute first.
launcher=""
if [ "$1" = --launcher ]; then
    launcher=$(realpath "$2")
    game=$launcher
else
    game=$(realpath "$1")
    pictures=$(realpath "$2")
fi
close_window=$(realpath "$3")

. "$(dirname "$0")/checks.sh"
require_display_and xdotool xwininfo xprop import convert identify compare

picture_names=(1DTexture_Moon.bmp StarSphere.bmp LandingDisk.bmp)

work=$(mktemp -d /tmp/moonhop-e2e.XXXXXX)
pid=""
folder=""
trap finish_work EXIT
if ! keep_display; then
    fail "the display accepts a connection held for the whole run"
    conclude
fi

# Starts the game in a folder; its output goes to files in that folder.
start_game() { # folder
    folder=$1
    (cd "$folder" && exec "$game" >stdout.txt 2>stderr.txt) &
    pid=$!
}

# Sets x y w h map: the outer window's position (a window manager's frame included, if there
# is one), the client area's size and the map state.
read_geometry() { # id
    read -r x y <<<"$(xwininfo -frame -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X:/ { x = $4 }
        /Absolute upper-left Y:/ { y = $4 }
        END { print x, y }')"
    read -r w h map <<<"$(xwininfo -id "$1" 2>/dev/null | awk '
        /^ *Width:/ { w = $2 }
        /^ *Height:/ { h = $2 }
        /Map State:/ { m = $3 }
        END { print w, h, m }')"
}

# True once the window is shown with this client size at this place.
shown_as() { # id width height x y
    read_geometry "$1"
    [ "$w $h $x $y $map" = "$2 $3 $4 $5 IsViewable" ]
}

map_state_is() { # id state
    read_geometry "$1"
    [ "$map" = "$2" ]
}

capture() { # id file
    xdotool windowraise "$1" 2>/dev/null
    import -window "$1" "$2" 2>/dev/null
}

# Fraction of dark pixels: the sky is mostly black between its stars.
dark_fraction() { convert "$1" -colorspace gray -threshold 20% -negate -format '%[fx:mean]' info:; }

# Sharp detail in the lower part of the main view, where the moon fills the picture: smooth
# shading has next to none, a wire mesh with the stars between its lines a great deal.
moon_detail() {
    convert "$1" -crop 560x90+20+300 +repage -colorspace gray \
        \( +clone -statistic median 5x5 \) -compose difference -composite -threshold 8% \
        -format '%[fx:round(mean*w*h)]' info:
}

# Pixels that differ between two captures.
changed_pixels() { # fuzz a b
    compare -metric AE -fuzz "$1" "$2" "$3" null: 2>&1 | awk '{ print int($1) }'
}

greater() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# The state probes below capture a window into $work/NAME.png and keep the figure they look at
# in a variable, so that a failed wait can say what it saw last.

drawn() { # id name minimum-colours
    capture "$1" "$work/$2.png"
    seen=$(colours "$work/$2.png")
    [ "$seen" -gt "$3" ]
}

plume_shows() { # id
    capture "$1" "$work/plume.png"
    seen=$(plume_pixels "$work/plume.png")
    [ "$seen" -gt 50 ]
}

no_plume() { # id
    capture "$1" "$work/plume.png"
    seen=$(plume_pixels "$work/plume.png")
    [ "$seen" -eq 0 ]
}

detail_above() { # id limit
    capture "$1" "$work/wire.png"
    seen=$(moon_detail "$work/wire.png")
    [ "$seen" -gt "$2" ]
}

detail_at_most() { # id limit
    capture "$1" "$work/unwired.png"
    seen=$(moon_detail "$work/unwired.png")
    [ "$seen" -le "$2" ]
}

# The window's picture moves on from the given capture by more than a number of pixels.
moves_on() { # id first-capture fuzz pixels
    capture "$1" "$work/later.png"
    seen=$(changed_pixels "$3" "$2" "$work/later.png")
    greater "$seen" "$4"
}

sky_is_dark() { # id
    capture "$1" "$work/cam.png"
    seen=$(dark_fraction "$work/cam.png")
    greater "$seen" 0.6
}

titled_top_view() { # id
    read_geometry "$1"
    seen="\"$(xdotool getwindowname "$1")\", $w x $h"
    [ "$seen" = "\"$top_title\", 400 x 400" ]
}

# Presses X now and then until a new plume shows: only a lander that has landed takes off again.
relaunched() { # id
    xdotool key x
    wait_until 3 plume_shows "$1"
}

if [ -n "$launcher" ]; then
    echo "# The installed game, started by $launcher from an empty folder"
    folder="$work/elsewhere"
    mkdir -p "$folder"
else
    echo "# The game in a folder with its pictures"
    folder="$work/with-pictures"
    mkdir -p "$folder"
    for name in "${picture_names[@]}"; do
        cp "$pictures/$name" "$folder/" || fail "picture $name was not built"
    done
fi
start_game "$folder"

view=$(window_id "$view_title") || view=""
cam=$(window_id "$cam_title") || cam=""
expect "the main view appears titled \"$view_title\"" test -n "$view"
expect "the camera window appears titled \"$cam_title\"" test -n "$cam"
if [ -z "$view" ] || [ -z "$cam" ]; then
    echo "Without both windows nothing else can be checked."
    conclude
fi
# A window has its title before it is shown: wait for the map as well as the size.
wait_until 30 shown_as "$view" 670 400 10 10
expect "the main view is shown 670 x 400 at (10, 10) (got $w x $h at ($x, $y), $map)" \
    test "$w $h $x $y $map" = "670 400 10 10 IsViewable"
wait_until 30 shown_as "$cam" 580 300 600 380
expect "the camera window is shown 580 x 300 at (600, 380) (got $w x $h at ($x, $y), $map)" \
    test "$w $h $x $y $map" = "580 300 600 380 IsViewable"

wait_until 30 drawn "$view" view 200
expect "the main view shows a drawn scene ($seen colours)" test "$seen" -gt 200
wait_until 30 drawn "$cam" cam 200
expect "the camera window shows a drawn scene ($seen colours)" test "$seen" -gt 200
wait_until 10 sky_is_dark "$cam"
expect "the camera window looks up into the dark sky (dark fraction $seen)" greater "$seen" 0.6
capture "$view" "$work/view.png"
seen=$(plume_pixels "$work/view.png")
expect "no plume before the launch ($seen plume pixels)" test "$seen" -eq 0

before=$(moon_detail "$work/view.png")
xdotool windowfocus --sync "$view"
xdotool key w w
wait_until 20 detail_above "$view" $((before + 1000))
expect "W changes the moon's drawing: twice gives a wire mesh (detail $before -> $seen)" \
    test "$seen" -gt $((before + 1000))
# Twice more brings the smooth moon back; the plume checks below look at it.
xdotool key w w
wait_until 20 detail_at_most "$view" $((before + 500))
expect "W twice more brings back the smooth moon (detail $seen)" test "$seen" -le $((before + 500))

xdotool windowfocus --sync "$view"
xdotool key $power_keys x
if wait_until 60 plume_shows "$view"; then
    pass "P (20 times) and X in the main view launch the lander: the plume shows ($seen plume pixels)"
    cp "$work/plume.png" "$work/flight1.png"
    wait_until 20 moves_on "$view" "$work/flight1.png" 5% 1000
    expect "successive captures in flight differ ($seen pixels)" greater "$seen" 1000
else
    fail "P (20 times) and X in the main view launch the lander: the plume shows ($seen plume pixels)"
fi
wait_until 120 no_plume "$view"
expect "the plume dies away as the lander comes down ($seen plume pixels)" test "$seen" -eq 0
expect "the lander lands: X launches it again" wait_until 120 relaunched "$view"

xdotool windowfocus --sync "$cam"
xdotool key space
wait_until 20 titled_top_view "$cam"
expect "Space in the camera window switches to the top view ($seen)" \
    test "$seen" = "\"$top_title\", 400 x 400"
wait_until 30 drawn "$cam" top 200
expect "the top view shows a drawn scene ($seen colours)" test "$seen" -gt 200

"$close_window" "$cam"
wait_until 20 map_state_is "$cam" IsUnMapped
expect "closing the camera window hides it ($map)" test "$map" = IsUnMapped
expect "the program runs on without the camera window" running
capture "$view" "$work/after.png"
wait_until 20 moves_on "$view" "$work/after.png" 2% 0
expect "the main view keeps drawing ($seen pixels changed)" greater "$seen" 0

"$close_window" "$view"
wait_for_exit 60
expect "closing the main view ends the program with status 0 (got $status)" test "$status" = 0
expect "nothing was written to standard output" test ! -s "$folder/stdout.txt"

# An installed game always has its pictures: the run without them is for the build's program.
[ -n "$launcher" ] && conclude

echo "# The game in a folder without its pictures"
mkdir -p "$work/without-pictures"
start_game "$work/without-pictures"
view=$(window_id "$view_title") || view=""
cam=$(window_id "$cam_title") || cam=""
expect "without pictures both windows still appear" test -n "$view" -a -n "$cam"
if [ -n "$view" ]; then
    wait_until 30 drawn "$view" bare 50
    expect "without pictures the main view still shows a drawn scene ($seen colours)" \
        test "$seen" -gt 50
    "$close_window" "$view"
    wait_for_exit 60
    expect "without pictures closing the main view ends with status 0 (got $status)" \
        test "$status" = 0
    expect "without pictures nothing was written to standard output" \
        test ! -s "$folder/stdout.txt"
fi

conclude

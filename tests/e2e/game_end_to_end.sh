#!/usr/bin/env bash
# Plays the real game under the current X display the way a user would: finds both windows,
# captures them, sends keys, closes them, and checks what the program shows and how it ends.
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
require_display_and xdotool xwininfo import convert identify

top_title="Tavrilo : Vesk Top View - Pellimar"
picture_names=(1DTexture_Moon.bmp StarSphere.bmp LandingDisk.bmp)

work=$(mktemp -d /tmp/moonhop-e2e.XXXXXX)
# MOONHOP_E2E_KEEP=1 keeps the captures for a look afterwards.
keep=${MOONHOP_E2E_KEEP:-0}
pid=""
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    if [ "$keep" = 1 ]; then echo "Captures kept in $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT


# Starts the game in a folder; its output goes to files in that folder.
start_game() { # folder
    (cd "$1" && exec "$game" >stdout.txt 2>stderr.txt) &
    pid=$!
}

# Prints "x y width height map-state": the outer window's position (a window manager's frame
# included, if there is one) and the client area's size.
geometry() { # id
    local x y
    read -r x y <<<"$(xwininfo -frame -id "$1" | awk '
        /Absolute upper-left X:/ { x = $4 }
        /Absolute upper-left Y:/ { y = $4 }
        END { print x, y }')"
    xwininfo -id "$1" | awk -v x="$x" -v y="$y" '
        /^ *Width:/ { w = $2 }
        /^ *Height:/ { h = $2 }
        /Map State:/ { m = $3 }
        END { print x, y, w, h, m }'
}

capture() { # id file
    xdotool windowraise "$1" 2>/dev/null
    import -window "$1" "$2" 2>/dev/null
}

# How many colours a picture holds: a blank window has one.
colours() { identify -format '%k' "$1"; }

# Fraction of dark pixels: the sky is mostly black between its stars.
dark_fraction() { convert "$1" -colorspace gray -threshold 20% -negate -format '%[fx:mean]' info:; }

# Warm bright pixels just under the lander at the middle of the main view: the exhaust plume.
# Nothing else there is both bright and dust-coloured.
plume_pixels() {
    convert "$1" -crop 100x70+285+195 +repage -fx '(r>0.5 && g>0.38 && r-b>0.1) ? 1 : 0' \
        -format '%[fx:round(mean*w*h)]' info:
}

# Sharp detail in the lower part of the main view, where the moon fills the picture: smooth
# shading has next to none, a wire mesh with the stars between its lines a great deal.
moon_detail() {
    convert "$1" -crop 560x90+20+300 +repage -colorspace gray \
        \( +clone -statistic median 5x5 \) -compose difference -composite -threshold 8% \
        -format '%[fx:round(mean*w*h)]' info:
}

# Waits until the process ends (up to 60 seconds) and sets status to its exit status.
wait_for_exit() {
    status="still running"
    for _ in $(seq 600); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            status=$?
            pid=""
            return 0
        fi
        sleep 0.1
    done
}

greater() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# Captures the main view until the plume shows (or not) within a number of tries.
wait_for_plume() { # id want(yes|no) tries
    local n
    for i in $(seq "$3"); do
        capture "$1" "$work/plume.png"
        n=$(plume_pixels "$work/plume.png")
        if [ "$2" = yes ] && [ "$n" -gt 50 ]; then return 0; fi
        if [ "$2" = no ] && [ "$n" -eq 0 ]; then return 0; fi
        sleep 0.2
    done
    return 1
}

# Presses X now and then until a new plume shows: only a lander that has landed takes off again.
relaunch_after_landing() { # id
    for _ in $(seq 30); do
        xdotool key x
        if wait_for_plume "$1" yes 4; then return 0; fi
    done
    return 1
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
    exit 1
fi
read -r x y w h map <<<"$(geometry "$view")"
expect "the main view is 670 x 400 at (10, 10), shown (got $w x $h at ($x, $y), $map)" \
    test "$w $h $x $y $map" = "670 400 10 10 IsViewable"
read -r x y w h map <<<"$(geometry "$cam")"
expect "the camera window is 580 x 300 at (600, 380), shown (got $w x $h at ($x, $y), $map)" \
    test "$w $h $x $y $map" = "580 300 600 380 IsViewable"

# Let both windows draw a few frames.
sleep 2
capture "$view" "$work/view.png"
capture "$cam" "$work/cam.png"
expect "the main view shows a drawn scene ($(colours "$work/view.png") colours)" \
    test "$(colours "$work/view.png")" -gt 200
expect "the camera window shows a drawn scene ($(colours "$work/cam.png") colours)" \
    test "$(colours "$work/cam.png")" -gt 200
dark=$(dark_fraction "$work/cam.png")
expect "the camera window looks up into the dark sky (dark fraction $dark)" greater "$dark" 0.6
expect "no plume before the launch ($(plume_pixels "$work/view.png") plume pixels)" \
    test "$(plume_pixels "$work/view.png")" -eq 0

before=$(moon_detail "$work/view.png")
xdotool windowfocus --sync "$view"
xdotool key w w
sleep 1
capture "$view" "$work/wire.png"
after=$(moon_detail "$work/wire.png")
expect "W changes the moon's drawing: twice gives a wire mesh (detail $before -> $after)" \
    test "$after" -gt $((before + 1000))
xdotool key w w

xdotool windowfocus --sync "$view"
xdotool key p p p x
if wait_for_plume "$view" yes 60; then
    capture "$view" "$work/flight1.png"
    sleep 0.3
    capture "$view" "$work/flight2.png"
    changed=$(compare -metric AE -fuzz 5% "$work/flight1.png" "$work/flight2.png" null: 2>&1)
    pass "P P P X in the main view launches the lander: the plume shows"
    expect "successive captures in flight differ ($changed pixels)" greater "$changed" 1000
else
    fail "P P P X in the main view launches the lander: the plume shows"
fi
expect "the plume dies away as the lander comes down" wait_for_plume "$view" no 150
expect "the lander lands: X launches it again" relaunch_after_landing "$view"
xdotool windowfocus --sync "$cam"
xdotool key space
sleep 1
read -r x y w h map <<<"$(geometry "$cam")"
title=$(xdotool getwindowname "$cam")
expect "Space in the camera window switches to the top view (\"$title\", $w x $h)" \
    test "$title $w $h" = "$top_title 400 400"
capture "$cam" "$work/top.png"
expect "the top view shows a drawn scene" test "$(colours "$work/top.png")" -gt 200

"$close_window" "$cam"
sleep 1
read -r x y w h map <<<"$(geometry "$cam")"
expect "closing the camera window hides it ($map)" test "$map" = IsUnMapped
expect "the program runs on without the camera window" kill -0 "$pid"
capture "$view" "$work/after1.png"
sleep 0.5
capture "$view" "$work/after2.png"
changed=$(compare -metric AE -fuzz 2% "$work/after1.png" "$work/after2.png" null: 2>&1)
expect "the main view keeps drawing ($changed pixels changed)" greater "$changed" 0

"$close_window" "$view"
wait_for_exit
expect "closing the main view ends the program with status 0 (got $status)" test "$status" = 0
expect "nothing was written to standard output" test ! -s "$folder/stdout.txt"
if [ -s "$folder/stdout.txt" ]; then head -n 20 "$folder/stdout.txt"; fi
if [ -s "$folder/stderr.txt" ]; then head -n 40 "$folder/stderr.txt"; fi

# An installed game always has its pictures: the run without them is for the build's program.
if [ -n "$launcher" ]; then
    [ "$failures" -eq 0 ] || { echo "$failures check(s) failed."; exit 1; }
    echo "All checks passed."
    exit 0
fi

echo "# The game in a folder without its pictures"
folder="$work/without-pictures"
mkdir -p "$folder"
start_game "$folder"
view=$(window_id "$view_title") || view=""
cam=$(window_id "$cam_title") || cam=""
expect "without pictures both windows still appear" test -n "$view" -a -n "$cam"
if [ -n "$view" ]; then
    sleep 2
    capture "$view" "$work/bare.png"
    expect "without pictures the main view still shows a drawn scene" \
        test "$(colours "$work/bare.png")" -gt 50
    "$close_window" "$view"
    wait_for_exit
    expect "without pictures closing the main view ends with status 0 (got $status)" \
        test "$status" = 0
    expect "without pictures nothing was written to standard output" \
        test ! -s "$folder/stdout.txt"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed."
    exit 1
fi
echo "All checks passed."

#!/usr/bin/env bash
# Measures the real game under the current X display (run it under Xvfb, by hand): the time
# from its start to the first drawn frame of both windows, then its resident memory after each
# of a number of jumps at full plume, with the ratio of the last to the first.
# Usage: bench/plume_memory.sh MOONHOP PICTURE-FOLDER [JUMPS]   (default 30 jumps)
set -u

if [ $# -lt 2 ]; then
    echo "usage: $0 MOONHOP PICTURE-FOLDER [JUMPS]" >&2
    exit 2
fi
game=$(realpath "$1")
pictures=$(realpath "$2")
jumps=${3:-30}

. "$(dirname "$0")/../tests/e2e/checks.sh"
require_display_and xdotool import convert identify

work=$(mktemp -d /tmp/moonhop-memory.XXXXXX)
pid=""
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }
resident_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"; }

capture() { # id file
    import -window "$1" "$2" 2>/dev/null
}
drawn() { # id
    capture "$1" "$work/drawn.png" && [ "$(colours "$work/drawn.png")" -gt 200 ]
}
# Plume pixels in the main view now.
plume_now() { # id
    capture "$1" "$work/plume.png" || {
        echo 0
        return
    }
    plume_pixels "$work/plume.png"
}
# Waits until the plume shows (yes) or has gone (no); false after the given number of looks.
wait_for_plume() { # id yes|no looks
    local n
    for _ in $(seq "$3"); do
        kill -0 "$pid" 2>/dev/null || return 1
        n=$(plume_now "$1")
        if [ "$2" = yes ] && [ "$n" -gt 50 ]; then return 0; fi
        if [ "$2" = no ] && [ "$n" -eq 0 ]; then return 0; fi
    done
    return 1
}

cp "$pictures/1DTexture_Moon.bmp" "$pictures/StarSphere.bmp" "$pictures/LandingDisk.bmp" \
    "$work/" || exit 1
start=$(now)
(cd "$work" && exec "$game" >stdout.txt 2>stderr.txt) &
pid=$!

view=$(window_id "$view_title") || view=""
cam=$(window_id "$cam_title") || cam=""
if [ -z "$view" ] || [ -z "$cam" ]; then
    echo "The game's windows did not appear."
    cat "$work/stdout.txt" "$work/stderr.txt"
    exit 1
fi
for id in "$view" "$cam"; do
    for _ in $(seq 600); do drawn "$id" && break; done
done
echo "first drawn frame of both windows: $(elapsed "$start" "$(now)") s after the start"
echo "resident at the first frames: $(resident_kb) kB"

# Full power: 12^4 particles, more than the pool holds.
xdotool windowfocus --sync "$view"
xdotool key p p p p p p p
first=""
for jump in $(seq "$jumps"); do
    # Only a lander that has landed takes off again.
    launched=""
    for _ in $(seq 60); do
        xdotool key x
        if wait_for_plume "$view" yes 3; then
            launched=1
            break
        fi
    done
    took_off=$(now)
    if [ -z "$launched" ] || ! wait_for_plume "$view" no 400; then
        echo "jump $jump: the plume did not come and go as expected; stopped."
        exit 1
    fi
    rss=$(resident_kb)
    [ -n "$first" ] || first=$rss
    echo "jump $jump: resident $rss kB, plume for $(elapsed "$took_off" "$(now)") s"
done
awk -v a="$first" -v b="$rss" -v n="$jumps" \
    'BEGIN { printf "resident after jump %d / after jump 1: %.3f\n", n, b / a }'

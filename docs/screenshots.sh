#!/usr/bin/env bash
# Makes the README's screenshots from the real program under a private Xvfb display.
# Usage: docs/screenshots.sh BUILD-FOLDER   (the folder holding moonhop and its pictures)
set -eu
if [ "${1:-}" != --inside ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$@"
fi
build=$(realpath "$2")
docs=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d /tmp/moonhop-shots.XXXXXX)
cp "$build"/1DTexture_Moon.bmp "$build"/StarSphere.bmp "$build"/LandingDisk.bmp "$work"/

shoot() {
    cd "$work"
    "$build/moonhop" >/dev/null &
    local pid=$!
    local view cam
    for _ in $(seq 100); do
        view=$(xdotool search --name '^Tavrilo : Vesk View - Pellimar$' | head -n 1) || true
        cam=$(xdotool search --name '^Tavrilo : Vesk Cam - Pellimar$' | head -n 1) || true
        [ -n "$view" ] && [ -n "$cam" ] && break
        sleep 0.1
    done
    sleep 2
    # Tilt the mast forward so the lander's camera sees the horizon, not only the sky.
    xdotool windowfocus --sync "$view"
    for _ in $(seq 27); do xdotool key Down; done
    sleep 1
    xdotool windowraise "$cam"
    sleep 0.5
    import -window "$cam" "$docs/lander-camera.png"
    # A jump: more power, a little pitch, and the plume on the way up.
    xdotool windowfocus --sync "$view"
    xdotool key --delay 30 p p p p a a a
    xdotool key x
    xdotool windowraise "$view"
    sleep 0.6
    import -window "$view" "$docs/main-view.png"
    xdotool windowfocus --sync "$cam"
    xdotool key space
    xdotool windowraise "$cam"
    sleep 1
    import -window "$cam" "$docs/top-view.png"
    kill "$pid"
    wait "$pid" || true
}

shoot
rm -rf "$work"
ls -l "$docs"/*.png

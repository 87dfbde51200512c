#!/usr/bin/env bash
# The page's frames held to the desktop's: plays every committed flight of the frame-scripted
# harness with the desktop program (system OpenGL) and in headless Chromium (the OpenGL 1.1
# layer on WebGL 2), and compares both windows at every saved frame: at least 98% of pixels
# within 4 levels (two different rasterisers). Starts Xvfb when no display is set.
# Usage: scripts/web-fidelity.sh [DESKTOP-BUILD [WEB-BUILD]] (default build-test and build-web)
# Exit status: 0 every frame met the target, 1 one did not or something failed. The pictures
# and the difference maps (red: beyond 4 levels) stay in the folder it names.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
desktop=${1:-$root/build-test}
web=${2:-$root/build-web}

cmake -S "$root" -B "$desktop" -G Ninja >/dev/null &&
    cmake --build "$desktop" --target moonhop_harness compare_pictures pictures || exit 1
emcmake cmake -S "$root" -B "$web" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null &&
    cmake --build "$web" --target moonhop_harness || exit 1
(cd "$root/tests/web" && [ -d node_modules ] || npm ci --no-audit --no-fund --loglevel=error) ||
    exit 1
. "$root/scripts/xvfb.sh"
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; true' EXIT
start_xvfb || exit 1

work=$(mktemp -d /tmp/moonhop-web-fidelity.XXXXXX)
failed=0
for script in "$root"/tests/harness/scripts/*.txt; do
    name=$(basename "$script" .txt)
    if ! (cd "$desktop" && ./moonhop_harness "$script" "$work/desktop/$name") \
        >"$work/desktop-$name.out" 2>&1; then
        echo "FAILED: $name on the desktop:" && cat "$work/desktop-$name.out"
        failed=1
        continue
    fi
    if ! node "$root/tests/web/harness_frames.js" "$web/harness-site" "$name.txt" \
        "$work/web/$name" >"$work/web-$name.out" 2>&1; then
        echo "FAILED: $name in the browser:" && cat "$work/web-$name.out"
        failed=1
        continue
    fi
    pairs=()
    for picture in "$work/desktop/$name"/*.ppm; do
        pairs+=("$picture" "$work/web/$name/$(basename "$picture")")
    done
    mkdir -p "$work/maps/$name"
    echo "== $name"
    "$desktop/compare_pictures" --map "$work/maps/$name" --within 4 0.98 "${pairs[@]}" || failed=1
done
echo "Pictures and difference maps: $work"
exit $failed

#!/usr/bin/env bash
# The OpenGL 1.1 layer on OpenGL ES 3.0 held to the system's OpenGL, each drawing in its own
# process: first the feature scenes (tests/gl11/scenes), then the game, whose every committed
# flight is played both ways with both windows compared at every saved frame. Each picture must
# have at least 99.5% of its pixels within 2 levels and no patch of more than 16 touching
# pixels beyond. Skips, saying why, where no OpenGL ES 3.0 context or no display can be had.
# Usage: test-gl11.sh [SYSTEM-BUILD [LAYER-BUILD]] (default build-test and build-gl11-test)
# With MOONHOP_GL11_KEEP=FOLDER the pictures, difference maps (red: beyond 2 levels) and the
# figures are kept there.
# Exit status: 0 passed or skipped, 1 a frame missed the target or something failed.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
system=${1:-$root/build-test}
layer=${2:-$root/build-gl11-test}

configure() { # folder cmake-arguments...
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}
configure "$system" &&
    cmake --build "$system" --target moonhop_harness gl11_scenes compare_pictures pictures ||
    exit 1
configure "$layer" -DMOONHOP_GL=gl11 &&
    cmake --build "$layer" --target moonhop_harness gl11_scenes gl11_es_probe pictures || exit 1

if ! renderer=$("$layer/tests/gl11/probe/gl11_es_probe"); then
    echo "The layer cannot draw here, skipped: $renderer"
    exit 0
fi
echo "Through the layer: $renderer"

work=$(mktemp -d /tmp/moonhop-gl11.XXXXXX)
failed=0

# compare NAME PICTURE-NAMES...: each picture of both sides, figures to the log too.
compare() {
    local name=$1 pairs=() picture
    shift
    for picture in "$@"; do
        pairs+=("$work/system/$name/$picture" "$work/layer/$name/$picture")
    done
    mkdir -p "$work/maps/$name"
    echo "== $name" | tee -a "$work/figures.txt"
    "$system/compare_pictures" --map "$work/maps/$name" "${pairs[@]}" | tee -a "$work/figures.txt"
    [ "${PIPESTATUS[0]}" -eq 0 ] || failed=1
}

for side in system layer; do
    dir=$system
    [ $side = layer ] && dir=$layer
    mkdir -p "$work/$side/scenes"
    "$dir/gl11_scenes" "$work/$side/scenes" >"$work/$side-scenes.out" 2>&1
    status=$?
    if [ $status -eq 77 ]; then
        echo "No context for the scenes through the $side's OpenGL, skipped: $(cat "$work/$side-scenes.out")"
        rm -rf "$work"
        exit 0
    fi
    if [ $status -ne 0 ]; then
        echo "FAILED: the scenes through the $side's OpenGL ended with status $status:"
        cat "$work/$side-scenes.out"
        failed=1
    fi
done
compare scenes $(cd "$work/system/scenes" && ls)
for script in "$root"/tests/harness/scripts/*.txt; do
    name=$(basename "$script" .txt)
    for side in system layer; do
        dir=$system
        [ $side = layer ] && dir=$layer
        (cd "$dir" && ./moonhop_harness "$script" "$work/$side/$name") >"$work/$side-$name.out" 2>&1
        status=$?
        if [ $status -eq 77 ]; then
            echo "No display for the game, skipped: $(cat "$work/$side-$name.out")"
            rm -rf "$work"
            exit 0
        fi
        if [ $status -ne 0 ]; then
            echo "FAILED: $name through the $side's OpenGL ended with status $status:"
            cat "$work/$side-$name.out"
            failed=1
            continue 2
        fi
    done
    compare "$name" $(cd "$work/system/$name" && ls)
done

if [ -n "${MOONHOP_GL11_KEEP:-}" ]; then
    mkdir -p "$MOONHOP_GL11_KEEP" && cp -r "$work"/. "$MOONHOP_GL11_KEEP"/
    echo "Pictures, difference maps and figures kept in $MOONHOP_GL11_KEEP"
fi

if [ $failed -ne 0 ]; then
    echo "The pictures and difference maps (red: beyond 2 levels) are kept in $work"
    exit 1
fi
rm -rf "$work"
echo "Every scene and frame through the layer is within the target."

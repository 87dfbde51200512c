#!/usr/bin/env bash
# The game drawn through the OpenGL 1.1 layer on OpenGL ES 3.0, held to the game drawn by the
# system's OpenGL: builds the harness both ways, plays every committed flight with each, and
# compares both windows at every saved frame (at least 99.5% of pixels within 2 levels, no
# patch of more than 16 touching pixels beyond). Skips, saying why, where no OpenGL ES 3.0
# context or no display can be had.
# Usage: test-gl11.sh [SYSTEM-BUILD [LAYER-BUILD]] (default build-test and build-gl11-test)
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
configure "$system" && cmake --build "$system" --target moonhop_harness compare_pictures pictures ||
    exit 1
configure "$layer" -DMOONHOP_GL=gl11 &&
    cmake --build "$layer" --target moonhop_harness gl11_es_probe pictures || exit 1

if ! renderer=$("$layer/tests/gl11/probe/gl11_es_probe"); then
    echo "The layer cannot draw here, skipped: $renderer"
    exit 0
fi
echo "Through the layer: $renderer"

work=$(mktemp -d /tmp/moonhop-gl11.XXXXXX)
failed=0
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
    pairs=()
    for picture in "$work/system/$name"/*.ppm; do
        pairs+=("$picture" "$work/layer/$name/$(basename "$picture")")
    done
    mkdir -p "$work/maps/$name"
    echo "== $name"
    "$system/compare_pictures" --map "$work/maps/$name" "${pairs[@]}" || failed=1
done

if [ $failed -ne 0 ]; then
    echo "The pictures and difference maps (red: beyond 2 levels) are kept in $work"
    exit 1
fi
rm -rf "$work"
echo "Every frame through the layer is within the target."

#!/usr/bin/env bash
# Builds the program and its tests as native Windows executables with mingw-w64 and runs the
# whole suite under Wine. Starts Xvfb when no display is set: the tests open real windows.
# Usage: scripts/test-windows.sh [build-folder]   (default: build-win)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-win}
"$root/scripts/deps.sh" g++-mingw-w64-x86-64 wine64

wine=""
for candidate in /usr/lib/wine/wine64 "$(command -v wine64 || true)"; do
    [ -n "$candidate" ] && [ -x "$candidate" ] && wine=$candidate && break
done
if [ -z "$wine" ]; then
    echo "error: wine64 is installed but its loader was not found" >&2
    exit 1
fi

. "$root/scripts/xvfb.sh"
cleanup() {
    # Wine's server outlives the last program by a few seconds; end it with the run.
    WINEPREFIX="$dir/wineprefix" "$(dirname "$wine")/wineserver" -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
start_xvfb

echo "== Windows build (optimised as the Linux one, without debug information), tests under Wine"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" -DMOONHOP_WINE="$wine" >/dev/null
cmake --build "$dir"
# The pointer in a corner, away from the windows the tests open: a pointer over a new window
# sends it mouse messages.
xdotool mousemove $(xdotool getdisplaygeometry | awk '{ print $1 - 1, $2 - 1 }') 2>/dev/null || true
# One test at a time: Wine delivers activation across processes, and a test that is busy
# would hold up another that shows a window. A failed test runs once more: now and then a
# Wine program dies as it starts, before any of our code runs.
(cd "$dir" && ctest --output-on-failure --timeout 300 --repeat until-pass:2)

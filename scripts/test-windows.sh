#!/usr/bin/env bash
# Builds the program and its tests as native Windows executables with mingw-w64 and runs the
# whole suite under Wine. Starts Xvfb when no display is set: the tests open real windows.
# Usage: scripts/test-windows.sh [build-folder]   (default: build-win)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-win}
"$root/scripts/deps.sh" g++-mingw-w64-x86-64 wine64

. "$root/scripts/windows.sh"
find_wine

. "$root/scripts/xvfb.sh"
cleanup() {
    stop_wine "$dir/wineprefix"
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
start_xvfb

echo "== Windows build (optimised as the Linux one, without debug information), tests under Wine"
configure_windows "$root" "$dir"
cmake --build "$dir"
# The pointer in a corner, away from the windows the tests open: a pointer over a new window
# sends it mouse messages.
xdotool mousemove $(xdotool getdisplaygeometry | awk '{ print $1 - 1, $2 - 1 }') 2>/dev/null || true
# One test at a time: Wine delivers activation across processes, and a test that is busy
# would hold up another that shows a window. No test runs again, with one exception that is
# Wine's own and that cmake/wine-run.sh names when it happens: a test program Wine ended before
# its main ran.
(cd "$dir" && ctest --output-on-failure --timeout 300)

#!/usr/bin/env bash
# Checks what `cmake --install BUILD --prefix DIR` makes of a build in the folder layout: the
# program and its three pictures side by side, as they were built, and nothing else.
# Usage: install_folder_test.sh BUILD-FOLDER PROGRAM-FILE-NAME
set -u
build=$1
program=$2
scratch=$(mktemp -d /tmp/moonhop-install.XXXXXX)
trap 'rm -rf "$scratch"' EXIT

. "$(dirname "$0")/../e2e/checks.sh"

if ! cmake --install "$build" --prefix "$scratch/game" >"$scratch/log" 2>&1; then
    cat "$scratch/log"
    echo "FAIL - cmake --install"
    exit 1
fi
found=$(cd "$scratch/game" && find . -mindepth 1 | sort | tr '\n' ' ')
expect "the folder holds the program and the three pictures, nothing else (found: $found)" \
    test "$found" = "./1DTexture_Moon.bmp ./LandingDisk.bmp ./StarSphere.bmp ./$program "
expect "the program can be run" test -x "$scratch/game/$program"
for name in 1DTexture_Moon.bmp StarSphere.bmp LandingDisk.bmp; do
    expect "$name is the one the build painted" cmp -s "$build/$name" "$scratch/game/$name"
done

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed."
    exit 1
fi
echo "All checks passed."

#!/usr/bin/env bash
# Builds moonhop and starts it in the build folder, where the build painted its pictures.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "moonhop needs a graphical display and none is set (DISPLAY is empty); not starting." >&2
    exit 1
fi
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMOONHOP_TESTS=OFF >/dev/null
cmake --build "$root/build" --target moonhop
cd "$root/build"
exec ./moonhop "$@"

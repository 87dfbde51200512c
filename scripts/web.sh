#!/usr/bin/env bash
# Builds moonhop for the browser and serves it on this machine, printing the page's address.
# The page and everything it loads end up in one folder, build-web/site, which any static web
# host can serve as it is. Installs Debian's Emscripten first (as root), or names the packages.
# Usage: scripts/web.sh [--build-only] [PORT]    (the port is 8080 unless given)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
serve=1
port=8080
for arg in "$@"; do
    case $arg in
    --build-only) serve=0 ;;
    '' | *[!0-9]*)
        echo "usage: scripts/web.sh [--build-only] [PORT]" >&2
        exit 2
        ;;
    *) port=$arg ;;
    esac
done

# The pictures are painted by a build of the tools for this machine, hence g++ as well.
"$root/scripts/deps.sh" --only cmake ninja-build g++ emscripten
emcmake cmake -S "$root" -B "$root/build-web" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build-web" --target moonhop
[ "$serve" = 1 ] || exit 0
exec node "$root/scripts/web-serve.js" "$root/build-web/site" "$port"

#!/usr/bin/env bash
# The browser build and its tests in headless Chromium: the backend on its own with a probe
# program that echoes what the page hands it, then the game played end to end. Installs Emscripten, Chromium and the npm
# library that drives Chromium; skips, saying why, where Emscripten or Chromium cannot be
# installed.
# Usage: scripts/test-web.sh
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$root/build-web

if ! "$root/scripts/deps.sh" --only cmake ninja-build g++ emscripten chromium; then
    echo "Skipped: the browser tests need Emscripten and Chromium, which cannot be installed here."
    exit 0
fi
# Node's own packages may bring npm with them; Debian's is installed only where none is.
if ! command -v npm >/dev/null && ! "$root/scripts/deps.sh" --only npm; then
    echo "Skipped: the browser tests need npm, which cannot be installed here."
    exit 0
fi

set -e
echo "== The library that drives Chromium (tests/web/package-lock.json)"
(cd "$root/tests/web" && npm ci --no-audit --no-fund --loglevel=error)
echo "== Browser build"
emcmake cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" --target window_probe moonhop
status=0
echo "== The backend in headless Chromium, with a probe program"
node "$root/tests/web/page_test.js" "$dir/probe-site" || status=1
echo "== The game in headless Chromium"
node "$root/tests/web/game_test.js" "$dir/site" || status=1
exit $status

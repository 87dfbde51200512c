#!/usr/bin/env bash
# Builds and runs every test: the normal build, then the sanitizer build. Starts Xvfb when no
# display is set, since the tests that draw need an X server.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" clang libclang-rt-14-dev

. "$root/scripts/xvfb.sh"
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
start_xvfb

# SDL complains on every start when this is missing.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR=$(mktemp -d)
fi

jobs=$(nproc)
run_suite() { # build-folder extra-cmake-args...
    local dir=$1; shift
    cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir"
    # A failed test runs once more, so that a rare stall of the X server or the driver does not
    # fail the run; a real fault fails both times.
    (cd "$dir" && ctest --output-on-failure -j "$jobs" --timeout 600 --repeat until-pass:2)
}

echo "== Tests"
run_suite "$root/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== Tests with AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DMOONHOP_SANITIZE=ON
echo "== Fuzz smoke of the picture readers"
bash "$root/scripts/fuzz-smoke.sh" 20

bash "$root/scripts/test-windows.sh" "$root/build-win"
bash "$root/scripts/test-packages.sh"

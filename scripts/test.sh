#!/usr/bin/env bash
# Builds and runs every test: the plain build, the sanitizer build, the game drawn through the
# OpenGL 1.1 layer against the system's OpenGL, a fuzz smoke of the picture readers, the
# Windows build under Wine, the browser build in headless Chromium, and the packages as a
# player installs them. Starts Xvfb when no display is set, since the tests that draw need an
# X server. Every stage runs even when one before it failed; the summary at the end names the
# stages that failed, and the exit status is 1 if any did.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" clang libclang-rt-14-dev || exit 1
. "$root/scripts/suites.sh"
prepare_display || exit 1

suite() { build_suite "$1" && run_suite "$1"; }

stage "Tests" suite plain
stage "Tests with AddressSanitizer and UndefinedBehaviorSanitizer" suite sanitize
stage "The game through the OpenGL 1.1 layer against the system's OpenGL" \
    bash "$root/scripts/test-gl11.sh" "$(suite_dir plain)"
stage "Fuzz smoke of the picture readers" bash "$root/scripts/fuzz-smoke.sh" 20
stage "Windows build, tests under Wine" bash "$root/scripts/test-windows.sh" "$root/build-win"
stage "Browser build, tests in headless Chromium" bash "$root/scripts/test-web.sh"
stage "Packages, installed and played" bash "$root/scripts/test-packages.sh"

stages_passed

#!/usr/bin/env bash
# Runs the Linux suites, plain and sanitizer, while stress-ng keeps every core busy with two
# CPU workers per core: the tests must hold on a machine that is doing other work.
# Usage: scripts/test-under-load.sh            both whole suites, once each
#        scripts/test-under-load.sh --e2e N    the end-to-end tests of both builds, N rounds
# The builds are made before the load starts. Prints each run's time and result; the exit
# status is 1 if any run failed.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=0
if [ "${1:-}" = --e2e ]; then
    rounds=${2:-}
    if ! [ "$rounds" -ge 1 ] 2>/dev/null; then
        echo "usage: $0 [--e2e ROUNDS]" >&2
        exit 2
    fi
fi
"$root/scripts/deps.sh" stress-ng || exit 1
. "$root/scripts/suites.sh"
prepare_display || exit 1

for name in plain sanitize; do
    echo "== Building the $name suite"
    build_suite "$name" >/dev/null || { echo "error: the $name build failed" >&2; exit 1; }
done

workers=$((2 * $(nproc)))
stress-ng --cpu "$workers" --quiet &
stress=$!
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; kill "$stress" 2>/dev/null; wait "$stress" 2>/dev/null; true' EXIT
echo "== Load: $workers CPU workers on $(nproc) cores"

if [ "$rounds" -eq 0 ]; then
    stage "plain suite" run_suite plain
    stage "sanitizer suite" run_suite sanitize
else
    for round in $(seq "$rounds"); do
        for name in plain sanitize; do
            stage "round $round, $name end-to-end tests" run_suite "$name" -R '^game_'
        done
    done
fi
stages_passed

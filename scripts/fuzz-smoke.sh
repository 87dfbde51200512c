#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each briefly from our own seed corpus (fuzz/make-seeds.py): about a minute together. An
# input that takes more than 10 s counts as a finding, as a crash does.
# Usage: scripts/fuzz-smoke.sh [seconds per target, default 20]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
build=${FUZZ_BUILD:-"$root/build-fuzz"}
if ! command -v clang++ >/dev/null; then
    echo "error: clang++ is needed for the fuzz targets" >&2
    exit 1
fi
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMOONHOP_FUZZ=ON -DMOONHOP_SANITIZE=ON -DMOONHOP_TESTS=OFF >/dev/null
targets=(fuzz_read_bmp fuzz_read_tga fuzz_load)
cmake --build "$build" --target "${targets[@]}" write_bitmap_seeds

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$root/fuzz/make-seeds.py" "$work/seeds" "$build/fuzz/write_bitmap_seeds"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in "${targets[@]}"; do
    seeds=${target#fuzz_}
    seeds=${seeds#read_}
    mkdir -p "$work/corpus-$seeds"
    # Corpus folders are absolute: the targets work in a scratch folder of their own.
    if "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$work/" "$work/corpus-$seeds" "$work/seeds/$seeds" >"$work/$target.log" 2>&1; then
        echo "$target: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/$target.log" | grep -o '[0-9]*$') runs, no finding"
    else
        echo "$target: FAILED" >&2
        tail -n 40 "$work/$target.log" >&2
        status=1
    fi
done
exit $status

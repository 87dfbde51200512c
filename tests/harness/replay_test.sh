#!/usr/bin/env bash
# Plays one harness script twice and checks that both runs saved the same bytes, that the
# pictures are the scenes the script asks for (full-size windows with many colours, not a
# cleared or black buffer), and that the first and the last saved frame differ in each window.
# Run it in the folder that holds the game's pictures.
# Usage: replay_test.sh HARNESS PICTURE-FACTS SCRIPT
# Exit status: 0 all checks passed, 1 some failed, 77 skipped (no display).
set -u

if [ $# -ne 3 ]; then
    echo "usage: $0 HARNESS PICTURE-FACTS SCRIPT" >&2
    exit 2
fi
harness=$1
facts=$2
script=$3
# A scene has stars, shading and blending: thousands of colours. A cleared buffer has one.
least_colours=500

if [ -z "${DISPLAY:-}" ]; then
    echo "No X display: skipped."
    exit 77
fi

work=$(mktemp -d /tmp/moonhop-replay.XXXXXX)
failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}

for run in first second; do
    "$harness" "$script" "$work/$run" >"$work/$run.out" 2>&1
    status=$?
    if [ $status -eq 77 ]; then
        cat "$work/$run.out"
        rm -rf "$work"
        exit 77
    fi
    [ $status -eq 0 ] || fail "the $run run ended with status $status; it said: $(cat "$work/$run.out")"
done

# The saves the script asks for: main-NNNN.ppm and cam-NNNN.ppm for each saved frame.
frames=$(awk '$2 == "save" { printf "%04d\n", $1 }' "$script")
expected=$(for f in $frames; do echo "cam-$f.ppm"; echo "main-$f.ppm"; done | sort)
[ -n "$expected" ] || fail "the script saves nothing"
for run in first second; do
    saved=$(cd "$work/$run" 2>/dev/null && ls | sort)
    [ "$saved" = "$expected" ] || fail "the $run run saved [$(echo $saved)], expected [$(echo $expected)]"
done

for file in $expected; do
    cmp -s "$work/first/$file" "$work/second/$file" ||
        fail "$file differs between the runs: $(cmp "$work/first/$file" "$work/second/$file" 2>&1 | head -1)"
    # picture_facts prints: file width height colours
    read -r _ width height colours <<<"$("$facts" "$work/first/$file")"
    echo "$file: ${width:-?} x ${height:-?}, ${colours:-?} colours"
    case $file in
    main-*) size="670 400" ;;
    cam-*) size="580 300" ;;
    esac
    [ "${width:-} ${height:-}" = "$size" ] || fail "$file is ${width:-?} x ${height:-?}, expected ${size/ / x }"
    [ "${colours:-0}" -gt $least_colours ] || fail "$file has ${colours:-no} colours, at most $least_colours"
done

first=$(echo "$frames" | head -1)
last=$(echo "$frames" | tail -1)
if [ "$first" != "$last" ]; then
    for window in main cam; do
        ! cmp -s "$work/first/$window-$first.ppm" "$work/first/$window-$last.ppm" ||
            fail "$window-$first.ppm and $window-$last.ppm are the same picture"
    done
fi

if [ $failed -ne 0 ]; then
    echo "The pictures are kept in $work"
    exit 1
fi
rm -rf "$work"
echo "Both runs saved the same $(echo $expected | wc -w) pictures."

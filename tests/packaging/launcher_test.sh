#!/usr/bin/env bash
# Checks the installed game's launcher against a scratch tree in the games layout, with a
# stand-in for the program that reports where and how it was started: the program runs in
# the pictures' folder, from wherever and through whatever link the launcher is started, gets
# the arguments unchanged and its exit status is passed on; without the pictures' folder the
# program is not started at all.
# Usage: launcher_test.sh LAUNCHER PROGRAM-DIR DATA-DIR   (the two folders relative to the prefix)
set -u
launcher=$(realpath "$1")
program_dir=$2
data_dir=$3

. "$(dirname "$0")/../e2e/checks.sh"

scratch=$(mktemp -d /tmp/moonhop-launcher.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
# A prefix with a space in it: the launcher must quote its paths.
prefix="$scratch/a prefix"
mkdir -p "$prefix/games" "$prefix/$program_dir" "$prefix/$data_dir" "$scratch/elsewhere" "$scratch/bin"
cp "$launcher" "$prefix/games/moonhop"
report="$scratch/report"
cat >"$prefix/$program_dir/moonhop" <<STANDIN
#!/bin/sh
pwd -P >"$report"
for argument in "\$@"; do echo "[\$argument]" >>"$report"; done
exit 3
STANDIN
chmod +x "$prefix/$program_dir/moonhop"
data=$(realpath "$prefix/$data_dir")
expected=$(printf '%s\n' "$data" "[two words]" "[--x]")

# Started by its path, then through a link in another folder, both from an unrelated folder.
ln -s "$prefix/games/moonhop" "$scratch/bin/moonhop"
for start in "$prefix/games/moonhop" "$scratch/bin/moonhop"; do
    rm -f "$report"
    status=0
    (cd "$scratch/elsewhere" && "$start" "two words" --x) || status=$?
    expect "started as $start: the program runs in the pictures' folder with the arguments" \
        test "$(cat "$report" 2>/dev/null)" = "$expected"
    expect "started as $start: its exit status 3 is passed on (got $status)" test "$status" = 3
done

rm -f "$report"
rmdir "$prefix/$data_dir"
status=0
(cd "$scratch/elsewhere" && "$prefix/games/moonhop" 2>"$scratch/errors") || status=$?
expect "without the pictures' folder the launcher fails naming it (status $status: $(cat "$scratch/errors"))" \
    grep -q "$data_dir" "$scratch/errors"
expect "... with a failure status" test "$status" != 0
expect "without the pictures' folder the program is not started" test ! -e "$report"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed."
    exit 1
fi
echo "All checks passed."

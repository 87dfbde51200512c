#!/usr/bin/env bash
# Makes an X server reset just as a program opens the display, every time, and checks that the
# program passes all the same. The server is started as xvfb-run starts it, resetting whenever
# its last client leaves. A helper grabs it, so that it lets the program's first connection in
# but does not set it up; once it has, the helper (its last client) leaves, the server resets
# and drops that connection. A program that holds on to the display must wait that out.
# Usage: display_reset.sh GRAB-TOOL COMMAND...   (COMMAND runs with DISPLAY set to that server)
# Exit status: 0 all checks passed, 1 some failed, 77 skipped (no Xvfb or ss).
set -u

if [ $# -lt 2 ]; then
    echo "usage: $0 GRAB-TOOL COMMAND..." >&2
    exit 2
fi
grab=$(realpath "$1")
shift

. "$(dirname "$0")/checks.sh"
. "$(dirname "$0")/../../scripts/xvfb.sh"
for tool in Xvfb ss xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is missing: skipped."
        exit 77
    fi
done

work=$(mktemp -d /tmp/moonhop-display-reset.XXXXXX)
pid=""
grabber=""
cleanup() {
    exec 3>&-
    [ -n "$grabber" ] && kill "$grabber" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    finish_work
}
trap cleanup EXIT

# No -noreset: the server resets as xvfb-run's does.
launch_xvfb -screen 0 1280x1024x24 >"$work/display" || exit 1
server=$xvfb_pid
export DISPLAY=":$(cat "$work/display")"
mark=MOONHOP_BEFORE_RESET

grabbed() { [ -s "$work/grabbed" ]; }

# True once the server has let in a connection from a client other than the grabber and the
# end-to-end scripts' probes (short-lived tools that hold nothing), and the grab keeps it from
# being set up.
admitted() {
    ss -xpH 2>/dev/null | awk -v server="pid=$server," -v grabber="pid=$grabber," '
        index($0, server) { served[$8] = 1; next }
        index($0, grabber) || /"(xdotool|xwininfo|import)"/ { next }
        /users:/ { client[$6] = 1 }
        END { for (inode in client) if (inode in served) found = 1; exit !found }'
}

# The root window has lost the grabber's mark: the server has reset since. Asks again while
# the server drops the question (a reset under way).
mark_gone() {
    local attempt
    for attempt in $(seq 50); do
        seen=$(xprop -root "$mark" 2>&1) && break
    done
    [[ "$seen" == "$mark:"* && "$seen" != *" = "* ]]
}

mkfifo "$work/hold"
"$grab" "$mark" <"$work/hold" >"$work/grabbed" 2>&1 &
grabber=$!
exec 3>"$work/hold"
pid=$grabber
wait_until 30 grabbed
expect "a helper grabs the server" grabbed

echo "# $*"
"$@" 3>&- >"$work/output" 2>&1 &
pid=$!
wait_until 60 admitted
expect "the server lets the program's first connection in and holds it there" admitted

# The grabber, the last client set up, leaves.
exec 3>&-
wait "$grabber"
grabber=""
mark_gone
expect "the server resets as the program starts: the root window's mark is gone ($seen)" \
    test $? = 0

wait "$pid"
status=$?
pid=""
sed 's/^/    /' "$work/output"
expect "the program passes all the same (status $status)" test "$status" = 0

conclude

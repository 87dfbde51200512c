#!/bin/sh
# Runs a Windows program under Wine in the build's own prefix, which it makes on first use.
# Usage: wine-run.sh WINE PREFIX PROGRAM [ARGS...]
# The prefix is set up for unattended tests: a crash ends the process instead of starting the
# debugger, and windows are unmanaged (with no window manager on Xvfb, hiding a managed window
# waits two seconds for one).
set -e
wine=$1
prefix=$2
shift 2
export WINEPREFIX="$prefix" WINEDEBUG="${WINEDEBUG:--all}" WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -e "$prefix/.ready" ]; then
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [ ! -e "$prefix/.ready" ]; then
            "$wine" wineboot -i >"$prefix.log" 2>&1 9>&-
            "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
                /v Debugger /d false /f >>"$prefix.log" 2>&1 9>&-
            "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
                /v Auto /d 1 /f >>"$prefix.log" 2>&1 9>&-
            "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$prefix.log" 2>&1 9>&-
            touch "$prefix/.ready"
        fi
    ) 9>"$prefix.lock" </dev/null
fi
# A server that waits a minute for the next program saves starting one (and Wine's services)
# for every test; it refuses quietly when one is already running.
"$(dirname "$wine")/wineserver" -p60 </dev/null >/dev/null 2>&1 || true
# Wine starts helpers (its server, the desktop, services) that outlive the program; they must
# not inherit our output, or whoever reads it (ctest) waits for them. So the program writes
# to files, shown when it ends.
out=$(mktemp)
err=$(mktemp)
run() {
    status=0
    "$wine" "$@" >"$out" 2>"$err" || status=$?
}
run "$@"
# The one failure that is Wine's own, not the program's: now and then Wine ends a program as it
# starts, before the program's main has run. A test program's main prints GoogleTest's banner
# first, so a test program that failed without a word never ran; it runs once more, and says so.
# Anything else that fails, fails.
case $1 in
*_tests.exe)
    if [ "$status" != 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ]; then
        echo "wine-run: Wine ended $1 with status $status before its main ran; running it once more" >&2
        run "$@"
    fi
    ;;
esac
cat "$out"
cat "$err" >&2
rm -f "$out" "$err"
[ "$status" = 0 ] || echo "wine-run: $1 ended with status $status" >&2
exit "$status"

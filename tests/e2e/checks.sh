# Sourced by the end-to-end scripts: the windows' titles, check reporting, and finding a window.
# The sourcing script keeps the game's process id in $pid.

view_title="Tavrilo : Vesk View - Pellimar"
cam_title="Tavrilo : Vesk Cam - Pellimar"

# Exits with 77 (skipped) when there is no display or one of the named tools is missing.
require_display_and() { # tool...
    if [ -z "${DISPLAY:-}" ]; then
        echo "No X display: skipped."
        exit 77
    fi
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "$tool is missing: skipped."
            exit 77
        fi
    done
}

failures=0
pass() { echo "ok   - $*"; }
fail() {
    echo "FAIL - $*"
    failures=$((failures + 1))
}
expect() { # description command...
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

# Prints the id of the window with exactly this title, waiting up to 60 seconds for it.
window_id() { # title
    local id
    for _ in $(seq 600); do
        id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

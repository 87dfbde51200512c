# Sourced by the test scripts: the two Linux builds of the suite (plain, and with
# AddressSanitizer and UndefinedBehaviorSanitizer) and how their tests run. Needs $root.

# The build folder of a suite: plain or sanitize.
suite_dir() {
    case $1 in
    plain) echo "$root/build-test" ;;
    sanitize) echo "$root/build-asan" ;;
    *) echo "unknown suite: $1" >&2; return 2 ;;
    esac
}

build_suite() { # plain|sanitize
    local dir
    dir=$(suite_dir "$1") || return
    case $1 in
    plain) cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null ;;
    sanitize) cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMOONHOP_SANITIZE=ON \
        >/dev/null ;;
    esac && cmake --build "$dir"
}

# Runs a suite's tests; further arguments go to ctest (say, -R to choose tests). A test that
# fails is a fault to find: nothing is run again.
run_suite() { # plain|sanitize [ctest arguments...]
    local name=$1 dir
    shift
    dir=$(suite_dir "$name") || return
    (
        if [ "$name" = sanitize ]; then
            export ASAN_OPTIONS=detect_leaks=1
            export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
            export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
            # Mesa's software rasteriser keeps worker threads until exit, and the leak checker
            # that stops them then can crash in its own tracer ("Tracer caught signal 11"), a
            # fault of the sanitizer's runtime seen once in a whole run. Drawing on the calling
            # thread gives the same pictures and leaves the checker one thread to stop.
            export LP_NUM_THREADS=0
        fi
        cd "$dir" && ctest --output-on-failure -j "$(nproc)" --timeout 600 "$@"
    )
}

# An X display for the tests that draw (Xvfb when none is set), and the runtime folder SDL
# complains about on every start when it is missing. Stops the server on exit.
prepare_display() {
    . "$root/scripts/xvfb.sh"
    trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; true' EXIT
    start_xvfb || return
    if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
        XDG_RUNTIME_DIR=$(mktemp -d)
        export XDG_RUNTIME_DIR
    fi
}

# Runs a command as one stage of a longer run, saying how long it took and at what load; a
# stage that fails adds its title to `failed`, and the others still run.
failed=()
stage() { # title command...
    local title=$1 start=$SECONDS verdict
    shift
    echo "== $title"
    if "$@"; then
        verdict="passed in"
    else
        verdict="FAILED after"
        failed+=("$title")
    fi
    echo "== $title: $verdict $((SECONDS - start)) s (load average $(cut -d' ' -f1 /proc/loadavg))"
}

# Names the stages that failed; false if any did.
stages_passed() {
    if [ ${#failed[@]} -gt 0 ]; then
        printf 'Failed: %s\n' "${failed[@]}"
        return 1
    fi
    echo "Every stage passed."
}

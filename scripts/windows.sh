# Sourced by the scripts that cross-build for Windows and run the result under Wine.

# Sets wine to the 64-bit Wine loader, or fails with a message when it is not found.
find_wine() {
    local candidate
    wine=""
    for candidate in /usr/lib/wine/wine64 "$(command -v wine64 || true)"; do
        [ -n "$candidate" ] && [ -x "$candidate" ] && wine=$candidate && return 0
    done
    echo "error: wine64 is installed but its loader was not found" >&2
    return 1
}

# Ends the Wine server of a prefix: it outlives the last program by a minute.
stop_wine() { # prefix
    [ -n "${wine:-}" ] && WINEPREFIX="$1" "$(dirname "$wine")/wineserver" -k 2>/dev/null || true
}

# Configures a cross build with mingw-w64, optimised as the Linux one but without debug
# information; programs the build runs (the picture painter, tests) run under $wine.
configure_windows() { # source-folder build-folder extra-cmake-args...
    local source=$1 build=$2
    shift 2
    cmake -S "$source" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
        -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" -DMOONHOP_WINE="$wine" "$@" >/dev/null
}

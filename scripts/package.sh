#!/usr/bin/env bash
# Makes the two packages a player installs: the Debian package, from a native build in
# Debian's layout for games, and the Windows zip, from the mingw-w64 cross build.
# Usage: scripts/package.sh [output-folder]   (default: build-package)
# The packages land in the output folder, the builds in deb/ and win/ below it.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/build-package}" && cd "${1:-$root/build-package}" && pwd)
"$root/scripts/deps.sh" dpkg-dev g++-mingw-w64-x86-64 wine64

. "$root/scripts/windows.sh"
find_wine
trap 'stop_wine "$out/win/wineprefix"' EXIT

# Runs CPack in a build folder and moves the package it made to the output folder.
pack() { # build-folder
    rm -rf "$1/cpack"
    (cd "$1" && cpack -B "$1/cpack" >/dev/null)
    find "$1/cpack" -maxdepth 1 -type f \( -name '*.deb' -o -name '*.zip' \) -exec mv {} "$out/" \;
}

echo "== Debian package"
rm -f "$out"/*.deb "$out"/*.zip
# The compiler and linker flags of Debian's own packages (hardening included); the same
# release build as elsewhere otherwise.
flags() { (cd "$root" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"); }
cmake -S "$root" -B "$out/deb" -G Ninja -DCMAKE_BUILD_TYPE=None -DMOONHOP_TESTS=OFF \
    -DMOONHOP_INSTALL_LAYOUT=games -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_C_FLAGS="$(flags CFLAGS) $(flags CPPFLAGS) -DNDEBUG" \
    -DCMAKE_CXX_FLAGS="$(flags CXXFLAGS) $(flags CPPFLAGS) -DNDEBUG" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" >/dev/null
cmake --build "$out/deb"
pack "$out/deb"

echo "== Windows zip"
configure_windows "$root" "$out/win" -DMOONHOP_TESTS=OFF
cmake --build "$out/win"
pack "$out/win"

echo "Made:"
ls -1 "$out"/*.deb "$out"/*.zip

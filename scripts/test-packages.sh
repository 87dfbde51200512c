#!/usr/bin/env bash
# Tests the packages the way a player gets them. Makes both (scripts/package.sh); checks the
# Debian package's files, dependencies, lintian's verdict, its menu entry and its software
# centre entry; installs it, checks that its dependencies bring every library the game loads,
# plays the installed game through its launcher from an unrelated folder and removes it again,
# checking that nothing is left behind; installs it with apt on a clean minimal Debian made for
# the purpose and plays it there; then unpacks the Windows zip into a scratch folder, checks
# that the program imports only system DLLs, and plays it from there under Wine.
# Usage: scripts/test-packages.sh [output-folder]   (default: build-package)
# Skipped, with the reason, where a package cannot be installed: not root, or no dpkg.
# Whatever it installed is removed however it ends (interrupted too). On a machine that already
# has a moonhop package, the build under test is installed over it and, at the end, left
# installed in its place, so that the machine still has a moonhop.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build-package}

if ! command -v dpkg >/dev/null || ! command -v apt-get >/dev/null; then
    echo "== Packages: skipped: not a Debian system (no dpkg or apt-get)"
    exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
    echo "== Packages: skipped: installing the Debian package (dpkg -i) needs root"
    exit 0
fi
# dpkg's state of moonhop on this machine, and whether a moonhop is there (however far its
# installation got; a removed one's configuration does not count).
moonhop_state() { dpkg-query -W -f='${db:Status-Status}' moonhop 2>/dev/null || true; }
present() { case $(moonhop_state) in "" | not-installed | config-files) return 1 ;; esac; }
had_moonhop=0
if present; then
    had_moonhop=1
    echo "moonhop $(dpkg-query -W -f='${Version}' moonhop) is installed on this machine: the" \
        "build under test is installed over it, and left installed in its place at the end."
fi
"$root/scripts/deps.sh" lintian desktop-file-utils appstream debootstrap
bash "$root/scripts/package.sh" "$out"
deb=$(ls "$out"/moonhop_*.deb)
zip=$(ls "$out"/moonhop-*-win64.zip)

. "$root/scripts/xvfb.sh"
. "$root/scripts/windows.sh"
. "$root/tests/e2e/checks.sh"
find_wine
scratch=$(mktemp -d /tmp/moonhop-packages.XXXXXX)
# Whether this script may have changed what dpkg has installed (set just before its dpkg -i),
# and whether the build under test is what is installed now.
touched=0
ours=0
# Leaves the machine with a moonhop package if and only if it had one: then the build under test.
restore_moonhop() {
    [ "$touched" = 1 ] || return 0
    if [ "$had_moonhop" = 0 ]; then
        present || return 0
        echo "Removing the moonhop package this test installed."
        dpkg -r moonhop >/dev/null 2>&1 || echo "warning: dpkg -r moonhop failed" >&2
        return 0
    fi
    if [ "$ours" = 0 ] || [ "$(moonhop_state)" != installed ]; then
        echo "This machine had a moonhop package before the test: installing the tested build again."
        if ! dpkg -i "$deb" >/dev/null 2>&1; then
            echo "warning: dpkg -i $deb failed: moonhop is not installed any more" >&2
            return 0
        fi
        ours=1
    fi
    echo "moonhop stays installed, as it was before the test: now the tested build," \
        "$(basename "$deb")."
}
cleanup() {
    trap '' INT TERM HUP
    restore_moonhop
    stop_wine "$out/win/wineprefix"
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
# An interrupted run ends through the cleanup too.
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP
start_xvfb
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$scratch/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
park_pointer || true

echo "== Debian package $(basename "$deb")"
# The name software centres know the game by, which its menu entry's name follows.
app=io.moonhop.moonhop
dpkg-deb -c "$deb" | awk '{ print $1, $2, $6 }' | tee "$scratch/contents"
listed() { grep -q " \\./$1\$" "$scratch/contents"; }
for path in usr/games/moonhop usr/lib/games/moonhop/moonhop \
    usr/share/games/moonhop/{1DTexture_Moon,StarSphere,LandingDisk}.bmp \
    usr/share/applications/$app.desktop usr/share/metainfo/$app.metainfo.xml \
    usr/share/man/man6/moonhop.6.gz \
    usr/share/doc/moonhop/copyright usr/share/doc/moonhop/changelog.gz \
    usr/share/icons/hicolor/{32x32,48x48,64x64,128x128,256x256}/apps/moonhop.png; do
    expect "the package holds /$path" listed "$path"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
needs() { grep -q "$1" <<<"$depends"; }
for library in libsdl2-2.0-0 libpng16-16 libjpeg62-turbo libopengl0; do
    expect "the dependencies, worked out from the program, name $library" needs "$library"
done
lintian --pedantic -I -E "$deb" >"$scratch/lintian" 2>&1 || true
cat "$scratch/lintian"
expect "lintian reports no error" test -z "$(grep '^E:' "$scratch/lintian" || true)"
dpkg-deb -x "$deb" "$scratch/unpacked"
expect "desktop-file-validate accepts the menu entry" \
    desktop-file-validate "$scratch/unpacked/usr/share/applications/$app.desktop"
# appstreamcli with every hint, pedantic ones included: true when it has nothing to say.
appstream_silent() { # appstreamcli-arguments...
    local said status=0
    said=$(appstreamcli "$@" --pedantic --no-net 2>&1) || status=$?
    echo "$said"
    [ "$status" = 0 ] && ! grep -qE '^ *[EWIP]: ' <<<"$said"
}
expect "appstreamcli validate finds nothing to say of the software centre entry" \
    appstream_silent validate "$scratch/unpacked/usr/share/metainfo/$app.metainfo.xml"
expect "appstreamcli validate-tree accepts the installed tree: the menu entry it names is there" \
    appstream_silent validate-tree "$scratch/unpacked"

# What is there before installing, to tell afterwards what the package left behind; of a
# moonhop installed already, only what other packages share with it (folders such as /usr/games).
sed 's/^[^ ]* [^ ]* \.//; s|/$||' "$scratch/contents" | grep -v '^$' | sort >"$scratch/paths"
existing() { # list-of-paths
    local path
    while read -r path; do
        if [ -e "$path" ]; then echo "$path"; fi
    done <"$1"
}
only_moonhops() { # path
    [ "$(dpkg-query -S "$1" 2>/dev/null | sed -n "s|: $1\$||p")" = moonhop ]
}
existing "$scratch/paths" | while read -r path; do
    if [ "$had_moonhop" = 0 ] || ! only_moonhops "$path"; then echo "$path"; fi
done >"$scratch/before"

over=""
[ "$had_moonhop" = 0 ] || over=" over the moonhop installed"
touched=1
expect "dpkg -i installs the package$over" dpkg -i "$deb"
[ "$(moonhop_state)" = installed ] && ours=1
cc -o "$scratch/close_window" "$root/tests/e2e/close_window.c" -lX11
if bash "$root/tests/packaging/loaded_libraries_test.sh" "$deb"; then
    pass "the package's dependencies bring every library the installed game loads"
else
    fail "the package's dependencies bring every library the installed game loads"
fi
mkdir "$scratch/elsewhere"
if (cd "$scratch/elsewhere" &&
    bash "$root/tests/e2e/game_end_to_end.sh" --launcher /usr/games/moonhop "$scratch/close_window"); then
    pass "the installed game plays through /usr/games/moonhop from an unrelated folder"
else
    fail "the installed game plays through /usr/games/moonhop from an unrelated folder"
fi
expect "dpkg -r removes the package" dpkg -r moonhop
ours=0
state=$(dpkg-query -W -f='${db:Status-Status}' moonhop 2>/dev/null || true)
expect "dpkg knows nothing more of moonhop (status \"$state\")" \
    test -z "$state" -o "$state" = not-installed
existing "$scratch/paths" >"$scratch/after"
left=$(comm -13 "$scratch/before" "$scratch/after")
expect "nothing of the package is left behind${left:+: }$(echo $left)" test -z "$left"
# The machine's own moonhop, if it had one, is back at once (the tested build): nothing below
# changes what dpkg has installed.
if [ "$had_moonhop" = 1 ]; then
    restore_moonhop
    touched=0
fi

echo "== The Debian package on a clean system"
start=$SECONDS
status=0
bash "$root/tests/packaging/clean_system_test.sh" "$deb" "$scratch/close_window" || status=$?
case $status in
0) pass "installed with apt on a clean minimal Debian, the game plays ($((SECONDS - start)) s)" ;;
77) echo "(the check of the libraries the game loads stands in for it)" ;;
*) fail "installed with apt on a clean minimal Debian, the game plays" ;;
esac

echo "== Windows zip $(basename "$zip")"
folder=$(basename "$zip" .zip)
cmake -E tar tf "$zip" | sort | tee "$scratch/zip-contents"
expect "the zip holds one folder with moonhop.exe and the three pictures, nothing else" \
    test "$(echo $(cat "$scratch/zip-contents"))" = "$folder/1DTexture_Moon.bmp \
$folder/LandingDisk.bmp $folder/StarSphere.bmp $folder/moonhop.exe"
mkdir "$scratch/zip"
(cd "$scratch/zip" && cmake -E tar xf "$zip")
game="$scratch/zip/$folder"
imports=$(x86_64-w64-mingw32-objdump -p "$game/moonhop.exe" | awk '/DLL Name:/ { print $3 }')
echo "Imported DLLs:" $imports
# DLLs every Windows installation has.
system_dlls=" advapi32 comctl32 comdlg32 gdi32 glu32 kernel32 msvcrt ole32 oleaut32 opengl32 \
shell32 user32 winmm ws2_32 "
foreign=""
for dll in $imports; do
    name=$(tr '[:upper:]' '[:lower:]' <<<"${dll%.[dD][lL][lL]}")
    [[ "$system_dlls" == *" $name "* ]] || foreign="$foreign $dll"
done
expect "moonhop.exe imports system DLLs only${foreign:+ (not:$foreign)}" test -z "$foreign"
# Wine is slower to start and draw than the program on Linux: the deadlines of the Windows suite.
if MOONHOP_E2E_PATIENCE=${MOONHOP_E2E_PATIENCE:-3} bash "$root/tests/e2e/wine_end_to_end.sh" \
    "$game/moonhop.exe" "$game" "$root/cmake/wine-run.sh" "$wine" "$out/win/wineprefix"; then
    pass "the program unpacked from the zip plays under Wine"
else
    fail "the program unpacked from the zip plays under Wine"
fi

if [ "$failures" -gt 0 ]; then
    echo "Packages: $failures check(s) failed."
    exit 1
fi
echo "Packages: all checks passed."

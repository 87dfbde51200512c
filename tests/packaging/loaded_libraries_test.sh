#!/usr/bin/env bash
# Checks that the Debian package's dependencies bring every library the installed game loads:
# starts the installed program on the current display with the dynamic loader reporting each
# library it loads, those SDL opens only once running (OpenGL and its driver) included, and
# finds the package of each among those apt would install with the package on an empty system.
# Usage: loaded_libraries_test.sh DEB   (the package must be installed)
# Exit status: 0 passed, 1 failed, 77 skipped (no display or missing tools).
set -u
deb=$(realpath "$1")

. "$(dirname "$0")/../e2e/checks.sh"
require_display_and xdotool xprop import identify

work=$(mktemp -d /tmp/moonhop-libraries.XXXXXX)
pid=""
folder="$work/game"
mkdir "$folder"
trap finish_work EXIT
if ! keep_display; then
    fail "the display accepts a connection held for the whole run"
    conclude
fi

# What apt would install with the package where nothing is installed yet: the closure of its
# dependencies, each choice between alternatives made as apt makes it.
apt-get -s -o Dir::State::status=/dev/null --no-install-recommends install "$deb" 2>&1 |
    awk '/^Inst / { print $2 }' | sort -u >"$work/closure"
expect "apt works out what the package brings on an empty system ($(wc -l <"$work/closure") packages)" \
    grep -qx moonhop "$work/closure"

drawn() { # id
    import -window "$1" "$work/view.png" 2>/dev/null
    seen=$(colours "$work/view.png")
    [ "$seen" -gt 200 ]
}

(cd /usr/share/games/moonhop && LD_DEBUG=libs LD_DEBUG_OUTPUT="$work/loader" \
    exec /usr/lib/games/moonhop/moonhop >"$folder/stdout.txt" 2>"$folder/stderr.txt") &
pid=$!
view=$(window_id "$view_title") || view=""
expect "the main view appears" test -n "$view"
[ -n "$view" ] || conclude
wait_until 30 drawn "$view"
expect "the main view shows a drawn scene ($seen colours): every library it needs is loaded" \
    test "$seen" -gt 200

# The package of a file, as installed: packages name their libraries under /lib or /usr/lib,
# and the loader may find them under the other.
owner() { # path
    local path=$1 candidate found=""
    for candidate in "$path" "/usr$path" "${path#/usr}"; do
        found=$(dpkg-query -S "$candidate" 2>/dev/null) && break
    done
    found=${found%%$'\n'*}
    echo "${found%%:*}"
}

# Done with the game: the libraries it loaded are in the loader's report.
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
pid=""

loaded=$(sed -n 's/.*calling init: //p' "$work"/loader.* | sort -u)
missing=""
for library in $loaded; do
    package=$(owner "$library")
    grep -qx "${package:-none}" "$work/closure" || missing+=" $library (${package:-no package})"
done
expect "each of the $(wc -w <<<"$loaded") libraries the game loaded comes from a package its \
dependencies bring${missing:+; not:$missing}" test -z "$missing"

conclude

#!/usr/bin/env bash
# Installs the Debian package with apt on a clean, minimal Debian made for the purpose
# (debootstrap --variant=minbase, the release of this machine) and plays the game there through
# its launcher, on the current display: what the package's dependencies bring, without their
# recommendations, must be enough to start the game and draw it.
# Usage: clean_system_test.sh DEB CLOSE-WINDOW-TOOL
#   Needs root and debootstrap; fetches from MOONHOP_DEBIAN_MIRROR (default deb.debian.org).
# Exit status: 0 passed, 1 failed, 77 skipped (not root, no debootstrap, or the Debian archive
# cannot be reached).
set -u
deb=$(realpath "$1")
close_window=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
if [ "$(id -u)" -ne 0 ] || ! command -v debootstrap >/dev/null; then
    echo "Making a clean system needs root and debootstrap: skipped."
    exit 77
fi

. "$here/../e2e/checks.sh"
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
mirror=${MOONHOP_DEBIAN_MIRROR:-http://deb.debian.org/debian}
scratch=$(mktemp -d /tmp/moonhop-clean-system.XXXXXX)
# Nothing is mounted inside: removing the tree removes all of it.
trap 'rm -rf "$scratch"' EXIT
system="$scratch/root"

start=$SECONDS
if ! debootstrap --variant=minbase "$release" "$system" "$mirror" >"$scratch/debootstrap.log" 2>&1; then
    tail -n 5 "$scratch/debootstrap.log"
    echo "debootstrap cannot make a clean Debian $release from $mirror: skipped."
    exit 77
fi
echo "debootstrap made a clean Debian $release in $((SECONDS - start)) s."

# Runs a command in the clean system with nothing of this one's environment.
inside() { chroot "$system" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

cp "$deb" "$system/tmp/moonhop.deb"
start=$SECONDS
if inside sh -c 'apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y \
    --no-install-recommends /tmp/moonhop.deb' >"$scratch/apt.log" 2>&1; then
    pass "apt installs the package and what it depends on ($((SECONDS - start)) s)"
else
    tail -n 20 "$scratch/apt.log"
    fail "apt installs the package and what it depends on"
    conclude
fi

# The game reaches the display through its socket in the abstract namespace, which a changed
# root does not hide; the server's key, if it wants one, is copied in.
xauthority=""
if [ -n "${XAUTHORITY:-}" ] && [ -f "$XAUTHORITY" ]; then
    cp "$XAUTHORITY" "$system/tmp/xauthority"
    xauthority=/tmp/xauthority
fi
cat >"$scratch/moonhop" <<LAUNCHER
#!/bin/sh
exec chroot "$system" env -i PATH=/usr/games:/usr/bin:/bin HOME=/root DISPLAY="$DISPLAY" \
    ${xauthority:+XAUTHORITY=$xauthority} /usr/games/moonhop "\$@"
LAUNCHER
chmod +x "$scratch/moonhop"
if bash "$here/../e2e/game_end_to_end.sh" --launcher "$scratch/moonhop" "$close_window"; then
    pass "the game installed on the clean system plays"
else
    fail "the game installed on the clean system plays"
fi
conclude

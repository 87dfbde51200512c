#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (as root), or names the missing ones.
# Usage: scripts/deps.sh [extra packages...]
#        scripts/deps.sh --only packages...    (just these)
set -u
if [ "${1:-}" = --only ]; then
    shift
    packages=("$@")
else
    packages=(cmake ninja-build g++ pkg-config libsdl2-dev libpng-dev libjpeg-dev libgl-dev
              libglu1-mesa-dev libgl1-mesa-dri libgtest-dev libbenchmark-dev libx11-dev xvfb
              xauth xdotool imagemagick x11-utils iproute2 python3 "$@")
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >/dev/null && apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null \
        && exit 0
    echo "error: apt-get could not install: ${missing[*]}" >&2
    exit 1
fi
echo "error: missing Debian packages: ${missing[*]}" >&2
echo "       install them with: sudo apt-get install ${missing[*]}" >&2
exit 1

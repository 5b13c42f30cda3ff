#!/usr/bin/env bash
# Installs what the build, the game and its tests need on Debian or Ubuntu, if it is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-webengine-dev libgl-dev
    fonts-league-spartan fonts-liberation
    xvfb xauth
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null; then
    echo "setup: please install these packages: ${missing[*]}" >&2
    exit 1
fi
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "setup: installing ${missing[*]}"
# Quiet when it works; the whole log when it does not.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { "${sudo[@]}" apt-get update -qq &&
       DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
           --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "setup: installing the packages failed" >&2
    exit 1
fi

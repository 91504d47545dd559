#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages Morvane needs to build, run and test,
# skipping what is already there. Sourced by run.sh and test.sh.
set -euo pipefail

morvane_packages=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libbenchmark-dev
    fonts-noto-cjk
    xvfb xauth
)

missing=()
for package in "${morvane_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

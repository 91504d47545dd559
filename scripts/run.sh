#!/usr/bin/env bash
# Installs what is missing, builds Morvane, installs it into ~/Morvane and
# starts it from there. The characters and items live in ~/Morvane/data:
# installing again updates the program and keeps them.
set -euo pipefail
cd "$(dirname "$0")/.."

install_dir=$HOME/Morvane

source scripts/setup.sh
cmake --preset release
cmake --build --preset release --parallel "$(nproc)" --target morvane
cmake --install build/release --prefix "$install_dir" --strip >/dev/null
echo "Morvane is installed in $install_dir; your data lives in $install_dir/data."

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo
    echo "This session has no graphical display to show Morvane on."
    echo "Start it from a desktop session with:  $install_dir/morvane"
    echo "or on a virtual screen with:           xvfb-run -a $install_dir/morvane"
    exit 2
fi
exec "$install_dir/morvane"

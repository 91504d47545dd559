#!/usr/bin/env bash
# Installs what is missing, builds Morvane and starts it with its data folder.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/setup.sh
cmake --preset release
cmake --build --preset release --parallel "$(nproc)" --target morvane

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo
    echo "Morvane is built, but this session has no graphical display to show it on."
    echo "Start it from a desktop session with:  build/release/morvane"
    echo "or on a virtual screen with:           xvfb-run -a build/release/morvane"
    exit 2
fi
exec build/release/morvane

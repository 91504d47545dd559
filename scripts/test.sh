#!/usr/bin/env bash
# Installs what is missing, builds Morvane and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/setup.sh
cmake --preset release
cmake --build --preset release --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --preset release

#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages Morvane needs to build, run and test,
# skipping what is already there. Sourced by run.sh and test.sh.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/apt-install.sh"

apt_install \
    build-essential cmake \
    qt6-base-dev qt6-base-dev-tools libgl-dev \
    libbenchmark-dev \
    fonts-noto-cjk \
    xvfb xauth

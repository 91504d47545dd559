#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages Morvane needs to build, run and test,
# skipping what is already there. Sourced by run.sh and test.sh; .ci/run
# runs it with --checks.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/apt-install.sh"

morvane_packages=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libbenchmark-dev
    fonts-noto-cjk
    xvfb xauth
)
# What .ci/run needs beyond that: the second compiler with its sanitizer and
# fuzzer runtimes, and the symbolizer that names the lines of a report.
if [[ ${1:-} == --checks ]]; then
    morvane_packages+=(clang-14 libclang-rt-14-dev llvm-14)
fi

apt_install "${morvane_packages[@]}"

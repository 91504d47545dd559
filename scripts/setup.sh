#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages Morvane needs to build, run and test,
# skipping what is already there. Sourced by run.sh and test.sh; .ci/run
# runs it with --checks.
set -euo pipefail

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

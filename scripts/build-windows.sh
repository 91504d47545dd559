#!/usr/bin/env bash
# Builds Morvane for 64-bit Windows on Debian with MinGW-w64, runs every test
# under Wine and packs the portable folder as dist/Morvane-<version>-win64.zip.
# The first run also builds Qt for Windows (about an hour; cached for later
# runs, see windows-qt.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/apt-install.sh
apt_install cmake ninja-build dpkg-dev g++-mingw-w64-x86-64-posix \
    qt6-base-dev qt6-base-dev-tools wine64 fonts-noto-cjk zip
source scripts/windows-qt.sh
export MORVANE_WINDOWS_QT=$windows_qt_prefix

started=$(date +%s)
cmake --preset windows
cmake --build --preset windows --parallel 2
echo "Morvane built for Windows in $(( $(date +%s) - started )) s"

# Every test, then one line with the counts.
set +e
ctest --preset windows 2>&1 | tee build/windows/ctest.log
set -e
summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' build/windows/ctest.log)
failed=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$summary")
total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
echo "$((total - failed)) passed, $failed failed"

# The zip holds exactly what `cmake --install` lays out.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
stage=build/windows/portable
rm -rf "$stage"
cmake --install build/windows --prefix "$stage/Morvane" --strip >/dev/null
mkdir -p dist
zip_file=dist/Morvane-$version-win64.zip
rm -f "$zip_file"
(cd "$stage" && zip -q -r -9 "../../../$zip_file" Morvane)
echo "Wrote $zip_file ($(du -h "$zip_file" | cut -f1))"

((failed == 0))

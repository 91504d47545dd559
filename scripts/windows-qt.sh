#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (MinGW-w64) from Debian's qt6-base source
# package, once: the result is cached outside the work tree under a folder
# named after the Qt version and a hash of the configure choices, so a
# change of choices builds afresh and an unchanged one is reused. Beside it
# are kept the licence texts of that source that the zip's notices are
# assembled from (cmake/ThirdPartyNotices.cmake).
# Sourced by build-windows.sh; sets windows_qt_prefix.
set -euo pipefail

# The host Qt (qt6-base-dev-tools) must be the same version: its tools
# (moc, rcc, uic) build the Windows Qt and Morvane.
qt_version=6.4.2
windows_qt_toolchain=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/cmake/mingw-w64-x86_64.cmake

# Only what Morvane and its tests use. Tablet events need the Wintab headers,
# which Debian's source package leaves out. Direct2D stays on: without it the
# windows platform plugin fails to link (QWindowsDirectWriteFontDatabase);
# only the separate direct2d platform plugin (direct2d1_1) is left out.
qt_configure_options=(
    -release -shared
    -no-icu -no-opengl -no-dbus -no-feature-vulkan
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-concurrent
    -no-feature-printsupport -no-feature-tabletevent -no-feature-direct2d1_1
    -qt-zlib -qt-pcre -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz
    -nomake examples -nomake tests
)

source "$(dirname "${BASH_SOURCE[0]}")/apt-install.sh"
apt_install dpkg-dev cmake ninja-build g++-mingw-w64-x86-64-posix

cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/morvane
qt_key=$(printf '%s\n' "$qt_version" "${qt_configure_options[@]}" | cat - "$windows_qt_toolchain" | sha256sum | cut -c1-10)
windows_qt_prefix=$cache_root/qt-$qt_version-mingw-$qt_key

# Debian's qt6-base source, with Debian's patches, in <folder>/src.
unpack_qt_source() {
    local folder=$1 log=$1/build.log
    if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        echo "Adding Debian source lines (deb-src) for the Qt source package"
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
        "${sudo_cmd[@]}" apt-get update >>"$log" 2>&1
    fi
    # Chained: its callers test its status, which turns off set -e inside.
    (
        cd "$folder" &&
            apt-get source --download-only qt6-base >>"$log" 2>&1 &&
            ls qt6-base_"$qt_version"+*.dsc >/dev/null &&
            dpkg-source -x qt6-base_*.dsc src >>"$log" 2>&1
    )
}

work=$cache_root/qt-$qt_version-mingw-$qt_key.build
if [[ ! -f $windows_qt_prefix/.complete ]]; then
    log=$work/build.log
    rm -rf "$work" "$windows_qt_prefix"
    mkdir -p "$work"
    echo "Building Qt $qt_version for Windows once (about an hour on 2 cores); log: $log"
    started=$(date +%s)
    unpack_qt_source "$work" || { echo "Qt source not found; see $log" >&2; exit 1; }
    (
        mkdir "$work/build"
        cd "$work/build"
        nice -n 19 ../src/configure -prefix "$windows_qt_prefix" "${qt_configure_options[@]}" \
            -qt-host-path /usr -- \
            -DCMAKE_TOOLCHAIN_FILE="$windows_qt_toolchain" \
            -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
            -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF >>"$log" 2>&1
        nice -n 19 cmake --build . --parallel 2 >>"$log" 2>&1
        cmake --install . >>"$log" 2>&1
    ) || { echo "Qt build failed; see $log" >&2; exit 1; }
    echo "Qt built in $(( ($(date +%s) - started) / 60 )) min"
    cp "$log" "$windows_qt_prefix/build.log"
    touch "$windows_qt_prefix/.complete"
fi

# The licence texts: LICENSES/, every qt_attribution.json with the licence
# files beside it, the Windows entry point (for its copyright line) and
# Debian's changelog (for the version). A Qt built before they were kept gets
# them from a fresh copy of the source.
windows_qt_licences=$windows_qt_prefix/source-licences
if [[ ! -f $windows_qt_licences/.complete ]]; then
    if [[ ! -d $work/src ]]; then
        rm -rf "$work"
        mkdir -p "$work"
        echo "Fetching Qt's source once for its licence texts; log: $work/build.log"
        unpack_qt_source "$work" || { echo "Qt source not found; see $work/build.log" >&2; exit 1; }
    fi
    rm -rf "$windows_qt_licences"
    mkdir -p "$windows_qt_licences"
    (
        cd "$work/src"
        {
            printf '%s\n' LICENSES/* debian/changelog src/entrypoint/qtentrypoint_win.cpp
            find . -name qt_attribution.json -printf '%h\n' | sort -u | while read -r folder; do
                find "$folder" -maxdepth 1 -type f \( -name qt_attribution.json \
                    -o -iname '*licen[cs]e*' -o -iname 'copying*' \)
            done
        } | tar -cf - -T - | tar -xf - -C "$windows_qt_licences"
    )
    touch "$windows_qt_licences/.complete"
fi
rm -rf "$work"

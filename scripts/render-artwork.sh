#!/bin/sh
# Regenerates the committed PNGs under assets/ from their SVG sources.
# Each picture is rendered at its logical size and at twice that size; Qt
# picks the @2x file on high-DPI screens.
# Needs rsvg-convert (Debian: librsvg2-bin) and ImageMagick's convert.
set -eu

assets=$(cd "$(dirname "$0")/../assets" && pwd)
svg=$assets/svg

command -v rsvg-convert >/dev/null 2>&1 || {
    echo "render-artwork.sh: rsvg-convert not found (install librsvg2-bin)" >&2
    exit 1
}
command -v convert >/dev/null 2>&1 || {
    echo "render-artwork.sh: convert not found (install imagemagick)" >&2
    exit 1
}

# render SOURCE WIDTH HEIGHT OUTPUT
render() {
    rsvg-convert --width="$2" --height="$3" --format=png --output="$4" "$1"
}

mkdir -p "$assets/crystals" "$assets/pictures" "$assets/icons"

# One picture per crystal filter of the main window, named by its element.
for source in "$svg"/crystal-*.svg; do
    element=${source##*/crystal-}
    element=${element%.svg}
    render "$source" 32 32 "$assets/crystals/$element.png"
    render "$source" 64 64 "$assets/crystals/$element@2x.png"
done

render "$svg/picture.svg" 70 100 "$assets/pictures/picture.png"
render "$svg/picture.svg" 140 200 "$assets/pictures/picture@2x.png"

render "$svg/morvane-icon.svg" 64 64 "$assets/icons/morvane.png"

# The application icon in the sizes desktops and Windows ask for; the
# installed program carries the PNGs, morvane.exe the .ico built from them.
icon_sizes="16 24 32 48 64 128 256"
for size in $icon_sizes; do
    render "$svg/morvane-icon.svg" "$size" "$size" "$assets/icons/morvane-$size.png"
done
convert $(for size in $icon_sizes; do echo "$assets/icons/morvane-$size.png"; done) "$assets/icons/morvane.ico"

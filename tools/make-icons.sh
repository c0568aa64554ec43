#!/usr/bin/env bash
# Draws the game's icon at every size the desktop's icon theme uses, from the one SVG:
#   desktop/icons/hicolor/scalable/apps/ID.svg  ->  desktop/icons/hicolor/NxN/apps/ID.png
# Needs librsvg (Debian package "librsvg2-bin"), installed when missing. The PNGs carry no
# time or other metadata, so running the script again gives byte-identical files.
#
# Run from anywhere:  tools/make-icons.sh
set -euo pipefail

cd "$(dirname "$0")/.."
id=io.github.zenthari_trader.ZenthariTrader
icons=desktop/icons/hicolor
svg=$icons/scalable/apps/$id.svg

if ! command -v rsvg-convert >/dev/null; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends librsvg2-bin
fi

for size in 16 32 48 64 128 256; do
    mkdir -p "$icons/${size}x$size/apps"
    rsvg-convert --width "$size" --height "$size" --format png "$svg" \
        --output "$icons/${size}x$size/apps/$id.png"
done

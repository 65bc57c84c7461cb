#!/usr/bin/env bash
# Renders the application icon tl380cfg.svg into the PNG sizes of the hicolor theme (icons/NxN/).
# Needs ImageMagick; the PNGs are kept in the tree so the build does not.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    mkdir -p "icons/${size}x${size}"
    convert -background none -density 300 tl380cfg.svg -resize "${size}x${size}" \
        -define png:exclude-chunks=date,time "png32:icons/${size}x${size}/tl380cfg.png"
done
# The same sizes in one icon file for the Windows programs and installer.
convert icons/{16x16,32x32,48x48,64x64,256x256}/tl380cfg.png windows/tl380cfg.ico

#!/usr/bin/env bash
# Draws the sixteen galaxy pictures of the map, data/Graphics/1.jpg .. 16.jpg: a coloured
# spiral over a field of stars. Needs ImageMagick 6 (convert).
set -euo pipefail
out=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/data/Graphics
mkdir -p "$out"
colours=(gold orchid skyblue tomato lightgreen plum orange turquoise
         salmon khaki violet lightblue coral palegreen hotpink wheat)
for g in $(seq 1 16); do
    colour=${colours[$((g - 1))]}
    arms=$(( 2 + g % 2 ))
    turn=$(( g % 2 ? 1 : -1 ))
    # Brightness of a spiral: a core that fades with the radius times arms wound around it.
    convert -size 72x72 xc:"$colour" \
        -fx "rr=hypot(i-36,j-36); u*exp(-rr/16)*(0.35+0.65*(0.5+0.5*cos($arms*atan2(j-36,i-36)+$turn*rr/4)))" \
        \( -size 72x72 xc:black -seed "$g" -attenuate 1 +noise Random -colorspace gray \
           -threshold 97% \) -compose screen -composite \
        -blur 0x0.5 -strip -quality 85 "$out/$g.jpg"
done

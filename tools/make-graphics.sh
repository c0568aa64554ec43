#!/usr/bin/env bash
# Generates the pictures of Zenthari Trader into data/Graphics/.
#
#   1.jpg .. 16.jpg   galaxies and nebulae shown in the cells of the star map (64x64)
#   trade.jpg ...     decorative pictures for the game windows
#   startup.jpg       title picture shown when the game starts
#
# Needs ImageMagick 6 (Debian package "imagemagick"). Every random step uses a fixed
# seed and all metadata is stripped, so running the script again gives byte-identical files.
#
# Run from the repository root:  tools/make-graphics.sh

set -euo pipefail

cd "$(dirname "$0")/.."
OUT=data/Graphics
mkdir -p "$OUT"

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT


# Working size of the map pictures; they are shrunk to 64x64 at the end,
# which gives smooth edges and fine detail.
W=192

# Common JPEG writer options: no metadata, no timestamps, fixed quality.
JPEG_OPTS=(-strip +set date:create +set date:modify -interlace none
           -sampling-factor 2x2 -quality 85)

# ---------------------------------------------------------------------------
# Helpers
# ---------------------------------------------------------------------------

# colour ramp (a 1x256 column) from black through the given colours to the last
# one; used with -clut to tint a grey picture.
#   ramp FILE COLOUR...
ramp() {
    local file=$1; shift
    local prev=black parts=() n=$#
    local seg=$(( 256 / n ))
    for c in "$@"; do
        parts+=( -size 1x${seg} "gradient:${prev}-${c}" )
        prev=$c
    done
    convert "${parts[@]}" -append -resize '1x256!' "$file"
}

# tint GREY_IN RAMP_FILE OUT
tint() { convert "$1" "$2" -clut "$3"; }

# soft round fade to black towards the picture edge, for nebulae
FADE='px=(i-w/2)/(w/2); py=(j-h/2)/(h/2); u*max(0,1-pow(hypot(px,py)/0.98,3))'

# grey plasma cloud used to mottle galaxies and build nebulae
#   cloud OUT SEED SIZE BLUR
cloud() {
    convert -size "$3x$3" -seed "$2" plasma:fractal -colorspace gray \
        -blur "0x$4" -auto-level "$1"
}

# single-pixel stars of varying brightness on black
#   starlayer OUT WIDTH HEIGHT SEED PERCENT_OF_PIXELS
starlayer() {
    local lo
    lo=$(awk -v p="$5" 'BEGIN { printf "%.3f", 100 - p }')
    convert -size "$2x$3" xc:black -seed "$4" +noise Random \
        -channel R -separate +channel -level "${lo}%,100%" "$1"
}

# tilt the disc (squash vertically), turn it, and put it back on a square canvas
#   orient IN OUT TILT_PERCENT ANGLE
orient() {
    convert "$1" -resize "100%x$3%!" -background black -rotate "$4" \
        -gravity center -extent "${W}x${W}" "$2"
}

# spiral arms + disc + bulge as a grey picture
#   spiral OUT SEED ARMS TWIST SHARPNESS DISC_FALLOFF BULGE_SIZE [BAR]
spiral() {
    local out=$1 seed=$2 arms=$3 twist=$4 sharp=$5 fall=$6 bulge=$7 bar=${8:-0}
    cloud "$TMP/mottle.miff" "$seed" "$W" 2
    convert -size "${W}x${W}" xc: "$TMP/mottle.miff" -fx "
        px=(i-w/2)/(w/2); py=(j-h/2)/(h/2);
        rad=hypot(px,py)+0.001; ang=atan2(py,px);
        knee=1+($bar>0)*($bar*0.9-1);
        armr=max(rad,$bar*0.9);
        arm=pow((cos($arms*(ang+$twist*ln(armr/knee)))+1)/2,$sharp);
        disc=exp(-rad*$fall);
        core=exp(-rad*rad*$bulge);
        bars=$bar*1.2*exp(-pow(px/knee,4)-pow(py/0.07,2));
        min(1, arm*disc*(0.35+1.1*v)*1.4 + 0.15*disc + core + bars)" -fx "$FADE" "$out"
}

# finish a map picture: colour layers already screened together in IN;
# add the star background, shrink and save
#   finish_map IN NUMBER STAR_SEED
finish_map() {
    starlayer "$TMP/stars.miff" 64 64 "$3" 1.1
    convert "$1" -resize 64x64 "$TMP/stars.miff" -compose screen -composite \
        "${JPEG_OPTS[@]}" "$OUT/$2.jpg"
}

# ---------------------------------------------------------------------------
# Map pictures 1..16
# ---------------------------------------------------------------------------

# 1: blue-white two-armed spiral, almost face-on
spiral "$TMP/g.miff" 101 2 3.0 3 3.2 40
orient "$TMP/g.miff" "$TMP/g2.miff" 85 20
ramp "$TMP/r.miff" '#0a1a60' '#3070ff' '#a0d0ff' white
tint "$TMP/g2.miff" "$TMP/r.miff" "$TMP/m.miff"
finish_map "$TMP/m.miff" 1 11

# 2: golden tightly wound spiral, strongly tilted
spiral "$TMP/g.miff" 102 2 5.0 4 3.0 30
orient "$TMP/g.miff" "$TMP/g2.miff" 45 -35
ramp "$TMP/r.miff" '#3a2000' '#c08020' '#ffd870' '#fff4d0'
tint "$TMP/g2.miff" "$TMP/r.miff" "$TMP/m.miff"
finish_map "$TMP/m.miff" 2 12

# 3: red emission nebula
cloud "$TMP/c.miff" 103 "$W" 4
convert "$TMP/c.miff" -fx "px=(i-w*0.45)/(w/2); py=(j-h*0.55)/(h/2);
        pow(u,1.6)*exp(-(px*px*1.6+py*py)*2.0)" -auto-level -gamma 1.3 -level 8%,100% -fx "$FADE" "$TMP/g.miff"
ramp "$TMP/r.miff" '#400010' '#c02040' '#ff7080' '#ffd0d0'
tint "$TMP/g.miff" "$TMP/r.miff" "$TMP/m.miff"
finish_map "$TMP/m.miff" 3 13

# 4: large elliptical galaxy, warm orange glow
convert -size "${W}x${W}" xc: -fx "px=(i-w/2)/(w/2); py=(j-h/2)/(h/2);
        rad=hypot(px,py)+0.001; min(1,exp(-pow(rad,0.5)*3.4)*2.6)" -fx "$FADE" "$TMP/g.miff"
orient "$TMP/g.miff" "$TMP/g2.miff" 60 30
ramp "$TMP/r.miff" '#301000' '#a04810' '#ffb060' '#fff0d8'
tint "$TMP/g2.miff" "$TMP/r.miff" "$TMP/m.miff"
finish_map "$TMP/m.miff" 4 14

# 5: ring galaxy, blue knotted ring around a yellow core
cloud "$TMP/c.miff" 105 "$W" 1.5
convert -size "${W}x${W}" xc: "$TMP/c.miff" -fx "px=(i-w/2)/(w/2); py=(j-h/2)/(h/2);
        rad=hypot(px,py); min(1,exp(-pow((rad-0.58)/0.1,2))*(0.2+1.2*pow(v,1.5)))" \
        "$TMP/ring.miff"
convert -size "${W}x${W}" xc: -fx "px=(i-w/2)/(w/2); py=(j-h/2)/(h/2);
        rad=hypot(px,py); exp(-rad*rad*60)" "$TMP/core.miff"
orient "$TMP/ring.miff" "$TMP/ring2.miff" 70 -15
orient "$TMP/core.miff" "$TMP/core2.miff" 70 -15
ramp "$TMP/r.miff" '#102080' '#4080ff' '#c0e0ff'
tint "$TMP/ring2.miff" "$TMP/r.miff" "$TMP/a.miff"
ramp "$TMP/r.miff" '#604000' '#ffd040' '#fffff0'
tint "$TMP/core2.miff" "$TMP/r.miff" "$TMP/b.miff"
convert "$TMP/a.miff" "$TMP/b.miff" -compose screen -composite "$TMP/m.miff"
finish_map "$TMP/m.miff" 5 15

# 6: green-teal nebula with a dark lane
cloud "$TMP/c.miff" 106 "$W" 3
cloud "$TMP/d.miff" 206 "$W" 6
convert "$TMP/c.miff" "$TMP/d.miff" -fx "px=(i-w*0.55)/(w/2); py=(j-h*0.45)/(h/2);
        pow(u,1.4)*exp(-(px*px+py*py*1.4)*1.8)*(1-0.8*pow(v,3))" -auto-level -gamma 1.3 -level 8%,100% -fx "$FADE" "$TMP/g.miff"
ramp "$TMP/r.miff" '#002820' '#108060' '#40e0b0' '#d0fff0'
tint "$TMP/g.miff" "$TMP/r.miff" "$TMP/m.miff"
finish_map "$TMP/m.miff" 6 16

# 7: violet three-armed spiral
spiral "$TMP/g.miff" 107 3 2.4 3 2.6 45
orient "$TMP/g.miff" "$TMP/g2.miff" 75 65
ramp "$TMP/r.miff" '#200838' '#7030c0' '#d090ff' '#fff0ff'
tint "$TMP/g2.miff" "$TMP/r.miff" "$TMP/m.miff"
finish_map "$TMP/m.miff" 7 17

# 8: globular star cluster (drawn at final size so the stars stay sharp)
convert -size 64x64 xc:black -seed 108 +noise Random -channel R -separate +channel \
    -fx "px=(i-w/2)/(w/2); py=(j-h/2)/(h/2); rad=hypot(px,py);
         prob=0.3*exp(-rad*rad*7)+0.004; star=(u>1-prob) ? 0.5+0.5*(u-(1-prob))/prob : 0;
         min(1, star + 0.4*exp(-rad*rad*10))" "$TMP/g.miff"
ramp "$TMP/r.miff" '#302010' '#c0a070' '#fff0d0' white
convert "$TMP/g.miff" "$TMP/r.miff" -clut -resize 192x192 "$TMP/m.miff"
finish_map "$TMP/m.miff" 8 18

# 9: edge-on disc galaxy with a dust lane
cloud "$TMP/c.miff" 109 "$W" 1.5
convert -size "${W}x${W}" xc: "$TMP/c.miff" -fx "px=(i-w/2)/(w/2); py=(j-h/2)/(h/2);
        e=hypot(px,py*6.5); rad=hypot(px,py*1.3);
        glow=exp(-e*1.8)*1.3 + exp(-rad*rad*16);
        lane=1-0.9*exp(-pow((py-0.025)/0.028,2))*(0.6+0.4*v)*(abs(px)<0.85);
        min(1, glow*lane)" "$TMP/g.miff"
orient "$TMP/g.miff" "$TMP/g2.miff" 100 -28
ramp "$TMP/r.miff" '#302818' '#b09868' '#fff0c8' white
tint "$TMP/g2.miff" "$TMP/r.miff" "$TMP/m.miff"
finish_map "$TMP/m.miff" 9 19

# 10: loose four-armed spiral, red and orange
spiral "$TMP/g.miff" 110 4 1.6 4 3.0 50
orient "$TMP/g.miff" "$TMP/g2.miff" 80 -60
ramp "$TMP/r.miff" '#401000' '#d04010' '#ff9050' '#ffe8c8'
tint "$TMP/g2.miff" "$TMP/r.miff" "$TMP/m.miff"
finish_map "$TMP/m.miff" 10 20

# 11: blue reflection nebula lit by a few bright stars
cloud "$TMP/c.miff" 111 "$W" 5
convert "$TMP/c.miff" -fx "px=(i-w*0.5)/(w/2); py=(j-h*0.5)/(h/2);
        pow(u,1.3)*exp(-(px*px+py*py)*1.6)" -auto-level -gamma 1.2 -level 8%,100% -fx "$FADE" "$TMP/g.miff"
ramp "$TMP/r.miff" '#000c30' '#1840a0' '#5090ff' '#c8e0ff'
tint "$TMP/g.miff" "$TMP/r.miff" "$TMP/a.miff"
convert -size "${W}x${W}" xc:black -fill white -stroke none \
    -draw "circle 80,90 84,90" -draw "circle 120,70 122,70" -draw "circle 105,125 108,125" \
    \( +clone -blur 0x8 -level 0,40% \) -compose screen -composite "$TMP/b.miff"
convert "$TMP/a.miff" "$TMP/b.miff" -compose screen -composite "$TMP/m.miff"
finish_map "$TMP/m.miff" 11 21

# 12: cyan barred spiral
spiral "$TMP/g.miff" 112 2 1.2 3 1.8 55 0.5
orient "$TMP/g.miff" "$TMP/g2.miff" 85 40
ramp "$TMP/r.miff" '#002030' '#1090b0' '#70e8ff' '#f0ffff'
tint "$TMP/g2.miff" "$TMP/r.miff" "$TMP/m.miff"
finish_map "$TMP/m.miff" 12 22

# 13: planetary nebula, red shell around a cyan interior and a white star
cloud "$TMP/c.miff" 113 "$W" 2
convert -size "${W}x${W}" xc: "$TMP/c.miff" -fx "px=(i-w/2)/(w/2); py=(j-h/2)/(h/2);
        rad=hypot(px*1.15,py); min(1,exp(-pow((rad-0.5)/0.12,2))*(0.4+0.9*v))" "$TMP/shell.miff"
convert -size "${W}x${W}" xc: "$TMP/c.miff" -fx "px=(i-w/2)/(w/2); py=(j-h/2)/(h/2);
        rad=hypot(px*1.15,py); min(1,exp(-pow(rad/0.38,4))*(0.3+0.5*v) + exp(-rad*rad*400))" \
        "$TMP/inner.miff"
ramp "$TMP/r.miff" '#500808' '#e03020' '#ff9070'
tint "$TMP/shell.miff" "$TMP/r.miff" "$TMP/a.miff"
ramp "$TMP/r.miff" '#003838' '#30c0c0' white
tint "$TMP/inner.miff" "$TMP/r.miff" "$TMP/b.miff"
convert "$TMP/a.miff" "$TMP/b.miff" -compose screen -composite -background black -rotate 25 \
    -gravity center -crop "${W}x${W}+0+0" +repage "$TMP/m.miff"
finish_map "$TMP/m.miff" 13 23

# 14: a pair of small interacting galaxies
spiral "$TMP/g.miff" 114 2 2.6 3 3.4 40
orient "$TMP/g.miff" "$TMP/g2.miff" 70 10
convert "$TMP/g2.miff" -resize 60% "$TMP/s1.miff"
orient "$TMP/g.miff" "$TMP/g2.miff" 50 -50
convert "$TMP/g2.miff" -flop -resize 45% "$TMP/s2.miff"
convert -size "${W}x${W}" xc:black \
    "$TMP/s1.miff" -geometry +10+22 -compose screen -composite \
    "$TMP/s2.miff" -geometry +92+88 -compose screen -composite "$TMP/g.miff"
ramp "$TMP/r.miff" '#181838' '#7080d0' '#e0d8ff' white
tint "$TMP/g.miff" "$TMP/r.miff" "$TMP/m.miff"
finish_map "$TMP/m.miff" 14 24

# 15: pink spiral, compact and bright
spiral "$TMP/g.miff" 115 2 4.0 2 4.5 35
orient "$TMP/g.miff" "$TMP/g2.miff" 90 -80
ramp "$TMP/r.miff" '#380020' '#d03090' '#ff90d0' '#fff0f8'
tint "$TMP/g2.miff" "$TMP/r.miff" "$TMP/m.miff"
finish_map "$TMP/m.miff" 15 25

# 16: two-coloured nebula, orange gas over blue gas
cloud "$TMP/c.miff" 116 "$W" 4
cloud "$TMP/d.miff" 216 "$W" 4
convert "$TMP/c.miff" -fx "px=(i-w*0.4)/(w/2); py=(j-h*0.6)/(h/2);
        pow(u,1.5)*exp(-(px*px+py*py)*2.4)" -auto-level -gamma 1.2 -level 8%,100% -fx "$FADE" "$TMP/g.miff"
convert "$TMP/d.miff" -fx "px=(i-w*0.62)/(w/2); py=(j-h*0.4)/(h/2);
        pow(u,1.5)*exp(-(px*px+py*py)*2.4)" -auto-level -gamma 1.2 -level 8%,100% -fx "$FADE" "$TMP/g2.miff"
ramp "$TMP/r.miff" '#402000' '#e07020' '#ffc080'
tint "$TMP/g.miff" "$TMP/r.miff" "$TMP/a.miff"
ramp "$TMP/r.miff" '#001040' '#2050e0' '#90b8ff'
tint "$TMP/g2.miff" "$TMP/r.miff" "$TMP/b.miff"
convert "$TMP/a.miff" "$TMP/b.miff" -compose screen -composite "$TMP/m.miff"
finish_map "$TMP/m.miff" 16 26

# ---------------------------------------------------------------------------
# Window pictures
# ---------------------------------------------------------------------------

# starry background with a faint coloured haze
#   starbg OUT WIDTH HEIGHT SEED HAZE_COLOUR
starbg() {
    local out=$1 w=$2 h=$3 seed=$4 haze=$5
    starlayer "$TMP/bs1.miff" "$w" "$h" "$seed" 1.2
    starlayer "$TMP/bs2.miff" "$w" "$h" "$((seed + 500))" 0.12
    convert "$TMP/bs2.miff" \( +clone -blur 0x1.2 -level 0,35% \) \
        -compose screen -composite "$TMP/bs2b.miff"
    convert -size "$((w > h ? w : h))x$((w > h ? w : h))" -seed "$((seed + 900))" \
        plasma:fractal -colorspace gray -blur 0x10 -auto-level -crop "${w}x${h}+0+0" +repage \
        -level 35%,100% +level 0,30% "$TMP/haze.miff"
    ramp "$TMP/hr.miff" "$haze"
    convert "$TMP/haze.miff" "$TMP/hr.miff" -clut \
        "$TMP/bs1.miff" -compose screen -composite \
        "$TMP/bs2b.miff" -compose screen -composite "$out"
}

# add a soft glow of the picture to itself, then save as JPEG
#   glow_save IN NAME
glow_save() {
    convert "$1" \( +clone -blur 0x3 +level 0,45% \) -compose screen -composite \
        "${JPEG_OPTS[@]}" "$OUT/$2"
}

# trade.jpg: space station with cargo crates floating in front of it
starbg "$TMP/bg.miff" 160 120 301 '#203060'
convert "$TMP/bg.miff" -stroke none \
    -fill '#405060' -draw "ellipse 52,44 42,14 0,360" \
    -fill black     -draw "ellipse 52,44 32,9 0,360" \
    -fill '#8090a0' -draw "rectangle 48,18 56,70" \
    -fill '#b0c0d0' -draw "circle 52,44 62,44" \
    -fill '#ffd060' -draw "circle 52,44 55,44" \
    -fill '#203040' -draw "rectangle 20,42 84,46" \
    -fill '#2050a0' -draw "rectangle 6,38 20,50" -draw "rectangle 84,38 98,50" \
    -stroke '#4a2a08' -strokewidth 1.5 \
    -fill '#a86a24' -draw "rectangle 92,72 122,100" \
    -fill '#c08030' -draw "rectangle 124,80 150,106" \
    -fill '#946020' -draw "rectangle 104,50 128,70" \
    -fill none \
    -draw "line 92,72 122,100" -draw "line 122,72 92,100" \
    -draw "line 124,80 150,106" -draw "line 150,80 124,106" \
    -draw "line 104,50 128,70" -draw "line 128,50 104,70" \
    -stroke none -fill '#60ff80' -draw "circle 60,104 62,104" -draw "circle 76,96 77,96" \
    "$TMP/p.miff"
glow_save "$TMP/p.miff" trade.jpg

# blackmarket.jpg: crates in red light, a dark ship without running lights
starbg "$TMP/bg.miff" 160 120 302 '#400818'
convert "$TMP/bg.miff" -stroke none \
    -fill '#1a0c10' -stroke '#602030' -strokewidth 1 \
    -draw "polygon 10,40 70,30 100,38 70,46 10,44" \
    -draw "polygon 30,36 44,20 54,32" -draw "polygon 30,44 44,58 54,42" \
    -stroke none -fill '#ff2020' -draw "circle 96,38 97,38" \
    -fill '#300810' -stroke '#a02030' -strokewidth 1.5 \
    -draw "rectangle 70,76 104,108" -draw "rectangle 108,84 140,112" \
    -draw "rectangle 86,54 116,74" \
    -fill none -draw "line 70,92 104,92" -draw "line 87,76 87,108" \
    -draw "line 108,98 140,98" -draw "line 124,84 124,112" \
    -stroke none -fill '#ff4030' -draw "circle 130,30 134,30" \
    -fill '#ffa060' -draw "circle 130,30 131,30" \
    "$TMP/p.miff"
convert "$TMP/p.miff" \( -size 160x120 radial-gradient:'#801010'-black -roll +25+20 \) \
    -compose screen -composite "$TMP/p2.miff"
glow_save "$TMP/p2.miff" blackmarket.jpg

# bank.jpg: a columned vault floating in space over a pile of gold coins
starbg "$TMP/bg.miff" 160 120 303 '#102818'
convert "$TMP/bg.miff" -stroke none \
    -fill '#c8c0a0' -draw "polygon 40,40 80,18 120,40" \
    -fill '#a8a088' -draw "rectangle 40,40 120,46" -draw "rectangle 36,84 124,92" \
    -fill '#d8d0b0' \
    -draw "rectangle 46,48 54,82" -draw "rectangle 62,48 70,82" \
    -draw "rectangle 90,48 98,82" -draw "rectangle 106,48 114,82" \
    -fill '#302818' -draw "rectangle 74,58 86,82" \
    -fill '#80783c' -stroke '#5a4a10' -strokewidth 1 \
    -draw "ellipse 30,108 14,5 0,360" -draw "ellipse 30,104 14,5 0,360" \
    -draw "ellipse 30,100 14,5 0,360" -draw "ellipse 132,108 14,5 0,360" \
    -draw "ellipse 132,104 14,5 0,360" \
    -fill '#ffd040' -draw "ellipse 30,96 14,5 0,360" -draw "ellipse 132,100 14,5 0,360" \
    -draw "ellipse 150,112 8,3 0,360" \
    "$TMP/p.miff"
glow_save "$TMP/p.miff" bank.jpg

# shipyard.jpg: a ship silhouette held in a gantry
starbg "$TMP/bg.miff" 160 120 304 '#182850'
convert "$TMP/bg.miff" \
    -stroke '#607080' -strokewidth 2 -fill none \
    -draw "line 20,20 140,20" -draw "line 20,100 140,100" \
    -draw "line 30,20 30,100" -draw "line 130,20 130,100" \
    -strokewidth 1 -stroke '#405060' \
    -draw "line 30,20 60,48" -draw "line 130,20 100,48" \
    -draw "line 30,100 60,72" -draw "line 130,100 100,72" \
    -stroke '#203040' -strokewidth 1 -fill '#c0c8d8' \
    -draw "polygon 40,60 70,48 112,52 132,60 112,68 70,72" \
    -fill '#8890a0' -draw "polygon 60,50 76,30 90,50" -draw "polygon 60,70 76,90 90,70" \
    -fill '#304060' -draw "ellipse 110,60 8,4 0,360" \
    -stroke none -fill '#60c0ff' -draw "rectangle 34,55 40,65" \
    -fill '#ffe070' -draw "circle 30,20 32,20" -draw "circle 130,20 132,20" \
    -draw "circle 30,100 32,100" -draw "circle 130,100 132,100" \
    -fill '#ff9040' -draw "circle 84,60 86,61" \
    "$TMP/p.miff"
glow_save "$TMP/p.miff" shipyard.jpg

# fuel.jpg: a fuel tank with a hose and a gauge
starbg "$TMP/bg.miff" 160 120 305 '#402808'
convert "$TMP/bg.miff" -stroke none \
    -fill '#a03010' -draw "roundrectangle 34,30 86,104 10,10" \
    -fill '#d05020' -draw "roundrectangle 40,34 56,100 6,6" \
    -fill '#602010' -draw "rectangle 50,18 70,30" \
    -fill '#e0e0e0' -draw "circle 60,64 74,64" \
    -fill '#202020' -draw "circle 60,64 71,64" \
    -stroke '#ff4020' -strokewidth 2.5 -draw "line 60,64 68,56" \
    -stroke '#40ff60' -strokewidth 2 -fill none -draw "arc 50,54 70,74 180,270" \
    -stroke '#505860' -strokewidth 5 -fill none -draw "bezier 70,22 110,0 130,40 118,70" \
    -stroke none -fill '#8890a0' -draw "polygon 110,68 126,68 122,84 114,84" \
    -fill '#ffb020' -draw "path 'M 118,90 C 112,100 112,108 118,108 C 124,108 124,100 118,90 Z'" \
    "$TMP/p.miff"
glow_save "$TMP/p.miff" fuel.jpg

# shield.jpg: a small ship inside a glowing energy bubble
starbg "$TMP/bg.miff" 160 120 306 '#082840'
convert -size 160x120 xc:black -fill none -stroke '#40c0ff' -strokewidth 4 \
    -draw "ellipse 80,60 56,46 0,360" -blur 0x6 "$TMP/halo.miff"
convert -size 160x120 xc:black -fill '#0a3048' -stroke '#80e0ff' -strokewidth 1.5 \
    -draw "ellipse 80,60 52,42 0,360" \
    -stroke '#3090c0' -strokewidth 0.7 -fill none \
    -draw "ellipse 80,60 52,14 0,360" -draw "ellipse 80,60 20,42 0,360" \
    -draw "ellipse 80,60 40,42 0,360" "$TMP/bubble.miff"
convert "$TMP/bg.miff" "$TMP/bubble.miff" -compose screen -composite \
    "$TMP/halo.miff" -compose screen -composite \
    -stroke '#202830' -strokewidth 1 -fill '#d0d8e0' \
    -draw "polygon 58,60 80,50 104,56 112,60 104,64 80,70" \
    -fill '#90a0b0' -draw "polygon 72,52 82,40 90,54" -draw "polygon 72,68 82,80 90,66" \
    -stroke none -fill '#60c0ff' -draw "rectangle 54,57 58,63" \
    "$TMP/p.miff"
glow_save "$TMP/p.miff" shield.jpg

# pirates.jpg: a jagged dark ship firing red lasers
starbg "$TMP/bg.miff" 160 120 307 '#300810'
convert -size 160x120 xc:black -stroke '#ff2010' -strokewidth 2 \
    -draw "line 96,56 158,30" -draw "line 96,66 158,92" -blur 0x2 "$TMP/beam.miff"
convert "$TMP/bg.miff" "$TMP/beam.miff" -compose screen -composite \
    -stroke '#ff6040' -strokewidth 1 \
    -draw "line 96,56 158,30" -draw "line 96,66 158,92" \
    -stroke '#501010' -fill '#241418' \
    -draw "polygon 10,60 40,40 30,26 62,44 100,54 86,61 100,68 62,78 30,96 40,80" \
    -fill '#3a1a20' -draw "polygon 40,52 70,50 84,61 70,72 40,70 50,61" \
    -stroke none -fill '#ff3020' -draw "circle 70,61 73,61" \
    -fill '#ffd0a0' -draw "circle 70,61 71,61" \
    -fill '#ff8020' -draw "circle 14,60 16,60" \
    -fill '#e0d8c8' -draw "circle 128,100 136,100" -draw "rectangle 123,104 133,110" \
    -fill '#241418' -draw "circle 125,99 127,99" -draw "circle 131,99 133,99" \
    -stroke '#e0d8c8' -strokewidth 2 -draw "line 116,92 140,112" -draw "line 140,92 116,112" \
    "$TMP/p.miff"
glow_save "$TMP/p.miff" pirates.jpg

# irs.jpg: patrol cruiser of the tax authority with a badge and flashing lights
starbg "$TMP/bg.miff" 160 120 308 '#101840'
convert "$TMP/bg.miff" \
    -stroke '#404860' -strokewidth 1 -fill '#c8ccd8' \
    -draw "polygon 8,78 30,66 90,62 112,72 90,82 30,84" \
    -fill '#3050a0' -draw "rectangle 30,72 90,75" \
    -stroke none \
    -fill '#ff2020' -draw "circle 50,63 53,63" \
    -fill '#2060ff' -draw "circle 66,62 69,62" \
    -stroke '#806010' -strokewidth 1.5 -fill '#e0b030' \
    -draw "path 'M 120,18 L 150,26 L 148,56 C 146,70 132,78 120,84 C 108,78 94,70 92,56 L 90,26 Z'" \
    -stroke none -fill '#fff0b0' \
    -draw "polygon 120,34 124,45 136,45 126,52 130,63 120,56 110,63 114,52 104,45 116,45" \
    "$TMP/p.miff"
glow_save "$TMP/p.miff" irs.jpg

# hazard.jpg: warning sign in front of tumbling rocks
starbg "$TMP/bg.miff" 160 120 309 '#302008'
convert "$TMP/bg.miff" -stroke none \
    -fill '#584838' -draw "polygon 12,20 30,12 44,22 40,40 22,44 10,34" \
    -fill '#483c30' -draw "polygon 120,86 136,80 150,92 144,110 126,112 116,100" \
    -fill '#6a5a48' -draw "polygon 128,16 140,14 146,26 136,32 126,28" \
    -fill '#3e342a' -draw "polygon 16,92 26,88 32,98 24,106 14,102" \
    -fill '#302820' -draw "circle 24,28 27,28" -draw "circle 134,96 138,96" \
    -stroke '#201000' -strokewidth 2 -fill '#f0c000' \
    -draw "polygon 80,14 122,96 38,96" \
    -stroke none -fill '#181008' \
    -draw "polygon 76,40 84,40 82,74 78,74" -draw "circle 80,84 84,84" \
    "$TMP/p.miff"
glow_save "$TMP/p.miff" hazard.jpg

# startup.jpg: title picture, a big spiral galaxy over a planet's edge (the window
# shows the title itself, so the picture carries no text)
W=256
spiral "$TMP/g.miff" 401 2 3.2 3 3.0 40
orient "$TMP/g.miff" "$TMP/g2.miff" 55 -18
ramp "$TMP/r.miff" '#101840' '#4060d0' '#c0b0ff' '#fff8f0'
tint "$TMP/g2.miff" "$TMP/r.miff" "$TMP/gal.miff"
starbg "$TMP/bg.miff" 320 200 310 '#281040'
convert -size 320x200 xc:black -fill '#103060' -draw "circle 160,560 160,186" \
    -blur 0x10 "$TMP/atmo.miff"
convert "$TMP/bg.miff" \
    \( "$TMP/gal.miff" -resize 220x220 \) -geometry +120-30 -compose screen -composite \
    "$TMP/atmo.miff" -compose screen -composite \
    -compose over -fill '#06101c' -draw "circle 160,566 160,194" \
    -fill none -stroke '#4080c0' -strokewidth 1 -draw "arc -206,194 526,938 240,300" \
    "${JPEG_OPTS[@]}" "$OUT/startup.jpg"

# about.jpg: a ringed planet and a small ship passing by
starbg "$TMP/bg.miff" 160 160 311 '#102040'
convert -size 160x160 radial-gradient:'#f8c080'-'#301000' -roll -16-16 \
    \( -size 160x160 xc:black -fill white -draw "circle 80,80 80,34" \) \
    -alpha off -compose copy_opacity -composite "$TMP/planet.miff"
convert "$TMP/bg.miff" -fill none -stroke '#806850' -strokewidth 3 \
    -draw "ellipse 80,80 70,16 180,360" \
    "$TMP/planet.miff" -compose over -composite \
    -compose over -fill none -stroke '#c0a070' -strokewidth 3 \
    -draw "ellipse 80,80 70,16 0,180" \
    -stroke '#604830' -strokewidth 1 -draw "ellipse 80,80 60,12 0,180" \
    -stroke '#202830' -strokewidth 1 -fill '#d0d8e0' \
    -draw "polygon 112,132 126,126 142,128 148,132 142,136 126,138" \
    -stroke none -fill '#60c0ff' -draw "rectangle 108,130 112,134" \
    "$TMP/p.miff"
glow_save "$TMP/p.miff" about.jpg

echo "pictures written to $OUT/"

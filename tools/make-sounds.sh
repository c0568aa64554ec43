#!/usr/bin/env bash
# Generates the sound effects of Zenthari Trader into data/Sounds/.
#
#   jet.wav      engine roar when the ship jumps to another system
#   natural.wav  low rumble of a natural hazard (asteroids, solar storm)
#   pirates.wav  two-tone alarm when pirates attack
#   irs.wav      rising and falling siren of the tax patrol
#
# All files are 16-bit signed PCM, 22050 Hz mono, under two seconds, faded in
# and out so they do not click, and normalised to -3 dB.
#
# Needs SoX (Debian package "sox"). Noise is generated with a fixed seed (-R)
# and dithering is off (-D), so running the script again gives byte-identical
# files.
#
# Run from the repository root:  tools/make-sounds.sh

set -euo pipefail

cd "$(dirname "$0")/.."
OUT=data/Sounds
mkdir -p "$OUT"

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# sox with repeatable randomness and no dither
SOX=(sox -R -D)
# output format of every sound
FMT=(-r 22050 -c 1 -b 16 -e signed-integer)

# jet.wav: roaring engine, pink and brown noise swelling up and dying away,
# with a slow phaser for the whoosh
"${SOX[@]}" -n "${FMT[@]}" "$TMP/jet.wav" \
    synth 1.5 pinknoise synth 1.5 brownnoise mix \
    synth 1.5 sine mix 90:55 \
    highpass 40 lowpass 4000 equalizer 300 1q +4 \
    phaser 0.8 0.74 3 0.4 0.6 -t \
    gain -6 fade q 0.35 1.5 0.7 norm -3

# natural.wav: deep rumble, brown noise kept below 180 Hz with a slow wobble
"${SOX[@]}" -n "${FMT[@]}" "$TMP/natural.wav" \
    synth 1.5 brownnoise synth 1.5 sine mix 38 \
    lowpass 180 lowpass 180 tremolo 5 45 \
    gain -6 fade q 0.15 1.5 0.5 norm -3

# pirates.wav: alarm, six pairs of high/low square-wave beeps (1.5 s)
"${SOX[@]}" -n "${FMT[@]}" "$TMP/hi.wav" synth 0.125 square 880 gain -6 \
    lowpass 2500 lowpass 2500 fade q 0.006 -0 0.01
"${SOX[@]}" -n "${FMT[@]}" "$TMP/lo.wav" synth 0.125 square 660 gain -6 \
    lowpass 2500 lowpass 2500 fade q 0.006 -0 0.01
beeps=()
for _ in 1 2 3 4 5 6; do beeps+=("$TMP/hi.wav" "$TMP/lo.wav"); done
"${SOX[@]}" "${beeps[@]}" "${FMT[@]}" "$TMP/pirates.wav" \
    fade q 0.01 -0 0.08 norm -3

# irs.wav: siren, a tone gliding up and down twice (1.8 s); made 0.2 s longer
# and trimmed so the pitch bender has settled before the sound starts
"${SOX[@]}" -n "${FMT[@]}" "$TMP/irs.wav" \
    synth 2.0 sine 620 synth 2.0 triangle mix 1240 \
    gain -9 bend 0.2,1000,0.45 0,-1000,0.45 0,1000,0.45 0,-1000,0.45 \
    trim 0.2 1.8 lowpass 5000 fade q 0.04 1.8 0.12 norm -3

for f in jet natural pirates irs; do
    # rewrite with the final format; -V1 keeps it quiet
    "${SOX[@]}" -V1 "$TMP/$f.wav" "${FMT[@]}" "$OUT/$f.wav"
done

echo "sounds written to $OUT/"

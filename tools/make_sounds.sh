#!/usr/bin/env bash
# Makes the game's wave sounds in data/Sounds (16-bit PCM, mono, 22050 Hz). Needs sox.
set -euo pipefail
out=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/data/Sounds
mkdir -p "$out"
wav=(-r 22050 -b 16 -c 1 -e signed-integer)
# The engine: a rising whoosh.
sox -n "${wav[@]}" "$out/jet.wav" synth 1.6 brownnoise synth 1.6 sine amod 0.6 gain -6 \
    lowpass 1800 fade q 0.3 1.6 0.7 gain -n -3
# A natural hazard: a deep rumble.
sox -n "${wav[@]}" "$out/natural.wav" synth 1.5 brownnoise lowpass 300 tremolo 6 60 \
    fade q 0.2 1.5 0.6 gain -n -3
# Space pirates: a two-tone alarm.
sox -n "${wav[@]}" "$out/pirates.wav" synth 0.25 square 880 : synth 0.25 square 660 : \
    synth 0.25 square 880 : synth 0.25 square 660 lowpass 3000 gain -n -8
# The IRS: a falling siren.
sox -n "${wav[@]}" "$out/irs.wav" synth 1.2 sine 1200-500 tremolo 8 40 fade q 0.05 1.2 0.2 \
    gain -n -6

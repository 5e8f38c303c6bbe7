#!/usr/bin/env bash
# Synthesises the two wave files of the game into assets/ with sox. Their output is
# committed; run this only to change the sounds (sox: apt-get install sox).
#   TIMEUP.WAV   the end of a game: a three-note bell chime falling to rest, about 1.3 s
#   TENSECS.WAV  ten seconds left: a soft double beep, about 0.4 s
set -euo pipefail
cd "$(dirname "$0")/../assets"

rate=22050
format=(-r "$rate" -c 1 -b 16 -e signed-integer)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A bell-like note: a fundamental with a quieter octave and twelfth, a quick attack and
# a long logarithmic decay. Arguments: file, frequency in Hz, length in seconds.
bell() {
  local file=$1 frequency=$2 length=$3
  sox -n "${format[@]}" "$work/$file" \
    synth "$length" sine "$frequency" sine "$(echo "$frequency * 2" | bc)" \
      sine "$(echo "$frequency * 3" | bc)" \
    remix 1v0.62,2v0.25,3v0.13 \
    fade l 0.006 "$length" "$(echo "$length - 0.01" | bc)"
}

# TIMEUP: G5, E5, C5, each entering 0.16 s after the last, mixed and given a little room.
bell g.wav 784 0.9
bell e.wav 659.25 0.95
bell c.wav 523.25 1.0
sox "$work/e.wav" "$work/e_late.wav" pad 0.16
sox "$work/c.wav" "$work/c_late.wav" pad 0.32
sox -m "$work/g.wav" "$work/e_late.wav" "$work/c_late.wav" "${format[@]}" "$work/chime.wav" \
  reverb 25 50 60 gain -n -3
sox "$work/chime.wav" "${format[@]}" TIMEUP.WAV trim 0 1.3 fade t 0 1.3 0.15

# TENSECS: two short, soft A5 beeps.
sox -n "${format[@]}" "$work/beep.wav" synth 0.12 sine 880 fade h 0.01 0.12 0.05 gain -9
sox -n "${format[@]}" "$work/gap.wav" trim 0 0.08
sox -n "${format[@]}" "$work/tail.wav" trim 0 0.08
sox "$work/beep.wav" "$work/gap.wav" "$work/beep.wav" "$work/tail.wav" "${format[@]}" TENSECS.WAV

soxi TIMEUP.WAV TENSECS.WAV | grep -E 'Input File|Duration|Precision|Sample Encoding'

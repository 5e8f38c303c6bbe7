#!/usr/bin/env bash
# Start-up of the game against a bare Qt window, in the same run: time from process start
# to the main window shown and painted, and the resident memory then. The two programs
# take turns, so a busy moment of the machine falls on both alike.
#   bash bench/startup.sh [build-dir] [runs] [earlier-probe]
# The build dir must be configured with -DCMAKE_BUILD_TYPE=Release -DTOLVANE_TESTS=ON.
# An earlier build's startup_probe (copied aside before a change) takes its turns too, so
# that before and after are measured in the same run.
set -euo pipefail
build=${1:-build-bench}
runs=${2:-21}
earlier=${3:-}
game=$build/bench/startup_probe
bare=$build/bench/bare_window_probe
for probe in "$game" "$bare"; do
  [ -x "$probe" ] || { echo "no $probe: build the startup_probe and bare_window_probe targets first" >&2; exit 1; }
done

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$build" "$runs" "$earlier"
fi

# The probe is the real game: keep its settings file away from the player's.
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config
trap 'rm -rf "$config"' EXIT

# One run: "<microseconds to shown> <resident kB>".
run() {
  local start line
  start=$(date +%s%N)
  line=$("$1" | grep shown_ns)
  echo "$(( ($(awk '{print $2}' <<<"$line") - start) / 1000 )) $(awk '{print $4}' <<<"$line")"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

game_runs=() bare_runs=() earlier_runs=()
for ((i = 0; i < runs; i++)); do
  game_runs+=("$(run "$game")")
  bare_runs+=("$(run "$bare")")
  if [ -n "$earlier" ]; then earlier_runs+=("$(run "$earlier")"); fi
done

# One probe's runs: the median time with the fastest and slowest, the median memory.
summary() {
  printf '%s\n' "$@" | awk '{print $1}' | sort -n |
    awk '{a[NR]=$1} END {printf "median %.1f ms (%.1f-%.1f)", a[int((NR+1)/2)]/1000, a[1]/1000, a[NR]/1000}'
  printf '%s\n' "$@" | awk '{print $2}' | median | awk '{printf ", %.1f MiB resident", $1/1024}'
}
# One probe's medians against the bare window's.
against_bare() {
  local ms kb bare_ms bare_kb
  ms=$(printf '%s\n' "$@" | awk '{print $1}' | median)
  kb=$(printf '%s\n' "$@" | awk '{print $2}' | median)
  bare_ms=$(printf '%s\n' "${bare_runs[@]}" | awk '{print $1}' | median)
  bare_kb=$(printf '%s\n' "${bare_runs[@]}" | awk '{print $2}' | median)
  awk -v g="$ms" -v b="$bare_ms" -v gk="$kb" -v bk="$bare_kb" \
    'BEGIN {printf "%.2f times the bare window, %+.1f MiB", g / b, (gk - bk) / 1024}'
}
echo "game:        $(summary "${game_runs[@]}"): $(against_bare "${game_runs[@]}")"
if [ -n "$earlier" ]; then
  echo "earlier:     $(summary "${earlier_runs[@]}"): $(against_bare "${earlier_runs[@]}")"
fi
echo "bare window: $(summary "${bare_runs[@]}")"
echo "$runs runs each, taking turns"

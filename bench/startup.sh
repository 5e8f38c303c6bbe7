#!/usr/bin/env bash
# Start-up of the game against a bare Qt window, in the same run: time from process start
# to the main window shown and painted, and the resident memory then. The two programs
# take turns, so a busy moment of the machine falls on both alike.
#   bash bench/startup.sh [build-dir] [runs]
# The build dir must be configured with -DCMAKE_BUILD_TYPE=Release -DTOLVANE_TESTS=ON.
set -euo pipefail
build=${1:-build-bench}
runs=${2:-21}
game=$build/bench/startup_probe
bare=$build/bench/bare_window_probe
for probe in "$game" "$bare"; do
  [ -x "$probe" ] || { echo "no $probe: build the startup_probe and bare_window_probe targets first" >&2; exit 1; }
done

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$build" "$runs"
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

game_runs=() bare_runs=()
for ((i = 0; i < runs; i++)); do
  game_runs+=("$(run "$game")")
  bare_runs+=("$(run "$bare")")
done

game_ms=$(printf '%s\n' "${game_runs[@]}" | awk '{print $1}' | median)
bare_ms=$(printf '%s\n' "${bare_runs[@]}" | awk '{print $1}' | median)
game_kb=$(printf '%s\n' "${game_runs[@]}" | awk '{print $2}' | median)
bare_kb=$(printf '%s\n' "${bare_runs[@]}" | awk '{print $2}' | median)
awk -v g="$game_ms" -v b="$bare_ms" -v gk="$game_kb" -v bk="$bare_kb" -v n="$runs" 'BEGIN {
  printf "game:        median %.1f ms, %.1f MiB resident\n", g / 1000, gk / 1024
  printf "bare window: median %.1f ms, %.1f MiB resident\n", b / 1000, bk / 1024
  printf "ratio %.2f over %d runs each, taking turns\n", g / b, n
}'

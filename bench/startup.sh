#!/usr/bin/env bash
# Time from process start to the main window shown and painted, and the resident memory
# then, over several runs of a release build under a virtual X display.
#   bash bench/startup.sh [build-dir] [runs]
# The build dir must be configured with -DCMAKE_BUILD_TYPE=Release -DTOLVANE_TESTS=ON.
set -euo pipefail
build=${1:-build-bench}
runs=${2:-21}
probe=$build/bench/startup_probe
[ -x "$probe" ] || { echo "no $probe: build the startup_probe target first" >&2; exit 1; }

# The probe is the real game: keep its settings file away from the player's.
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config
trap 'rm -rf "$config"' EXIT

measure() {
  local times=() rss=() start line
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    line=$("$probe" | grep shown_ns)
    times+=($(( ($(awk '{print $2}' <<<"$line") - start) / 1000 )))
    rss+=($(awk '{print $4}' <<<"$line"))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "start-up: median %.1f ms, min %.1f ms, max %.1f ms over %d runs\n", a[int((NR+1)/2)]/1000, a[1]/1000, a[NR]/1000, NR}'
  printf '%s\n' "${rss[@]}" | sort -n | awk '{a[NR]=$1} END {printf "resident memory when shown: median %.1f MB\n", a[int((NR+1)/2)]/1024}'
}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$build" "$runs"
fi
measure

#!/usr/bin/env bash
# Starts the game (argument: its executable) in the session of start_session.sh, after
# ending the one it started before; a fresh settings file each time.
set -eu
CHECK_DIR=${CHECK_DIR:-/tmp/tolvane-screen-reader}
cd "$CHECK_DIR"
source env.sh
if [ -f game.pid ] && kill -0 "$(cat game.pid)" 2>/dev/null; then kill "$(cat game.pid)"; sleep 1; fi
rm -f "$XDG_CONFIG_HOME/tolvane/TOLVANE.INI"
ASAN_OPTIONS=detect_leaks=0 "$1" > game.log 2>&1 &
echo $! > game.pid
sleep 5

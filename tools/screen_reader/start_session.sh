#!/usr/bin/env bash
# For checking the game by hand under the Orca screen reader, never in CI: a virtual
# display with a window manager, a D-Bus session with the accessibility bus,
# speech-dispatcher speaking to a null audio device and Orca writing what it says to
# $CHECK_DIR/orca.debug. Needs (as root): apt-get install -y --no-install-recommends
#   orca speech-dispatcher speech-dispatcher-espeak-ng xvfb openbox dbus-x11 xdotool
# Then: tools/screen_reader/play.sh <the game>, and drive.py's steps.
set -eu
CHECK_DIR=${CHECK_DIR:-/tmp/tolvane-screen-reader}
DISPLAY_NUMBER=${DISPLAY_NUMBER:-:97}
mkdir -p "$CHECK_DIR"
cd "$CHECK_DIR"
# A home of its own: the player's own settings and Orca's stay untouched.
export HOME=$CHECK_DIR/home XDG_CONFIG_HOME=$CHECK_DIR/home/.config
export XDG_RUNTIME_DIR=$CHECK_DIR/run XDG_DATA_HOME=$CHECK_DIR/home/.local/share
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
echo "default_driver=null" > "$HOME/.libao"
cat > "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF

Xvfb "$DISPLAY_NUMBER" -screen 0 1280x1024x24 -nolisten tcp > xvfb.log 2>&1 &
echo $! > xvfb.pid
sleep 1
export DISPLAY=$DISPLAY_NUMBER GSETTINGS_BACKEND=memory
eval "$(dbus-launch --sh-syntax)"
echo "$DBUS_SESSION_BUS_PID" > dbus.pid
/usr/libexec/at-spi-bus-launcher --launch-immediately > atspi.log 2>&1 &
echo $! > atspi.pid
openbox > openbox.log 2>&1 &
echo $! > openbox.pid
sleep 1
speech-dispatcher -d -t 0 -P "$CHECK_DIR/speechd.pid" > speechd.log 2>&1 || true
orca --replace --debug-file="$CHECK_DIR/orca.debug" > orca.log 2>&1 &
echo $! > orca.pid
cat > env.sh <<ENV
export HOME=$HOME XDG_CONFIG_HOME=$XDG_CONFIG_HOME XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR
export XDG_DATA_HOME=$XDG_DATA_HOME DISPLAY=$DISPLAY GSETTINGS_BACKEND=memory
export DBUS_SESSION_BUS_ADDRESS='$DBUS_SESSION_BUS_ADDRESS' QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
ENV
echo "Session ready in $CHECK_DIR; stop it with: kill \$(cat $CHECK_DIR/*.pid)"

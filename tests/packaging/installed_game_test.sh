#!/usr/bin/env bash
# Installs the game into a scratch root and builds its Debian package, checks what they
# hold, and plays a short game with the installed program started by name through its
# link, from a folder that has nothing of the game in it. The build is the release build
# a player installs (tools/build-release.sh), not the test build.
#   installed_game_test.sh <release build folder> <folder of the probe plugin>
set -euo pipefail
build=$(realpath "$1")
plugins=$(realpath "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# ---- The installed tree ----------------------------------------------------------------

root=$scratch/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
program=$root/usr/lib/tolvane
share=$root/usr/share

for name in tolvane libtolvane_sound.so libtolvane_print.so libtolvane_history.so \
  libtolvane_stemmer.so libtolvane_network.so SPELAMC.TLX SPELAMM.CLX SPELBRC.TLX SPELBRM.CLX \
  SPELAMC.SIZ SPELAMM.SIZ SPELBRC.SIZ SPELBRM.SIZ TOLVANE.HLP TIMEUP.WAV TENSECS.WAV \
  SPEL{DA,DE,ES,FR,IT,NL,PT,SV}.{CLX,SPL}; do
  [[ -s $program/$name ]] || fail "the program's folder lacks $name"
done
[[ -x $program/tolvane ]] || fail "the installed program cannot be run"
# What the modules load on first use stays out of the game's own start.
if readelf -d "$program/tolvane" | grep -E 'NEEDED.*libQt6(Multimedia|PrintSupport|Sql|Charts|Network)'; then
  fail "the game links a library that only its modules should load"
fi
for file in "$program"/tolvane "$program"/*.so; do
  if ldd "$file" | grep 'not found'; then fail "$file needs a library that is not there"; fi
done

[[ -L $root/usr/games/tolvane ]] || fail "games/tolvane is not a link"
[[ $(readlink "$root/usr/games/tolvane") != /* ]] || fail "games/tolvane points to an absolute path"
[[ $(realpath "$root/usr/games/tolvane") == "$(realpath "$program/tolvane")" ]] ||
  fail "games/tolvane does not lead to the program"

for size in 48 64 128 256; do
  file "$share/icons/hicolor/${size}x$size/apps/tolvane.png" | grep -q "PNG image data, $size x $size" ||
    fail "no $size-pixel icon"
done
grep -q '<svg' "$share/icons/hicolor/scalable/apps/tolvane.svg" || fail "no scalable icon"
gzip -dc "$share/man/man6/tolvane.6.gz" | grep -q '^\.TH TOLVANE 6' || fail "no manual page"
[[ -s $share/doc/tolvane/copyright ]] || fail "no copyright file"

desktop-file-validate "$share/applications/tolvane.desktop" || fail "the desktop entry is not valid"
# Checks the metadata against the desktop entry and icons it names, too.
appstreamcli validate-tree --no-net "$root" >"$scratch/appstream.txt" ||
  fail "the metadata is not valid: $(cat "$scratch/appstream.txt")"

# The player's own files are theirs, never installed.
player_files=$(find "$root" -iname TOLVANE.INI -o -iname 'ADDITION*.TLX' -o -iname 'EXCLUDE*.TLX')
[[ -z $player_files ]] || fail "the player's files are installed: $player_files"

# ---- The package -----------------------------------------------------------------------

cpack -G DEB -B "$scratch/package" --config "$build/CPackConfig.cmake" >/dev/null
package=$(echo "$scratch"/package/tolvane_*.deb)
[[ -f $package ]] || fail "no package"
(cd "$root" && find . ! -type d | sort) >"$scratch/installed.txt"
dpkg-deb --fsys-tarfile "$package" | tar -t | grep -v '/$' | sort >"$scratch/packaged.txt"
diff "$scratch/installed.txt" "$scratch/packaged.txt" >&2 ||
  fail "the package holds other files than the install"
depends=$(dpkg-deb -f "$package" Depends)
recommends=$(dpkg-deb -f "$package" Recommends)
for meanings in dict-freedict-deu-eng hunspell-de-de hunspell-sv; do
  [[ $recommends == *"$meanings"* ]] || fail "the package does not recommend $meanings: $recommends"
done
for needed in libqt6widgets6 libqt6multimedia6 libqt6printsupport6 libqt6sql6-sqlite qt6-qpa-plugins \
  fonts-liberation2; do
  [[ $depends == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done

# Errors of Debian's package checker fail the test; its warnings are shown.
command -v lintian >/dev/null || fail "lintian is needed (tools/install-deps.sh installs it)"
lintian --fail-on error "$package" >"$scratch/lintian.txt" 2>&1 ||
  fail "lintian finds errors: $(cat "$scratch/lintian.txt")"
cat "$scratch/lintian.txt"

# Removing the package leaves no "config-files" record: it has neither configuration
# files nor a removal script. Installed and removed by dpkg in a scratch root.
admin=$scratch/dpkg-root/var/lib/dpkg
mkdir -p "$admin/info" "$admin/updates"
touch "$admin/status"
dpkg_root=(dpkg --root="$scratch/dpkg-root" --log=/dev/null --force-not-root)
"${dpkg_root[@]}" --force-depends -i "$package" >/dev/null || fail "dpkg could not install the package"
"${dpkg_root[@]}" -r tolvane >/dev/null || fail "dpkg could not remove the package"
record=$(dpkg-query --root="$scratch/dpkg-root" -W -f='${db:Status-Abbrev}' tolvane 2>/dev/null || true)
[[ -z $record || $record == un* ]] || fail "the removed package leaves a record: $record"

# ---- A short game with the installed program -------------------------------------------

# A 4 x 4 puzzle holding CAT (a word) and QZX (a path of letters that is none).
puzzle=$scratch/CAT.TVN
{
  printf '\x031.1\0\0'
  printf 'CATS QZON XERD LIMP      '
  head -c 220 /dev/zero
  printf '\x04\0\x04\0'
  head -c 500 /dev/zero
} >"$puzzle"
[[ $(stat -c %s "$puzzle") == 755 ]] || fail "the test puzzle is not 755 bytes"

mkdir "$scratch/elsewhere" "$scratch/home"
cd "$scratch/elsewhere"
# By name through PATH, as a player types it: the program has only its own file to go by.
output=$(PATH=$root/usr/games:$PATH HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/config \
  XDG_DATA_HOME=$scratch/home/data QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=$plugins \
  QT_QPA_GENERIC_PLUGINS=tolvaneprobe:$puzzle timeout 60 tolvane) ||
  fail "the installed game did not run to its end (status $?): $output"
echo "$output"
expected="probe: program $(realpath "$program/tolvane")
probe: help opened
probe: valid CAT
probe: misspelled QZX"
[[ $(grep '^probe:' <<<"$output") == "$expected" ]] || fail "expected:
$expected"

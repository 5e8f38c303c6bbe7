#!/usr/bin/env bash
# Installs the Debian 12 packages the game and its tests need. Quick when they are all
# there already: apt is asked only for what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins
  libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev  # the game history module
  fonts-liberation2 scowl
  wdanish wngerman wfrench witalian wdutch wportuguese wswedish hunspell-es hunspell-tools  # the other languages' word lists (Spanish: its Hunspell dictionary, expanded by unmunch)
  zlib1g-dev wordnet-base dict-gcide  # definitions of words, read from their own files
  libhunspell-dev dict-freedict-deu-eng dict-freedict-fra-eng dict-freedict-spa-eng
  dict-freedict-ita-eng dict-freedict-nld-eng dict-freedict-por-eng dict-freedict-swe-eng
  dict-freedict-dan-eng hunspell-de-de hunspell-fr hunspell-es hunspell-it hunspell-nl
  hunspell-pt-pt hunspell-sv hunspell-da  # translations and base forms of the other languages
  libgtest-dev libgmock-dev libbenchmark-dev
  desktop-file-utils appstream dpkg-dev file lintian  # the install test and the Debian package
  poppler-utils  # the printing test reads back its PDF
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

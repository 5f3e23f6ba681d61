#!/usr/bin/env bash
# Shared by the scripts: installs the Debian packages the build and the
# tests need (only those missing; apt-get update at most once), then
# configures and builds the tree of a preset of CMakePresets.json (default:
# build/, sanitize: build-sanitize/, fuzz: build-fuzz/). It configures every
# time, so an option changed in the presets reaches an existing tree. Safe
# to run again and again: with nothing missing or changed it takes seconds.
#
#   scripts/setup.sh <preset> [extra cmake arguments...]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="$1"
shift

missing=()
while read -r package; do
  [ -z "$package" ] && continue
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done < "$root/scripts/packages.txt"

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests read numbers as German, French and American systems write them;
# the three locales are generated once.
wanted_locales=(de_DE.UTF-8 fr_FR.UTF-8 en_US.UTF-8)
missing_locales=()
for name in "${wanted_locales[@]}"; do
  if ! locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}"; then missing_locales+=("$name"); fi
done
if [ "${#missing_locales[@]}" -gt 0 ]; then
  echo "Generating locales: ${missing_locales[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  for name in "${missing_locales[@]}"; do
    $sudo sed -i "s/^# *\(${name} UTF-8\)/\1/" /etc/locale.gen
    grep -qx "${name} UTF-8" /etc/locale.gen || echo "${name} UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
  done
  $sudo locale-gen >/dev/null
fi

# ccache keeps object files across build trees and clean clones: paths are
# taken relative to the checkout, so another clone of the same sources hits.
export CCACHE_BASEDIR="$root"
# Files compiled with a precompiled header hit only when ccache trusts its
# macros and times (cmake/precompiled_headers.cmake).
export CCACHE_SLOPPINESS=pch_defines,time_macros
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

cd "$root"
cmake --preset "$preset" "${launcher[@]}" "$@" >/dev/null
cmake --build --preset "$preset" --parallel "$(nproc)"

#!/usr/bin/env bash
# Builds the Debian package of the program into build/package/ and prints
# its path. Installs what is missing and builds first, like run.sh.
#
#   ./scripts/package.sh
#   sudo apt install ./build/package/zorvik-amplifiers_*.deb
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"
"$root/scripts/setup.sh" default >&2
out="$build/package"
rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >&2)
rm -rf "$out/_CPack_Packages"
ls "$out"/zorvik-amplifiers_*.deb

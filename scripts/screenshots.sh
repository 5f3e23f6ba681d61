#!/usr/bin/env bash
# Renews the README's screenshots in doc/screenshots/ from the program's own
# windows, drawn offscreen: run it after a change that shows.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh" default
cmake --build "$root/build" --target zorvik-screenshots
QT_QPA_PLATFORM=offscreen "$root/build/zorvik-screenshots" "$root/doc/screenshots"

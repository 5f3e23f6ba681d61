#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Without a display the program cannot open its window, and Qt's own
# message about platform plugins sends the user looking in the wrong place.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: no display found; start it from a desktop session, or run 'xvfb-run ./scripts/run.sh', or use build/zorvik-select for the command line." >&2
  exit 1
fi

"$root/scripts/setup.sh" default
exec "$root/build/zorvik-amplifiers" "$@"

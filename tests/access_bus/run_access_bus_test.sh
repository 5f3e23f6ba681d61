#!/usr/bin/env bash
# Runs access_bus_test.py the way a screen reader meets the program: on its
# own X display (Xvfb), with its own D-Bus session and the accessibility bus
# of at-spi2-core. Exits 77 (CTest: skipped) with the reason when any of
# them is missing or cannot start; otherwise with the test's status.
#
#   run_access_bus_test.sh <program> <scratch folder>
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
program="$1"
scratch="$2"
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher

skip() {
  echo "SKIPPED: $*" >&2
  exit 77
}
for tool in Xvfb dbus-run-session dbus-send xdotool "$python" "$launcher"; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/packages.txt)"
done
"$python" -c "import pyatspi" 2>/dev/null || skip "python3-pyatspi is not installed"

rm -rf "$scratch"
mkdir -p "$scratch"
displayfile="$scratch/display"
Xvfb -displayfd 3 -screen 0 1400x1000x24 -nolisten tcp 3>"$displayfile" 2>"$scratch/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null' EXIT
for _ in $(seq 100); do
  [ -s "$displayfile" ] && break
  sleep 0.1
done
[ -s "$displayfile" ] || skip "Xvfb did not start: $(cat "$scratch/xvfb.log")"
export DISPLAY=":$(head -n1 "$displayfile")"

# The session bus lives as long as the test; asking it for the
# accessibility bus starts at-spi2-core's launcher, its registry follows by
# D-Bus activation.
dbus-run-session -- bash -c '
  for _ in $(seq 100); do
    address="$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null)"
    [ -n "$address" ] && break
    sleep 0.1
  done
  if [ -z "$address" ]; then echo "SKIPPED: the accessibility bus did not start" >&2; exit 77; fi
  exec "$1" "$2/access_bus_test.py" "$3" "$4"
' bash "$python" "$here" "$program" "$scratch" 2>&1 | grep -v -e "Failed to set fd limit" -e "XDG_RUNTIME_DIR not set"
exit "${PIPESTATUS[0]}"

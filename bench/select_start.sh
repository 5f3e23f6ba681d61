#!/usr/bin/env bash
# zorvik-select point as a whole process against a bare program that links
# the same Qt libraries and prints one line: time (hyperfine) and peak memory
# (/usr/bin/time -v), on a quiet machine.
#
#   bench/select_start.sh [build-dir]
set -euo pipefail
build="${1:-$(cd "$(dirname "$0")/.." && pwd)/build}"
point=("$build/zorvik-select" point --model 6 --drive 100 --inlet 100 --outlet 1000)
bare=("$build/bench/bare_peer")
hyperfine -N --warmup 20 --runs 300 "${point[*]}" "${bare[*]}"
for command in point bare; do
  declare -n words="$command"
  peak=$( { /usr/bin/time -v "${words[@]}" >/dev/null; } 2>&1 | awk -F: '/Maximum resident/ {print $2}')
  echo "$command: peak resident ${peak# } kB"
done

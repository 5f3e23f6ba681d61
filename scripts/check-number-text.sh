#!/usr/bin/env bash
# Fails on any conversion between a figure and text that follows the C
# library's locale, in the program's own code. Qt's application object sets
# that locale from the desktop, so on a German system printf("%.1f") writes
# "2,9" and strtod stops at the ".": every figure must go through the
# engine's FormatFixed / ShortestNumber / ParseNumber instead, and whole
# numbers through WholeNumber (std::to_string would take a double too).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
folders=(engine job session pictures windows cli app)
status=0
check() {
  local why="$1" pattern="$2" found
  found="$(git ls-files -z -- "${folders[@]/%//*.cpp}" "${folders[@]/%//*.h}" |
    xargs -0 grep -nE "$pattern" || true)"
  if [ -n "$found" ]; then
    echo "$why:"
    echo "$found"
    status=1
  fi
}
check "A floating-point printf or scanf conversion (use FormatFixed or ParseNumber)" \
  '"([^"\\%]|\\.|%%)*%[-+ #0]*([0-9]+|\*)?(\.([0-9]+|\*))?[lL]?[fFeEgGaA]'
check "A reading of a number through the C library (use ParseNumber)" \
  '\b(std::)?(strto(d|f|ld)|atof|sto(d|f|ld))\s*\('
check "std::to_string (use WholeNumber for a count, FormatFixed for a figure)" \
  'std::to_string\s*\('
check "A number written or read through a stream (use FormatFixed or ParseNumber)" \
  'std::(setprecision|fixed|scientific|hexfloat|defaultfloat)\b|\.imbue\('
if [ "$status" -ne 0 ]; then exit 1; fi
echo "No figure goes through the C library's locale."

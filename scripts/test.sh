#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero on
# any failure.
#
#   ./scripts/test.sh              the plain build in build/
#   ./scripts/test.sh --sanitize   a second tree, build-sanitize/, with
#                                  AddressSanitizer and UndefinedBehaviorSanitizer;
#                                  any sanitizer report fails the run
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export QT_QPA_PLATFORM=offscreen

if [ "${1:-}" != "--sanitize" ]; then
  build="$root/build"
  "$root/scripts/setup.sh" default
  exec ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
fi

build="$root/build-sanitize"
"$root/scripts/setup.sh" sanitize

# Every process writes its reports into one folder instead of onto its
# stderr: the program that zorvik-select or the screen program was started
# by may not look at the child's stderr or exit status, but a file left here
# fails the run all the same. Leaks count as reports.
reports="$build/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1:detect_stack_use_after_return=1:log_path=$reports/asan"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$reports/ubsan"

status=0
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" || status=$?

shopt -s nullglob
found=("$reports"/*)
if [ "${#found[@]}" -gt 0 ]; then
  for report in "${found[@]}"; do
    echo "==== $(basename "$report")"
    cat "$report"
  done
  echo "${#found[@]} sanitizer report(s): the sanitized run fails." >&2
  status=1
fi
exit "$status"

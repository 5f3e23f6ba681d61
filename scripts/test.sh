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

if [ "${1:-}" = "--sanitize" ]; then
  build="$root/build-sanitize"
  "$root/scripts/setup.sh" "$build" -DZORVIK_SANITIZE=ON -DZORVIK_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
else
  build="$root/build"
  "$root/scripts/setup.sh" "$build"
fi
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"

#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for a bounded
# time, one after another (one job: the machine is shared).
#
#   ./scripts/fuzz.sh                      every target for 60 seconds
#   ./scripts/fuzz.sh --time 600           every target for ten minutes
#   ./scripts/fuzz.sh --keep-corpus ...    merge the new inputs worth keeping
#                                          into fuzz/corpus/<target>/
#   ./scripts/fuzz.sh parse_entry ...      only the targets named
#
# Each run starts from the saved corpus in fuzz/corpus/<target>/ and works on
# a copy in build-fuzz/corpus/<target>/. A failing input is written to
# build-fuzz/findings/<target>/; keep it in fuzz/regressions/<target>/ once
# the fault is mended, and the ordinary tests replay it. Exits non-zero when
# any target found something.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
seconds=60
keep=false
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --time) seconds="$2"; shift 2 ;;
    --keep-corpus) keep=true; shift ;;
    -h|--help) sed -n '2,17p' "$0"; exit 0 ;;
    *) targets+=("$1"); shift ;;
  esac
done
if [ "${#targets[@]}" -eq 0 ]; then
  for dir in "$root"/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

# setup.sh installs what is missing (clang and its runtime among them),
# configures the tree with clang the first time, and builds.
"$root/scripts/setup.sh" fuzz

# Inputs of the entry fields reach 10,000 characters and more; the office
# file is read whole. Both are long enough for that.
max_len() {
  case "$1" in
    offices_file) echo 131072 ;;
    office_index_file) echo 16 ;;
    *) echo 16384 ;;
  esac
}

failed=()
for target in "${targets[@]}"; do
  binary="$build/fuzz/fuzz_$target"
  [ -x "$binary" ] || { echo "no fuzz target \"$target\"" >&2; exit 2; }
  work="$build/corpus/$target"
  findings="$build/findings/$target"
  mkdir -p "$work" "$findings"
  cp -n "$root/fuzz/corpus/$target/"* "$work/" 2>/dev/null || true
  echo "==== $target, ${seconds}s"
  if ! "$binary" "$work" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len="$(max_len "$target")" -print_final_stats=1 -artifact_prefix="$findings/" \
      2>"$build/fuzz_$target.log"; then
    failed+=("$target")
  fi
  grep -E '^(stat::|#[0-9]+[[:space:]]+DONE)' "$build/fuzz_$target.log" || true
  if $keep; then
    "$binary" -merge=1 "$root/fuzz/corpus/$target" "$work" -max_len="$(max_len "$target")" \
      2>>"$build/fuzz_$target.log" >/dev/null
  fi
done

if [ "${#failed[@]}" -gt 0 ]; then
  echo "findings in: ${failed[*]} (see build-fuzz/findings/ and build-fuzz/fuzz_<target>.log)" >&2
  exit 1
fi

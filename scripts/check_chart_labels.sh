#!/usr/bin/env bash
# Walks a finer grid of performance charts than the test suite does and
# lists every pair of labels whose words cover each other or whose outlines
# come within two pixels: every model, both units, D drive pressures between
# 40 psig and the model's highest, S inlet scales from 0.5 to 1.5 (default
# 10 and 11: 3960 charts, about twenty seconds).
#
#   scripts/check_chart_labels.sh [build-dir] [D] [S]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${1:-$root/build}"
export ZORVIK_LABEL_GRID="${2:-10},${3:-11}"
export QT_QPA_PLATFORM=offscreen
exec "$build_dir/tests/pictures_tests" --gtest_filter='PerformanceChartTest.NoLabelCoversAnotherOnAnyModelsChart'

#!/bin/bash
# Records what zorvik-select answers for a grid of duties - tables, CSV and
# JSON of flow, fill, compare, point and job show - and every model's chart
# and drawing as PNG, into a folder. Run it before and after a change that
# must not move a figure or a pixel, then compare the folders:
#   scripts/record-outputs.sh /tmp/before; ...; scripts/record-outputs.sh /tmp/after
#   diff -r /tmp/before /tmp/after && echo identical
# Usage: scripts/record-outputs.sh OUTDIR [zorvik-select]
set -euo pipefail
out=${1:?usage: record-outputs.sh OUTDIR [zorvik-select]}
select=$(realpath "${2:-$(dirname "$0")/../build/zorvik-select}")
mkdir -p "$out"
cd "$out"

drives="40 60 80 100 125 150"
{
    echo "drive,air,inlet,outlet,flow"
    for d in $drives; do for air in 5 30 200; do for inlet in 0 20 100 300; do
        for outlet in 150 400 1500 6000; do for flow in 0.2 3 40; do
            echo "$d,$air,$inlet,$outlet,$flow"
        done; done; done; done; done
} > flow.csv
{
    echo "drive,air,inlet,initial,final,capacity"
    for d in $drives; do for air in 10 200; do for inlet in 20 100; do
        for initial in 0 150; do for final in 400 3000; do for cap in 0.5 20; do
            echo "$d,$air,$inlet,$initial,$final,$cap"
        done; done; done; done; done; done
} > fill.csv

# The same duties in barg and litres for the metric runs.
awk -F, -v OFS=, 'NR == 1 { print; next } { print $1 / 14.5, $2 * 28.3, $3 / 14.5, $4 / 14.5, $5 * 28.3 }' \
    flow.csv > flow--metric.csv
awk -F, -v OFS=, 'NR == 1 { print; next } { print $1 / 14.5, $2 * 28.3, $3 / 14.5, $4 / 14.5, $5 / 14.5, $6 * 28.3 }' \
    fill.csv > fill--metric.csv

run() { "$select" "$@" > "$name.out" 2> "$name.err" || echo "exit $?" >> "$name.err"; }
for format in table csv json; do
    for units in "" --metric; do
        name="flow-$format$units" run flow --batch "flow$units.csv" --format "$format" $units
        name="fill-$format$units" run fill --batch "fill$units.csv" --format "$format" $units
        name="gas-flow-$format$units" run flow --batch "flow$units.csv" --format "$format" $units \
            --gas nitrogen --gas-temperature 35 --temperature-limit 150
        name="gas-fill-$format$units" run fill --batch "fill$units.csv" --format "$format" $units \
            --gas methane --real-gas
    done
done
for format in table json; do
    name="compare-flow-$format" run compare --application flow --batch flow.csv --format "$format"
    name="compare-fill-$format" run compare --application fill --batch fill.csv --format "$format"
done
for model in $(seq 1 15); do
    for d in 40 100 150; do for inlet in 0 50 500; do for outlet in 100 1000 8000; do
        name="point-$model-$d-$inlet-$outlet" run point --model "$model" --drive "$d" --inlet "$inlet" \
            --outlet "$outlet" --format json
    done; done; done
done

job=job.zjob
rm -f "$job" "$job~"
"$select" job new "$job" --name Record --price 0.2 > /dev/null
tail -n +2 flow.csv | head -40 | while IFS=, read -r d air inlet outlet flow; do
    "$select" job add "$job" --tag "F-$d-$air-$inlet-$outlet-$flow" --application flow --drive "$d" --air "$air" \
        --inlet "$inlet" --outlet "$outlet" --flow "$flow" --model 6 > /dev/null 2>&1 || true
done
tail -n +2 fill.csv | head -40 | while IFS=, read -r d air inlet initial final cap; do
    "$select" job add "$job" --tag "V-$d-$air-$inlet-$initial-$final-$cap" --application fill --drive "$d" \
        --air "$air" --inlet "$inlet" --initial "$initial" --final "$final" --capacity "$cap" --model 10 \
        > /dev/null 2>&1 || true
done
sed -i 's/"program_version": "[^"]*"/"program_version": ""/' "$job"
for format in table csv json; do name="job-show-$format" run job show "$job" --format "$format"; done
name="job-report-csv" run job report "$job" --out schedule.csv

for model in $(seq 1 15); do
    for units in psi bar; do for d in 60 120; do
        name="chart-$model-$units-$d" run chart --model "$model" --units "$units" --drive "$d" \
            --out "chart-$model-$units-$d.png"
    done; done
    for units in in mm; do name="drawing-$model-$units" run drawing --model "$model" --units "$units" \
        --out "drawing-$model-$units.png"; done
done
echo "recorded in $out: $(ls | wc -l) files"

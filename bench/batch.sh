#!/usr/bin/env bash
# tidewell-chart --batch drawing COUNT PNG charts in one process, against the least a Qt program
# does to write as many blank PNGs of the same size in one process (bench/baseline_blank_png.cpp
# with a count), run in turns so both see the same load.
#   bench/batch.sh [BUILD_DIR] [RUNS] [COUNT]
# The limit checked: the batch <= 2 x the blank PNGs, in wall time; exits 1 above it. CPU time
# (user + system) is shown beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
count=${3:-1000}
. bench/lib.sh
bench_programs
bench_work
mkdir "$work/out"
export QT_QPA_PLATFORM=offscreen

# The widest chart (118 columns), as bench/cli_startup.sh draws it; a new day on every line.
width=2195
height=193
seq 0 $((count - 1)) | sed 's/.*/2000-01-01 + & days/' | date -f - +%F |
  awk -v w="$width" -v h="$height" -v dir="$work/out" \
    '{printf "--birthday 1990-01-31 --date %s --width %d --height %d --out %s/chart-%d.png\n",
             $1, w, h, dir, NR}' >"$work/charts.txt"

# Wall, user and system seconds of one run of "$@", its files removed afterwards.
timed() {
  local TIMEFORMAT='%R %U %S'
  { time "$@" >/dev/null 2>"$work/stderr"; } 2>&1
  find "$work/out" -mindepth 1 -delete
}

timed "$chart" --batch "$work/charts.txt" >/dev/null  # warm-up: the page cache holds both
timed "$baseline" "$width" "$height" "$work/out/blank" "$count" >/dev/null
: >"$work/batch.t"
: >"$work/blank.t"
for _ in $(seq "$runs"); do
  timed "$baseline" "$width" "$height" "$work/out/blank" "$count" >>"$work/blank.t"
  timed "$chart" --batch "$work/charts.txt" >>"$work/batch.t"
done

column() { awk -v c="$1" '{print $c}' "$2" | median; }
cpu() { awk '{print $2 + $3}' "$1" | median; }
bw=$(column 1 "$work/blank.t")
pw=$(column 1 "$work/batch.t")
bc=$(cpu "$work/blank.t")
pc=$(cpu "$work/batch.t")
ratio=$(awk -v p="$pw" -v b="$bw" 'BEGIN {printf "%.2f", p / b}')
echo "runs: $runs each, medians; $count PNGs of ${width}x${height} in one process"
echo "baseline, blank PNGs:       wall $bw s, CPU $bc s"
echo "tidewell-chart --batch:     wall $pw s, CPU $pc s  (wall ratio $ratio, limit 2.00;" \
  "CPU ratio $(awk -v p="$pc" -v b="$bc" 'BEGIN {printf "%.2f", p / b}'))"
if awk -v r="$ratio" 'BEGIN {exit !(r <= 2)}'; then
  echo "batch within the limit"
else
  echo "batch over the limit"
  exit 1
fi

#!/usr/bin/env bash
# Start-up of tidewell-chart from a cold process, against the least a Qt program needs to write
# a PNG of the same size (bench/baseline_blank_png.cpp), run in turns so both see the same load.
#   bench/cli_startup.sh [BUILD_DIR] [RUNS]
# The limit checked: the widest chart (118 columns) as PNG <= 1.5 x the baseline; exits 1 above
# it. The whole-process time of --critical over 100 years is shown beside it; its own 50 ms limit
# is on the work itself, measured by bench_cli without the loading of Qt's libraries.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-31}
. bench/lib.sh
bench_programs
bench_work
export QT_QPA_PLATFORM=offscreen

# 2195 pixels = 32925 twips: Int((32925 - 200) / 275) - 1 = 118 columns.
width=2195
height=193
png=("$chart" --birthday 1990-01-31 --date 2024-03-05 --width "$width" --height "$height"
  --out "$work/chart.png")
blank=("$baseline" "$width" "$height" "$work/blank.png")
critical=("$chart" --birthday 1990-01-31 --critical 2000-01-01 2100-01-01)

micros() {  # wall time of one run of "$@" in microseconds
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

# One warm-up of each, so the page cache holds both programs and their libraries.
"${png[@]}" && "${blank[@]}" && "${critical[@]}" >/dev/null
: >"$work/png.t"
: >"$work/blank.t"
: >"$work/critical.t"
for _ in $(seq "$runs"); do
  micros "${blank[@]}" >>"$work/blank.t"
  micros "${png[@]}" >>"$work/png.t"
  micros "${critical[@]}" >>"$work/critical.t"
done

b=$(median <"$work/blank.t")
p=$(median <"$work/png.t")
c=$(median <"$work/critical.t")
ratio=$(awk -v p="$p" -v b="$b" 'BEGIN {printf "%.2f", p / b}')
echo "runs: $runs each, medians of wall time"
echo "baseline blank PNG ${width}x${height}:      $((b / 1000)) ms"
echo "tidewell-chart PNG, 118 columns:     $((p / 1000)) ms  (ratio $ratio, limit 1.50)"
echo "tidewell-chart --critical 100 years: $((c / 1000)) ms  (whole process; see bench_cli)"
if awk -v r="$ratio" 'BEGIN {exit !(r <= 1.5)}'; then
  echo "PNG start-up within the limit"
else
  echo "PNG start-up over the limit"
  exit 1
fi

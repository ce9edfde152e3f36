#!/usr/bin/env bash
# Start-up of the program to its first painted chart against an empty main window built the
# same way, and the same window with one label (the font system's share), run in turns so all
# see the same load. Prints the median launch-to-first-paint time, whole-process wall time and
# peak resident memory of each.
#   bench/startup.sh [BUILD_DIR] [RUNS]      (offscreen unless QT_QPA_PLATFORM says otherwise)
# With SETTINGS=FILE every run starts from a copy of that settings file instead of none.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-21}
programs=("$build/bench/startup_first_paint" "$build/bench/baseline_empty_window"
          "$build/bench/baseline_empty_window --label")
for p in "${programs[@]}"; do
  p=${p%% *}
  [ -x "$p" ] || { echo "no $p: build it first (ninja -C $build ${p##*/})" >&2; exit 2; }
done
label() { local n=${1##*/}; n=${n/ --/+}; echo "$n"; }

. bench/lib.sh
bench_work  # a first run, unless SETTINGS names a file
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

for ((i = 0; i < runs; i++)); do
  for p in "${programs[@]}"; do
    name=$(label "$p")
    if [ -n "${SETTINGS:-}" ]; then
      mkdir -p "$work/config/Kestrelmoor"
      cp "$SETTINGS" "$work/config/Kestrelmoor/Tidewell.ini"
    fi
    # shellcheck disable=SC2086  # the entry is a program and its arguments
    TIDEWELL_LAUNCH_NS=$(date +%s%N) /usr/bin/time -f "time %e %M" -o "$work/time" $p \
      > "$work/out" 2>/dev/null
    paint=$(awk '/^first_paint_ms/ {print $2, $4}' "$work/out")
    read -r _ wall rss < "$work/time"
    echo "$paint $wall $rss" >> "$work/$name"
  done
done

# Of an even count, the mean of the two middle ones (lib.sh's takes the lower).
median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
printf '%-28s %16s %18s %8s %12s\n' program launch_to_paint_ms main_to_paint_ms wall_s peak_rss_MB
for p in "${programs[@]}"; do
  name=$(label "$p")
  paint=$(cut -d' ' -f1 "$work/$name" | median)
  fromMain=$(cut -d' ' -f2 "$work/$name" | median)
  wall=$(cut -d' ' -f3 "$work/$name" | median)
  rss=$(cut -d' ' -f4 "$work/$name" | median)
  printf '%-28s %16s %18s %8s %12.1f\n' "$name" "$paint" "$fromMain" "$wall" "$(echo "$rss / 1024" | bc -l)"
done
echo "medians of $runs runs each, $QT_QPA_PLATFORM platform"

#!/usr/bin/env bash
# A drag across the chart of a maximised 3840 x 2160 window under Xvfb, the pointer moved left
# at SPEED px/s (1300) by xdotool, the button held, from the right edge nearly to the left. The program prints each
# paint's time and chart date (TIDEWELL_TRACE_PAINTS); this prints the paints per second during
# the drag and how many day columns the chart was behind the pointer at each paint (median,
# mean, worst).
#   bench/drag.sh [BUILD_DIR] [RUNS]
# Needs Xvfb, openbox and xdotool (apt-get install xvfb openbox xdotool).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
runs=${2:-3}
speed=${SPEED:-1300}
seconds=${SECONDS_DRAGGED:-10}
for t in Xvfb openbox xdotool; do
  command -v "$t" >/dev/null || { echo "needs $t" >&2; exit 2; }
done

work=$(mktemp -d)
pids=()
stop() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap stop EXIT

unset QT_QPA_PLATFORM
Xvfb -displayfd 3 -screen 0 3840x2160x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
  sleep 0.1
done
sleep 1

for ((run = 1; run <= runs; run++)); do
  mkdir -p "$work/config/Kestrelmoor"
  printf '[Tidewell]\nBirthday1=1/1/1990\nBirthname1=Ann\nWindow state=2\n' \
    >"$work/config/Kestrelmoor/Tidewell.ini"
  XDG_CONFIG_HOME="$work/config" LC_ALL=en_GB.UTF-8 TIDEWELL_TRACE_PAINTS=1 \
    "$build/src/tidewell" 2>"$work/paints" >/dev/null &
  app=$!
  win=""
  for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n 1) && [ -n "$win" ] && break
    sleep 0.1
  done
  xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
  sleep 1.5
  eval "$(xdotool getwindowgeometry --shell "$win")"  # X, Y, WIDTH, HEIGHT
  # From near the right edge, at a third of the height (the curves' band), leftwards.
  /usr/bin/python3 - "$X" "$Y" "$WIDTH" "$HEIGHT" "$speed" "$seconds" >"$work/pointer" <<'EOF'
import subprocess, sys, time
x0, y0, w, h, speed, seconds = (float(a) for a in sys.argv[1:])
x, y = int(x0 + w - 100), int(y0 + h / 3)
seconds = min(seconds, (w - 200) / speed)  # across the window, not beyond
xdo = lambda *a: subprocess.run(["xdotool", *map(str, a)], check=True)
xdo("mousemove", x, y); time.sleep(0.3)
xdo("mousedown", 1); time.sleep(0.3)
start = time.monotonic()
print("press", int(start * 1e6), x)
# Each move is taken as made when it is asked for, so a lag is never understated.
while (t := time.monotonic() - start) < seconds:
    to = int(x - speed * t)
    print("pointer", int(time.monotonic() * 1e6), to)
    xdo("mousemove", to, y)
    time.sleep(0.008)
end = time.monotonic()
time.sleep(0.3)
xdo("mouseup", 1)
print("release", int(end * 1e6), to)
EOF
  sleep 0.5
  xdotool key --window "$win" alt+F4 >/dev/null 2>&1 || true
  sleep 1
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  [ -n "${KEEP_TRACE:-}" ] && cp "$work/paints" "$work/pointer" "$KEEP_TRACE"
  # The chart date follows the columns the pointer crossed since the press: at 96 dpi the first
  # column starts 200 twips in, and on screen a column is 18 pixels wide.
  /usr/bin/python3 - "$work/pointer" "$work/paints" <<'EOF' || echo "run $run: no drag measured"
import bisect, math, statistics, sys
pointer = [l.split() for l in open(sys.argv[1])]
paints = [l.split() for l in open(sys.argv[2], errors="replace") if l.startswith("paint ")]
press = next(p for p in pointer if p[0] == "press")
release = next(p for p in pointer if p[0] == "release")
t0, t1, px = int(press[1]), int(release[1]), int(press[2])
moves = [(int(p[1]), int(p[2])) for p in pointer if p[0] == "pointer"]
column = lambda x: math.floor((x - left + 0.5) / 18 - 200 / 275)
during = [(int(p[1]), int(p[2])) for p in paints if t0 <= int(p[1]) <= t1]
before = [int(p[2]) for p in paints if int(p[1]) < t0]
if not during or not before:
    sys.exit("no paints traced")
left = int(paints[-1][3])  # the chart's left edge on the screen
start_date = before[-1]
lags = []
for t, date in during:
    i = bisect.bisect_right([m[0] for m in moves], t) - 1
    if i < 0:
        continue
    wanted = column(px) - column(moves[i][1])
    lags.append(wanted - (date - start_date))
rate = len(during) / ((t1 - t0) / 1e6)
print(f"paints/s {rate:.1f}  lag columns median {statistics.median(lags):.2f} "
      f"mean {statistics.mean(lags):.2f} worst {max(lags)}  ({len(during)} paints, "
      f"{(moves[-1][1] - moves[0][1]) / ((moves[-1][0] - moves[0][0]) / 1e6):.0f} px/s)")
EOF
done

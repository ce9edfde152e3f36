#!/usr/bin/env bash
# Drives the real program under Xvfb by keys and checks that it says what happened:
#   typed dates it cannot read, in en_GB, en_US and de_DE: the text stays, the field says why
#     (as a screen reader hears it) and the chart keeps the last good birthday
#   a chart date before the birthday, confirmed with Return or with Tab: the refusal, once
#   the first run: the entry window says what it is for, OK waits for a date, Escape leaves a
#     hint in the chart area
#   the help window: Escape and Ctrl+W close it
#   File > Save as BMP... named chart5.jpg: refused in words naming the four types, the dialog
#     comes back, nothing is written
# Prints PASS or FAIL for each case; exits non-zero on any FAIL.
# usage: scripts/check-window-messages.sh [build-dir]   (needs Xvfb, openbox, xdotool, x11-utils,
#        dbus, at-spi2-core and python3-pyatspi)
set -uo pipefail
build=$(realpath "${1:-build}")
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${TW_IN_SESSION:-}" ]; then
  exec env TW_IN_SESSION=1 dbus-run-session -- "$0" "$build"
fi
scratch=$(mktemp -d)
# A display of its own: Xvfb picks a free number and tells it once it is ready.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 & xpid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$scratch/display")"
openbox >/dev/null 2>&1 & wpid=$!
# Keys reach a window only once the window manager can activate it.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1
done
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bpid=$!
sleep 1
failed=0
trap 'kill $xpid $wpid $bpid 2>/dev/null; rm -rf "$scratch"' EXIT
seed='Birthday1=1/1/1990
Birthname1=Ann'

# Starts Tidewell in locale $2 on a settings folder $1 holding $3 (nothing when empty).
start() {
  cfg="$scratch/$1"
  mkdir -p "$cfg/Kestrelmoor"
  [ -n "$3" ] && printf '[Tidewell]\n%s\n' "$3" > "$cfg/Kestrelmoor/Tidewell.ini"
  XDG_CONFIG_HOME="$cfg" LC_ALL="$2" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$build/src/tidewell" >/dev/null 2>&1 & app=$!
  for _ in $(seq 50); do
    [ -n "$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n 1)" ] && break
    sleep 0.1
  done
  sleep 1
  xdotool windowactivate --sync "$(xdotool search --onlyvisible --pid "$app" | tail -n 1)" >/dev/null 2>&1
}
keys() { for k in "$@"; do xdotool key "$k"; sleep 0.3; done; }
typed() { xdotool type --delay 60 "$1"; sleep 0.3; }
# File, Exit; a program still running 10 s later is stopped and reported.
quit() {
  keys alt+f x
  for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app" 2>/dev/null; then
    echo "FAIL  File, Exit did not end it"; failed=1; kill "$app"
  fi
  wait "$app" 2>/dev/null
}
check() {
  if [ "$2" = "$3" ]; then echo "PASS  $1"; else echo "FAIL  $1: got '$2', wanted '$3'"; failed=1; fi
}
# What a screen reader hears: with a role and a name, that object's text, description or
# whether it is enabled or showing; with the role "any" and a piece of text, the first name
# holding it (or whether that object is showing).
spoken() { /usr/bin/python3 "$here/spoken.py" "$app" "$@"; }

# Typed into Birthday, then Tab: the text stays and the field says why; the chart keeps Ann.
refusals() {
  local locale=$1; shift
  start "refuse-$locale" "$locale.UTF-8" "$seed"
  keys Tab                                  # the birthday, its text selected
  while [ $# -gt 0 ]; do
    typed "$1"; keys Tab
    check "$locale: $1 stays in the field" "$(spoken text Birthday)" "$1"
    check "$locale: $1 is refused in words" "$(spoken text Birthday description)" "$2"
    keys shift+Tab                          # back, the text selected again
    shift 2
  done
  check "$locale: the chart keeps the last good birthday" \
    "$(spoken chart Chart description | grep -o 'birthday [^(]*(Ann)' | head -n 1 | grep -c Ann)" "1"
  quit
}
refusals en_GB \
  12/24/1990 "12/24/1990 is not a date in day/month/year order: there is no month 24." \
  24/12 "24/12 is not a whole date: type the day, month and year as day/month/year." \
  12/1990 "12/1990 is not a whole date: type the day, month and year as day/month/year." \
  31/02/1990 "31/02/1990 is not a date: February 1990 has 28 days."
refusals en_US \
  24/12/1990 "24/12/1990 is not a date in month/day/year order: there is no month 24."
refusals de_DE \
  31.02.1990 "31.02.1990 is not a date: February 1990 has 28 days." \
  24.12. "24.12. is not a whole date: type the day, month and year as day.month.year."

# A chart date before the birthday, typed and confirmed: one refusal either way.
refusal() { spoken any "You can't display a biorhythm chart"; }
for key in Return Tab; do
  start "before-birth-$key" en_GB.UTF-8 "$seed"
  keys Tab Tab                              # the chart date
  typed "01/01/1980"
  check "chart date before the birthday, $key: no message while typing" "$(refusal | wc -l)" "0"
  keys "$key"; sleep 0.5
  check "chart date before the birthday, $key: the refusal is shown" \
    "$(refusal | grep -c 'Setting chart date to 1/1/1990')" "1"
  keys Return; sleep 0.5                    # closes it
  check "chart date before the birthday, $key: shown once" "$(refusal | wc -l)" "0"
  check "chart date before the birthday, $key: the chart date" "$(spoken text 'Chart date')" "01/01/1990"
  quit
done

# The first run, cancelled.
start first-run en_GB.UTF-8 ""
check "first run: the entry window says what it is for" \
  "$(spoken any 'Your name and birthday' )" "Your name and birthday, to draw your biorhythm chart:"
check "first run: OK waits for a date" "$(spoken 'push button' OK enabled)" "False"
check "first run: Cancel is offered" "$(spoken 'push button' Cancel enabled)" "True"
typed "Pat"; keys Return; typed "24/12/1990"
check "first run: OK once a date is typed" "$(spoken 'push button' OK enabled)" "True"
keys Escape; sleep 0.5
check "first run: Escape closes the entry window" "$(spoken dialog Entry showing)" "False"
check "first run, cancelled: the chart area's hint" "$(spoken chart Chart description)" \
  "No birthday has been chosen yet. Type one in the Birthday field below, or press Birthday to choose a person."
quit

# The help window closes from the keyboard.
for key in Escape ctrl+w; do
  start "help-$key" en_GB.UTF-8 "$seed"
  keys alt+h c; sleep 1
  shown=$(spoken any 'Tidewell Help' showing)
  keys "$key"; sleep 0.5
  check "help window: $key closes it" "$shown $(spoken any 'Tidewell Help' showing)" "True False"
  quit
done

# A name of a type Tidewell does not write.
start save-jpg en_GB.UTF-8 "$seed"
keys alt+f s; sleep 1
keys ctrl+a; typed "$scratch/chart5.jpg"; keys Return; sleep 0.5
check "chart5.jpg: refused, naming the four types" \
  "$(spoken any 'is not a name Tidewell can save a chart as' | tr '\n' ' ' | grep -c 'chart5.jpg .*\.bmp, \.png, \.svg or \.pdf')" "1"
keys Return; sleep 0.5
check "chart5.jpg: the dialog comes back" "$(spoken dialog 'Save chart as bitmap' showing)" "True"
keys Escape
check "chart5.jpg: nothing written" "$(ls "$scratch" | grep -c chart5)" "0"
quit

exit $failed

#!/usr/bin/env bash
# Drives the real program under Xvfb with the mouse and the clipboard, each run with a scratch
# settings folder, and checks the chart date the date field then shows (read as a screen
# reader reads it):
#   wheel     three notches down, one up, one down with Shift: 2 + 7 days later
#   drag      the chart date's column dragged five columns left, then back in another drag
#             cancelled by Escape: 5 days later
#   double    a double-click three columns right of the chart date: that day
#   cursor    the day cursor three days right and Return: that day; then two left and Space
#   birthday  five notches up two days after the birthday: the birthday, no message box
#   copy      Ctrl+C on the chart: PNG, SVG and text offered, the PNG the pixels of a saved PNG
#   field     Ctrl+C in a date field: its own text, no image
# usage: scripts/check-gestures.sh [build-dir]   (installs what it lacks of xvfb, openbox, xdotool, xclip,
#        imagemagick, dbus, at-spi2-core and python3-pyatspi)
set -uo pipefail
build=$(realpath "${1:-build}")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/session.sh"
session_open xclip:xclip compare:imagemagick

start() {
  session_launch "$1" "$2"
  read -r chartX chartY <<<"$(spoken chart Chart extents)"
}
windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l; }
shown() { spoken text 'Chart date'; }
later() { date -d "$1 + $2 days" +%d/%m/%Y; }
# The middle of day column $1 (0 is the first) of the designed 22, the chart date in column 11,
# at 96 dpi: 200 twips to the first column, 275 a column, 15 twips a pixel.
column() { echo $(( chartX + (200 + 275 * $1 + 137) / 15 )); }
middle() { echo $(( chartY + 90 )); }
pointAt() { xdotool mousemove "$(column "$1")" "$(middle)"; sleep 0.3; }

today=$(date +%Y-%m-%d)
seed='Birthday1=1/1/1990
Birthname1=Ann'

start wheel "$seed"
pointAt 11
for b in 5 5 5 4; do xdotool click "$b"; sleep 0.1; done
xdotool keydown shift click 5 keyup shift
sleep 0.6
same "wheel: 3 down, 1 up, 1 down with Shift" "$(shown)" "$(later "$today" 9)"
quit

start drag "$seed"
pointAt 11
xdotool mousedown 1; sleep 0.2
for step in 1 2 3 4 5; do xdotool mousemove_relative -- -18 0; sleep 0.1; done
xdotool mousemove "$(( $(column 11) - 92 ))" "$(middle)"; sleep 0.2
xdotool mouseup 1; sleep 0.4
same "drag: five columns to the left" "$(shown)" "$(later "$today" 5)"
xdotool mousedown 1; sleep 0.2
xdotool mousemove_relative -- 120 0; sleep 0.3
xdotool key Escape; sleep 0.2
xdotool mouseup 1; sleep 0.4
same "drag: Escape puts it back" "$(shown)" "$(later "$today" 5)"
quit

start double "$seed"
xdotool mousemove "$(column 14)" "$(middle)"; sleep 0.3
xdotool click --repeat 2 --delay 80 1; sleep 0.5
same "double-click: three columns right" "$(shown)" "$(later "$today" 3)"
quit

start cursor "$seed"
pointAt 11
xdotool click 1; sleep 0.3     # the chart area has the keys
keys Right Right Right Return
same "day cursor: Return three days right" "$(shown)" "$(later "$today" 3)"
keys Left Left space
same "day cursor: Space two days left of that" "$(shown)" "$(later "$today" 1)"
quit

born=$(date -d "$today - 2 days" +%-d/%-m/%Y)
start birthday "Birthday1=$born
Birthname1=Ann"
pointAt 11
for _ in 1 2 3 4 5; do xdotool click 4; sleep 0.1; done
sleep 0.6
same "wheel back past the birthday: stops on it" "$(shown)" "$(date -d "$today - 2 days" +%d/%m/%Y)"
same "wheel back past the birthday: no message box" "$(windows)" "1"
quit

start copy "$seed"
pointAt 11
xdotool click 1; sleep 0.3
keys ctrl+c
targets=$(xclip -selection clipboard -t TARGETS -o 2>/dev/null)
for t in image/png image/svg+xml text/plain; do
  same "copy: the clipboard offers $t" "$(grep -x -c "$t" <<<"$targets")" "1"
done
xclip -selection clipboard -t image/png -o > "$scratch/copied.png" 2>/dev/null
same "copy: the text opens with the header" "$(xclip -selection clipboard -t text/plain -o | head -n 1)" \
  "Birthday: Monday 01/01/1990 (Ann)"
keys alt+f s; sleep 1; keys ctrl+a
xdotool type --delay 30 "$scratch/saved.png"; keys Return; sleep 1
differ=$(compare -metric AE "$scratch/copied.png" "$scratch/saved.png" null: 2>&1)
same "copy: the PNG's pixels are the saved PNG's" "$differ" "0"
quit

start field "$seed"
keys Tab ctrl+a ctrl+c         # the birthday field, its text selected
same "field: Ctrl+C copies the field's text" "$(xclip -selection clipboard -o 2>/dev/null)" "01/01/1990"
same "field: no image offered" "$(xclip -selection clipboard -t TARGETS -o | grep -c image/)" "0"
quit


#!/usr/bin/env bash
# Opens Help > Index in the real program under Xvfb and types, one at a time, the words people
# try when they look for a feature; each must choose the topic about it (the finder's chosen
# line, read as a screen reader reads it), and Return must show that topic.
# usage: scripts/check-help-index.sh [build-dir]   (installs what it lacks of xvfb, openbox,
#        xdotool, x11-utils, dbus, at-spi2-core and python3-pyatspi)
set -uo pipefail
build=$(realpath "${1:-build}")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/session.sh"
session_open

# The topic the finder has chosen: the selected line of its list.
chosen() { spoken list '' selected; }

session_launch index 'Birthday1=1/1/1990
Birthname1=Ann'
keys alt+h i
sleep 1
holds '[ "$(spoken any "Tidewell Help" showing)" = True ]' "Help > Index opens the help window"

while IFS='|' read -r word topic; do
  keys ctrl+a
  xdotool type --delay 60 "$word"; sleep 0.5
  same "index: $word" "$(chosen)" "$topic"
done <<'WORDS'
copy|Copying the chart to the clipboard
clipboard|Copying the chart to the clipboard
calendar|Adding the days to your calendar
reminder|Adding the days to your calendar
critical|Critical days
drag|Dragging the chart
wheel|Turning the mouse wheel
mouse|The mouse and the keyboard on the chart
keyboard|Keyboard shortcuts
WORDS

# Return shows the chosen topic in the browser, scrolled to its heading.
keys Return; sleep 0.5
holds '[ "$(spoken list "" showing)" = False ]' "Return leaves the finder for the topic"

keys Escape; sleep 0.3
xdotool windowactivate --sync "$win" >/dev/null 2>&1
quit

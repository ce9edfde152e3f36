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
# usage: scripts/check-window-messages.sh [build-dir]   (installs what it lacks of xvfb, openbox, xdotool, x11-utils,
#        dbus, at-spi2-core and python3-pyatspi)
set -uo pipefail
build=$(realpath "${1:-build}")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/session.sh"
session_open
seed='Birthday1=1/1/1990
Birthname1=Ann'

typed() { xdotool type --delay 60 "$1"; sleep 0.3; }

# Typed into Birthday, then Tab: the text stays and the field says why; the chart keeps Ann.
refusals() {
  local locale=$1; shift
  session_launch "refuse-$locale" "$seed" "$locale.UTF-8"
  keys Tab                                  # the birthday, its text selected
  while [ $# -gt 0 ]; do
    typed "$1"; keys Tab
    same "$locale: $1 stays in the field" "$(spoken text Birthday)" "$1"
    same "$locale: $1 is refused in words" "$(spoken text Birthday description)" "$2"
    keys shift+Tab                          # back, the text selected again
    shift 2
  done
  same "$locale: the chart keeps the last good birthday" \
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
  session_launch "before-birth-$key" "$seed"
  keys Tab Tab                              # the chart date
  typed "01/01/1980"
  same "chart date before the birthday, $key: no message while typing" "$(refusal | wc -l)" "0"
  keys "$key"; sleep 0.5
  same "chart date before the birthday, $key: the refusal is shown" \
    "$(refusal | grep -c 'Setting chart date to 1/1/1990')" "1"
  keys Return; sleep 0.5                    # closes it
  same "chart date before the birthday, $key: shown once" "$(refusal | wc -l)" "0"
  same "chart date before the birthday, $key: the chart date" "$(spoken text 'Chart date')" "01/01/1990"
  quit
done

# The first run, cancelled.
session_launch first-run ""
same "first run: the entry window says what it is for" \
  "$(spoken any 'Your name and birthday' )" "Your name and birthday, to draw your biorhythm chart:"
same "first run: OK waits for a date" "$(spoken 'push button' OK enabled)" "False"
same "first run: Cancel is offered" "$(spoken 'push button' Cancel enabled)" "True"
typed "Pat"; keys Return; typed "24/12/1990"
same "first run: OK once a date is typed" "$(spoken 'push button' OK enabled)" "True"
keys Escape; sleep 0.5
same "first run: Escape closes the entry window" "$(spoken dialog Entry showing)" "False"
same "first run, cancelled: the chart area's hint" "$(spoken chart Chart description)" \
  "No birthday has been chosen yet. Type one in the Birthday field below, or press Birthday to choose a person."
quit

# The help window closes from the keyboard.
for key in Escape ctrl+w; do
  session_launch "help-$key" "$seed"
  keys alt+h c; sleep 1
  shown=$(spoken any 'Tidewell Help' showing)
  keys "$key"; sleep 0.5
  same "help window: $key closes it" "$shown $(spoken any 'Tidewell Help' showing)" "True False"
  quit
done

# A name of a type Tidewell does not write.
session_launch save-jpg "$seed"
keys alt+f s; sleep 1
keys ctrl+a; typed "$scratch/chart5.jpg"; keys Return; sleep 0.5
same "chart5.jpg: refused, naming the four types" \
  "$(spoken any 'is not a name Tidewell can save a chart as' | tr '\n' ' ' | grep -c 'chart5.jpg .*\.bmp, \.png, \.svg or \.pdf')" "1"
keys Return; sleep 0.5
same "chart5.jpg: the dialog comes back" "$(spoken dialog 'Save chart as bitmap' showing)" "True"
keys Escape
same "chart5.jpg: nothing written" "$(ls "$scratch" | grep -c chart5)" "0"
quit


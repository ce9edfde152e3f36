#!/usr/bin/env bash
# Drives the real program under Xvfb by keys only, each run with a scratch settings folder, and
# checks what it stored or shows:
#   entry     New... in the people list, 24/12/2030 typed as the birthday, Return: PeopleDate 24/12/2030
#   f1        15/06/2027 typed over the chart date and F1 at once: the chart date is 16/06/2027
#   f1-short  15/06/27 typed over the chart date and F1 at once: the chart date is 16/06/2027
#   up        Up at start-up, then Exit: the stored birthday and name are unchanged
#   no-qt-file  the save dialog opened and cancelled: no settings file but Tidewell's own
#   first-run   no settings file: the entry window asks; Slash 24/12/1990 is stored and charted
# usage: scripts/check-typed-dates.sh [build-dir]   (en_GB dates; installs what it lacks of xvfb, openbox, xdotool,
#        dbus, at-spi2-core and python3-pyatspi)
set -uo pipefail
build=$(realpath "${1:-build}")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/session.sh"
session_open

typed() { xdotool type --delay 60 "$1"; }
stored() { grep -h "^${2// /%20}=" "$scratch/$1/Kestrelmoor/Tidewell.ini" | cut -d= -f2-; }

seed='Birthday1=1/1/1990
Birthname1=Ann'

session_launch entry "$seed"
keys Tab Tab Tab space          # the Birthday button: the People window
keys Tab Tab space              # past Close to New...: the Entry window, the name box focused
typed "Slash"; keys Return      # Return in the name moves on to the birthday
typed "24/12/2030"; keys Return # Return presses OK
keys Escape                     # closes the People window as Close does
quit
same "entry: PeopleName 1" "$(stored entry 'PeopleName 1')" "Slash"
same "entry: PeopleDate 1" "$(stored entry 'PeopleDate 1')" "24/12/2030"

for short in 2027 27; do
  session_launch "f1-$short" "$seed"
  keys Tab Tab                  # the chart date, its text selected
  typed "15/06/$short"; keys F1
  same "typed 15/06/$short, F1: chart date field" "$(spoken text 'Chart date')" "16/06/2027"
  description=$(spoken chart Chart description)
  same "typed 15/06/$short, F1: chart description" "$(grep -o '16/06/2027, the chart date' <<<"$description")" \
    "16/06/2027, the chart date"
  quit
done

session_launch up "$seed"
keys Up
quit
same "Up at start-up: Birthday1" "$(stored up Birthday1)" "1/1/1990"
same "Up at start-up: Birthname1" "$(stored up Birthname1)" "Ann"

session_launch no-qt-file "$seed"
keys alt+f s; sleep 1; keys Escape
quit
same "save dialog: files written" "$(cd "$scratch/no-qt-file" && find . -type f | sort | tr '\n' ' ')" \
  "./Kestrelmoor/Tidewell.ini "

session_launch first-run ""
typed "Slash"; keys Return
typed "24/12/1990"; keys Return
same "first run: the chart's birthday" "$(spoken chart Chart description | grep -o 'birthday [^.]*')" \
  "birthday Monday 24/12/1990 (Slash)"
quit
same "first run: PeopleName 1" "$(stored first-run 'PeopleName 1')" "Slash"
same "first run: Birthday1" "$(stored first-run Birthday1)" "24/12/1990"


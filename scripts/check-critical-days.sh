#!/usr/bin/env bash
# Drives the "Critical days" window of the built program under Xvfb, by keys and the mouse, and
# checks it against tidewell-chart and python3-icalendar, with a stored birthday:
#   rows 30 days / 3 months / 12 months  the window's rows are tidewell-chart --critical's days
#                                        from the chart date to the span's last day
#   calendar, calendar with reminder     Add to calendar... writes a file that icalendar reads
#                                        back as exactly the listed days, all-day, with a
#                                        display alarm 15 hours before each when asked
#   double-click, Return                 a row made the chart date, by the mouse and by keys
#   Escape                               closes the window
# usage: scripts/check-critical-days.sh [build-dir]   (en_GB dates; installs what it lacks of
#        xvfb openbox xdotool x11-utils dbus at-spi2-core python3-pyatspi python3-icalendar)
set -uo pipefail
build=$(realpath "${1:-build}")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/session.sh"
session_open py:icalendar:python3-icalendar
# tidewell-chart reads the program's settings, in en_GB as the program does.
export XDG_CONFIG_HOME="$scratch/config" LC_ALL=en_GB.UTF-8 LANGUAGE=

# The Critical days list as the screen reader hears it: ISO day|cycles, a row a line.
rows() { spoken tree 'Critical days' days; }

# tidewell-chart's days from the chart date to the last day of span 0, 1 or 2, as rows writes them.
expected() {
  local from=$1 to
  to=$(/usr/bin/python3 - "$from" "$2" <<'PY'
import calendar, datetime, sys
d, span = datetime.date.fromisoformat(sys.argv[1]), int(sys.argv[2])
if span == 0:
    print(d + datetime.timedelta(days=29))
else:
    months = d.month - 1 + (3 if span == 1 else 12)
    y, m = d.year + months // 12, months % 12 + 1
    last = calendar.monthrange(y, m)[1]
    print(datetime.date(y, m, d.day) - datetime.timedelta(days=1) if d.day <= last else datetime.date(y, m, last))
PY
)
  "$build/src/cli/tidewell-chart" --critical "$from" "$to" | sed -E 's/^([0-9-]+) [A-Za-z]+: /\1|/'
}

# The events of a calendar file as rows writes them; FAIL lines for any broken rule.
events() {
  /usr/bin/python3 - "$1" "$2" <<'PY'
import datetime, sys, icalendar
cal = icalendar.Calendar.from_ical(open(sys.argv[1], "rb").read())
alarm = sys.argv[2] == "alarm"
for e in cal.walk("VEVENT"):
    start = e.decoded("DTSTART")
    stamp = e.decoded("DTSTAMP")
    alarms = e.walk("VALARM")
    ok = (type(start) is datetime.date and stamp.tzinfo is not None and
          len(alarms) == (1 if alarm else 0) and
          all(a["ACTION"] == "DISPLAY" and a.decoded("TRIGGER") == -datetime.timedelta(hours=15)
              for a in alarms))
    names = str(e["SUMMARY"]).split(": ", 1)[1]
    print(f"{start.isoformat()}|{names}" + ("" if ok else " (broken event)"))
PY
}

session_launch config 'Birthday1=31/1/1990
Birthname1=Anna'
today=$(date +%F)
keys ctrl+r
sleep 1

spans=("30 days" "3 months" "12 months")
for s in 0 1 2; do
  keys alt+s Home
  for _ in $(seq "$s"); do keys Down; done
  want=$(expected "$today" "$s")
  same "rows ${spans[$s]} ($(wc -l <<<"$want") days)" "$(rows | tr '\n' ' ')" "$(tr '\n' ' ' <<<"$want")"
done

# Back to 30 days; a file without and one with the reminder.
keys alt+s Home
for kind in plain alarm; do
  [ "$kind" = alarm ] && keys alt+r
  file="$scratch/$kind.ics"
  keys alt+a; sleep 1
  keys ctrl+a; xdotool type --delay 30 "$file"; keys Return; sleep 1
  keys Escape  # the box after the file: No to opening it in a calendar program
  if [ -f "$file" ]; then
    same "calendar ($kind)" "$(events "$file" "$kind" | tr '\n' ' ')" "$(rows | tr '\n' ' ')"
  else
    fail "calendar ($kind)" "no file $file" "a file"
  fi
done

third=$(rows | sed -n 3p | cut -d'|' -f1)
read -r x y <<<"$(spoken tree 'Critical days' centre 2)"
xdotool mousemove --sync "$x" "$y" click --repeat 2 --delay 80 1; sleep 1
want=$(date -d "$third" +%d/%m/%Y)
same "double-click a row: chart date" "$(spoken text 'Chart date')" "$want"
same "double-click a row: the list starts there" "$(rows | sed -n 1p | cut -d'|' -f1)" "$third"

second=$(rows | sed -n 2p | cut -d'|' -f1)
keys Down Return; sleep 0.5
same "Return on a row: chart date" "$(spoken text 'Chart date')" "$(date -d "$second" +%d/%m/%Y)"

keys Escape
same "Escape closes the window" "$(spoken dialog 'Critical days' showing)" "False"

#!/usr/bin/env bash
# "Add to calendar..." in the "Critical days" window of the built program under Xvfb, with khal
# as the desktop's calendar program: a desktop entry of a throwaway home handles text/calendar
# by importing the file into a throwaway khal calendar, and xdg-mime makes it the default.
#   Yes    the box says where the file is; khal then lists exactly the window's days, and the
#          entry ran once
#   No     the next file is written and nothing is imported
#   none   with no program for calendar files the box says so; the file stays, unimported
# usage: scripts/check-calendar-open.sh [build-dir]   (en_GB dates; SKIPs without khal or
#        xdg-utils; installs what it lacks of xvfb openbox xdotool x11-utils dbus at-spi2-core
#        python3-pyatspi file)
set -uo pipefail
build=$(realpath "${1:-build}")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/session.sh"
for t in khal xdg-mime xdg-open; do
  if ! command -v "$t" >/dev/null; then
    skip "calendar program" "no $t (packages khal, xdg-utils)"
    exit 77
  fi
done
# xdg-open outside a desktop tells a file's type by `file`.
session_open file:file

# A home of its own, outside any desktop: the associations are the ones made here.
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
export XDG_DATA_DIRS=/usr/local/share:/usr/share
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID BROWSER
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/applications" "$scratch/calendar"
cat > "$scratch/khal.conf" <<EOF
[calendars]
[[days]]
path = $scratch/calendar
type = calendar
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
EOF
# Each run of the entry leaves a line, so that a file imported twice shows. (khal stops at a
# locale the system lacks; the program's en_GB needs only Qt's own tables.)
cat > "$scratch/import" <<EOF
#!/bin/sh
echo "\$1" >> "$scratch/imports"
LC_ALL=C.UTF-8 exec khal -c "$scratch/khal.conf" import --batch "\$1" >> "$scratch/import.log" 2>&1
EOF
chmod +x "$scratch/import"
entry=tidewell-check-khal.desktop
cat > "$XDG_DATA_HOME/applications/$entry" <<EOF
[Desktop Entry]
Type=Application
Name=khal import
Exec=$scratch/import %f
MimeType=text/calendar;
NoDisplay=true
EOF
xdg-mime default "$entry" text/calendar
same "xdg-mime names the entry for text/calendar" "$(xdg-mime query default text/calendar)" "$entry"

# What the screen reader hears of the message box shown, lines joined by "|".
box() { spoken alert 'Critical days' labels | paste -sd'|'; }
imported() { LC_ALL=C.UTF-8 khal -c "$scratch/khal.conf" list --day-format "" --format "{start-date}" "$(date +%F)" 400d 2>/dev/null; }
imports() { [ -f "$scratch/imports" ] && wc -l < "$scratch/imports" || echo 0; }

# Add to calendar..., the file named $1; leaves the box that follows it up.
addToCalendar() {
  xdotool windowactivate --sync "$days" >/dev/null 2>&1
  keys alt+a
  sleep 1
  keys ctrl+a
  xdotool type --delay 30 "$1"
  keys Return
  sleep 1.5
}
# Waits up to 10 s for the entry to have run $1 times in all.
awaitImports() { for _ in $(seq 50); do [ "$(imports)" -ge "$1" ] && break; sleep 0.2; done; sleep 1; }

# Starts the program, on the settings folder xdg-mime keeps its choices in, and opens its
# Critical days window ($days).
openDays() {
  session_launch config 'Birthday1=31/1/1990
Birthname1=Anna'
  keys ctrl+r
  sleep 1
  days=$(xdotool search --onlyvisible --name '^Critical days$' | head -1)
}

openDays
listed=$(spoken tree 'Critical days' days | cut -d'|' -f1)
holds '[ -n "$listed" ]' "the window lists $(wc -l <<<"$listed") days"

file="$scratch/Anna days.ics"
addToCalendar "$file"
contains "Yes: the box says where the file is" "$(box)" \
  "The critical days are saved in|$file.||Open it in your calendar program to add them?"
keys y
awaitImports 1
holds '[ -f "$file" ]' "Yes: the file is written"
same "Yes: khal lists the window's days" "$(imported | tr '\n' ' ')" "$(tr '\n' ' ' <<<"$listed")"
[ -s "$scratch/import.log" ] && sed 's/^/      khal import: /' "$scratch/import.log"
same "Yes: the entry ran once, on the file" "$(cat "$scratch/imports" 2>/dev/null)" "$file"

second="$scratch/again.ics"
addToCalendar "$second"
keys n
sleep 3
holds '[ -f "$second" ] && [ "$(imports)" -eq 1 ]' \
  "No: the file is written and not imported (the entry ran $(imports) times in all)"

# No program for calendar files: no entry, no association, nothing in the system's folders.
rm -f "$XDG_DATA_HOME/applications/$entry" "$XDG_CONFIG_HOME/mimeapps.list"
none="$scratch/none.ics"
if [ -z "$(XDG_DATA_DIRS="$scratch/nowhere" xdg-mime query default text/calendar)" ]; then
  kill "$app" 2>/dev/null; wait "$app" 2>/dev/null
  XDG_DATA_DIRS="$scratch/nowhere" openDays
  addToCalendar "$none"
  contains "none: the box says so" "$(box)" \
    "The critical days are saved in|$none.||No program on this computer opens calendar files.|Import the file into your calendar yourself."
  keys Return
  sleep 1
  holds '[ -f "$none" ] && [ "$(imports)" -eq 1 ]' \
    "none: the file is written and stays unimported (the entry ran $(imports) times in all)"
else
  skip "none" "xdg-mime still finds a program for text/calendar"
fi

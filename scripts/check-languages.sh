#!/usr/bin/env bash
# Drives the built program under Xvfb in German and in British English and reads what a screen
# reader hears of it:
#   de_DE.UTF-8   the menu bar, the chart header, an interpretation, the Critical days window
#                 and the colour dialog (Qt's own) are German: the catalogue's German texts
#   en_GB.UTF-8   the same texts, exactly today's English
# The locales are made without root in a folder of the check's own (localedef, LOCPATH).
# usage: scripts/check-languages.sh [build-dir]   (installs what it lacks of xvfb openbox
#        xdotool x11-utils dbus at-spi2-core python3-pyatspi locales)
set -uo pipefail
build=$(realpath "${1:-build}")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/session.sh"
session_open localedef:locales

export LOCPATH="$scratch/locales"
mkdir -p "$LOCPATH"
for l in de_DE en_GB; do
  localedef -i "$l" -f UTF-8 "$LOCPATH/$l.UTF-8" >/dev/null 2>&1 || { echo "localedef $l failed"; exit 2; }
done

# The German of a text as the built catalogue has it, its access key mark taken out.
german() { # context (may be empty), text
  local ctx=()
  [ -n "$1" ] && ctx=(-c "$1")
  TEXTDOMAINDIR="$build/src/locale" LANGUAGE=de LC_ALL=de_DE.UTF-8 \
    gettext -d tidewell "${ctx[@]}" "$2" | tr -d '&'
}

# Every object the screen reader finds in the program: ROLE|NAME|DESCRIPTION|PARENT'S ROLE.
tree() { spoken; }
menus() { tree | awk -F'|' '$4 == "menu bar" {print $2}' | tr -d '&' | paste -sd' '; }
closeTop() { keys Escape; sleep 0.5; }

run() { # locale, then the access keys of Settings, Colours and Background...
  # The locale as a desktop sets it, by LANG alone.
  LANG=$1 session_launch "$1" 'Birthday1=31/1/1990
Birthname1=Anna' ""
  sleep 0.5  # the whole tree is read at once: the window settles a little longer
  seen_menus=$(menus)
  seen_chart=$(tree | awk -F'|' '$1 == "chart" {print $3; exit}')
  keys ctrl+i; sleep 1
  seen_reading=$(tree | awk -F'|' '$1 == "label" && length($2) > 40 {print $2; exit}')
  closeTop
  keys ctrl+r; sleep 1.5
  seen_critical=$(tree | awk -F'|' '$1 == "dialog" || $1 == "frame" {print $2}' | paste -sd'/')
  closeTop
  xdotool windowactivate --sync "$win" >/dev/null 2>&1
  # Settings > Colours > Background..., by the access keys of the language shown.
  local s c b
  s=$2 c=$3 b=$4
  keys "alt+$s" "$c" "$b"; sleep 1.5
  seen_colour=$(tree | awk -F'|' '$1 == "dialog" {print $2}' | paste -sd'/')
  closeTop
  kill "$app" 2>/dev/null; wait "$app" 2>/dev/null; app=""
}

# The access key of a German text: the letter after its "&", lower case.
key() { TEXTDOMAINDIR="$build/src/locale" LANGUAGE=de LC_ALL=de_DE.UTF-8 gettext -d tidewell -c "$1" "$2" |
          sed -n 's/.*&\(.\).*/\1/p' | tr '[:upper:]' '[:lower:]'; }

run en_GB.UTF-8 s c b
same "en_GB: the menu bar" "$seen_menus" "File Edit Chart Settings Help"
# The chart as a screen reader hears it: its header's birthday line in words.
contains "en_GB: the chart header" "$seen_chart" "birthday Wednesday 31/01/1990 (Anna)"
contains "en_GB: an interpretation" "$seen_reading" "Interpretation for "
same "en_GB: the Critical days window" "$(tr '/' '\n' <<<"$seen_critical" | grep -cx 'Critical days')" 1
contains "en_GB: the colour dialog" "$seen_colour" "Select Color"
english_reading=$seen_reading

run de_DE.UTF-8 "$(key 'menu bar' '&Settings')" "$(key 'Settings menu' '&Colours')" \
  "$(key 'Colours menu' '&Background...')"
same "de_DE: the menu bar" "$seen_menus" \
  "$(for m in File Edit Chart Settings Help; do german 'menu bar' "&$m"; echo; done | paste -sd' ')"
german_header=$(german "chart header" "Birthday: {1}" | sed 's/{1}.*//')
holds '[ "$german_header" != "Birthday: " ]' "de_DE: the header has a German text: '$german_header'"
contains "de_DE: the chart header" "$seen_chart" "${german_header%: } "
contains "de_DE: an interpretation" "$seen_reading" \
  "$(german "" "Interpretation for {1}:" | sed 's/{1}.*//')"
holds '[ "$seen_reading" != "$english_reading" ]' "de_DE: the interpretation is not the English one"
contains "de_DE: the Critical days window" "$seen_critical" "$(german "" "Critical days")"
# Qt's own words, from its German translation (qt6-translations-l10n).
contains "de_DE: the colour dialog" "$seen_colour" "Farbauswahl"

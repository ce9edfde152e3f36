#!/usr/bin/env bash
# Runs the built program in a private X display (Xvfb 1280 x 900 with a window manager) against
# settings and disks that have hurt it before, and prints what it saw, one line per check.
# Every check has its own scratch XDG_CONFIG_HOME and XDG_RUNTIME_DIR. Checks of links, another
# user's files and mounts run only as root.
#   scripts/check-faults.sh BUILD_DIR [SHOTS_DIR]     (screenshots go to SHOTS_DIR when given)
# The full and read-only disks are tmpfs mounts and need root; the read-only file is tried as
# root and as "nobody". As root, two throwaway users, tw-victim and tw-other, plant links for
# each other; they are removed at the end. Exits 1 when a check failed.
set -uo pipefail
build=$(cd "${1:?usage: check-faults.sh BUILD_DIR [SHOTS_DIR]}" && pwd)
shots=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
exe=$build/src/tidewell
chart=$build/src/cli/tidewell-chart
root=$([ "$(id -u)" -eq 0 ] && echo 1 || echo "")
. "$here/lib/session.sh"
# The boxes' words are read as a screen reader reads them.
session_need xwininfo:x11-utils xmessage:x11-utils import:imagemagick dbus-run-session:dbus \
  /usr/libexec/at-spi-bus-launcher:at-spi2-core py:pyatspi:python3-pyatspi
work=$(mktemp -d)
made_users=""
cleanup() {
  for m in "$work"/*/config/Kestrelmoor "$work"/*/disk; do mountpoint -q "$m" 2>/dev/null && umount "$m"; done
  for u in $made_users; do userdel "$u" 2>/dev/null; done
  rm -rf "$work"
}
session_atexit cleanup
session_start

# A scratch home for one check: sets CONFIG, INI and exports the XDG folders.
scratch() {
  local d=$work/$1
  mkdir -p "$d/config/Kestrelmoor" "$d/runtime"
  chmod 700 "$d/runtime"
  export XDG_CONFIG_HOME=$d/config XDG_RUNTIME_DIR=$d/runtime
  CONFIG=$d/config/Kestrelmoor
  INI=$CONFIG/Tidewell.ini
  ERR=$d/stderr
}

# Runs "$@" in the background as user $1 (as this script's user when empty) with the check's
# folders, its standard error in $ERR; sets PID.
startAs() {
  local user=$1
  shift
  if [ -n "$user" ]; then
    runuser -u "$user" -- env DISPLAY="$DISPLAY" XDG_CONFIG_HOME="$XDG_CONFIG_HOME" \
      XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" HOME="$XDG_CONFIG_HOME" "$@" 2>"$ERR" &
  else
    "$@" 2>"$ERR" &
  fi
  PID=$!
}

# Starts the program (as user $1 when given, e.g. nobody); sets PID and WIN once its window shows.
launch() {
  startAs "${1:-}" "$exe"
  waitForWindow
  sleep 0.7
}

# As launch, in a session bus of its own with a screen reader's bus beside it, so that hear() can
# read its windows: Qt finds that bus only through a session bus, and both let in their own user
# alone. Also sets APP, the program's own pid (PID is the one of runuser or dbus-run-session).
launchHeard() {
  HEARER=${1:-root}
  BUS=$XDG_RUNTIME_DIR/session-bus
  startAs "${1:-}" env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 dbus-run-session -- sh -c \
    '/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
     echo "$DBUS_SESSION_BUS_ADDRESS" > "$0"; exec "$1"' "$BUS" "$exe"
  waitForWindow
  sleep 0.7
  APP=$(xdotool getwindowpid "$WIN" 2>/dev/null)
}

# What a screen reader hears of the program started by launchHeard: spoken.py's arguments after
# the pid. Asked again for up to 5 s until it says something, as the reader's bus starts beside
# the program; line ends as plain LF.
hear() {
  local text=""
  for _ in $(seq 25); do
    text=$(runuser -u "$HEARER" -- env DISPLAY="$DISPLAY" DBUS_SESSION_BUS_ADDRESS="$(cat "$BUS" 2>/dev/null)" \
      /usr/bin/python3 "$here/spoken.py" "$APP" "$@" 2>/dev/null | tr -d '\r')
    [ -n "$text" ] && break
    sleep 0.2
  done
  printf '%s' "$text"
}

# Sets WIN to the main window once it shows, looking every 50 ms for up to 10 s (xdotool's own
# --sync looks only every half second, and without end).
waitForWindow() {
  WIN=""
  for _ in $(seq 200); do
    WIN=$(xdotool search --onlyvisible --name '^Tidewell$' 2>/dev/null | head -1)
    [ -n "$WIN" ] && return
    sleep 0.05
  done
}

# The windows titled "Tidewell" other than the main one: message boxes.
boxes() { xdotool search --onlyvisible --name '^Tidewell$' 2>/dev/null | grep -vx "$WIN"; }

shot() { [ -n "$shots" ] && mkdir -p "$shots" && import -window root "$shots/$1" && echo "     screenshot $shots/$1"; }

# Closes every message box with its OK button.
dismiss() {
  for b in $(boxes); do xdotool windowactivate --sync "$b" key Return 2>/dev/null; sleep 0.3; done
}

# Opens the people list with the Birthday button, at the main window's foot.
open_people() {
  local h
  h=$(xwininfo -id "$WIN" | awk '/Height:/ {print $2}')
  xdotool windowactivate --sync "$WIN" mousemove --window "$WIN" 36 $((h - 19)) click 1
  sleep 0.8
}

# Adds a person through the people list and entry windows, as a user would with the mouse.
# Places are the designed ones, in pixels at 96 dpi, from each window's top left.
add_person() {
  local people entry
  open_people
  people=$(xdotool search --onlyvisible --name '^People$' | head -1)
  xdotool mousemove --window "$people" 40 212 click 1  # New...
  sleep 0.8
  entry=$(xdotool search --onlyvisible --name '^Entry$' | head -1)
  xdotool mousemove --window "$entry" 140 20 click 1 type --delay 40 "$1"
  xdotool mousemove --window "$entry" 113 84 click 1  # OK
  sleep 1
}

close_people() {
  local people
  people=$(xdotool search --onlyvisible --name '^People$' | head -1)
  [ -n "$people" ] && xdotool windowactivate --sync "$people" mousemove --window "$people" 260 52 click 1
  sleep 0.5
}

# File > Exit; sets RC to the program's exit status. A program still running 10 s later is
# stopped and counted as a failure, so that one stuck check does not hang the ones after it.
quit() {
  xdotool windowactivate --sync "$WIN" key alt+f
  sleep 0.4
  xdotool key x
  sleep 1
  dismiss
  for _ in $(seq 100); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$PID" 2>/dev/null; then
    fail "     File > Exit" "still running 10 s later (stopped)" "the program ended"
    kill "$PID"
  fi
  wait "$PID"
  RC=$?
}

stored() { grep -a "^$1=" "$INI" | tail -1 | cut -d= -f2- | tr -d '" '; }
mode() { stat -c %a "$1" 2>/dev/null; }

# --- 1. A window stored far larger than any screen -------------------------------------------
scratch huge
printf '[Tidewell]\nChart width=1999999\nChart height=1999999\n' > "$INI"
launch
holds '[ -n "$WIN" ] && kill -0 $PID' "1999999 x 1999999 twips stored: the window shows"
if [ -n "$WIN" ]; then
  eval "$(xwininfo -frame -id "$WIN" | awk '/Width:/ {print "W=" $2} /Height:/ {print "H=" $2}')"
  holds '[ "$W" -le 1280 ] && [ "$H" -le 900 ]' "     its frame, ${W} x ${H} pixels, is within the 1280 x 900 screen"
  shot huge-start.png
  quit
  w=$(stored 'Chart%20width'); h=$(stored 'Chart%20height')
  holds '[ $RC -eq 0 ] && [ "$w" -le 19200 ] && [ "$h" -le 13500 ]' \
    "     exit $RC; written back $w x $h twips (the screen is 19200 x 13500)"
fi

# --- 2. Two starts on one settings file -------------------------------------------------------
scratch twice
# Not a first run, whose entry window wants a birthday: the person is added through People.
printf '[Tidewell]\nBirthday1=1/1/1990\n' > "$INI"
launch
first=$WIN
add_person FromA
close_people
xmessage -geometry 700x400+200+200 "a window in front of Tidewell" & mpid=$!
sleep 0.8
xdotool windowactivate --sync "$(xdotool search --onlyvisible --class xmessage | head -1)"
before=$(xdotool getactivewindow)
t0=$(date +%s%N)
timeout 10 "$exe" 2>/dev/null
rc=$?
ms=$(( ($(date +%s%N) - t0) / 1000000 ))
sleep 0.5
after=$(xdotool getactivewindow)
kill $mpid 2>/dev/null
holds '[ $rc -eq 0 ] && [ $ms -lt 1000 ]' "second start on the same file: exit $rc after $ms ms"
holds '[ "$after" = "$first" ] && [ "$before" != "$first" ]' \
  "     the first window came to the front (active: $before before, $after after; Tidewell is $first)"
quit
holds '[ "$(stored "PeopleName%201")" = FromA ] && ! kill -0 $PID 2>/dev/null' \
  "     both gone: \"$(stored 'PeopleName%201')\", added in the first, is in the file"

# --- 3. A full disk and a read-only folder ----------------------------------------------------
if [ -n "$root" ]; then
  for disk in full read-only; do
    scratch "$disk"
    mount -t tmpfs -o size=64k tmpfs "$CONFIG"
    printf '[Tidewell]\nPeopleName%%201=Ann\nPeopleDate%%201=1/2/1980\n' > "$INI"
    cp "$INI" "$work/$disk.before"
    if [ $disk = full ]; then
      dd if=/dev/zero of="$CONFIG/filler" bs=1k count=100 2>/dev/null
    else
      mount -o remount,ro "$CONFIG"
    fi
    launch
    add_person Frank
    told=$(boxes | wc -l)
    [ $disk = full ] && shot save-failed.png
    dismiss
    add_person Gina  # told once: no second box
    again=$(boxes | wc -l)
    close_people
    holds '[ "$told" -eq 1 ] && [ "$again" -eq 0 ] && cmp -s "$work/$disk.before" "$INI"' \
      "$disk disk: adding Frank shows one box titled Tidewell ($told, then $again for Gina); the file is as it was"
    if [ $disk = full ]; then rm "$CONFIG/filler"; else mount -o remount,rw "$CONFIG"; fi
    quit
    holds '[ "$(stored "PeopleName%202")$(stored "PeopleName%203")" = FrankGina ]' \
      "     once the disk allows it, closing saves Frank and Gina: $(stored 'PeopleName%202') $(stored 'PeopleName%203')"
    umount "$CONFIG"
  done
else
  skip "full and read-only disks" "tmpfs mounts need root"
fi

# --- 4. A read-only settings file -------------------------------------------------------------
scratch readonly
printf '[Tidewell]\nBirthname1=Ann\n' > "$INI"
chmod 400 "$INI"
launch
quit
holds '[ "$(mode "$INI")" = 400 ]' "a 0400 file after a run as $(id -un): $(mode "$INI")"
scratch readonly-nobody
printf '[Tidewell]\nBirthname1=Ann\n' > "$INI"
cp "$INI" "$work/nobody.before"
chown -R nobody "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 755 "$work" "$work/readonly-nobody"
chmod 400 "$INI"
launch nobody
xdotool windowactivate --sync "$WIN" key alt+f
sleep 0.4
xdotool key x
sleep 1
told=$(boxes | wc -l)
shot read-only-file.png
dismiss
wait "$PID"
holds '[ "$(mode "$INI")" = 400 ] && [ "$told" -eq 1 ] && cmp -s "$work/nobody.before" "$INI"' \
  "     as nobody: still $(mode "$INI"), unchanged, and $told box said it could not be saved"
chmod 444 "$INI"
env XDG_CONFIG_HOME="$XDG_CONFIG_HOME" "$chart" --interpret >/dev/null 2>&1
holds '[ "$(mode "$INI")" = 444 ]' "     tidewell-chart --interpret leaves a 0444 file $(mode "$INI")"

# --- 5. A missing settings folder under umask 000 ---------------------------------------------
scratch umask
rm -rf "$XDG_CONFIG_HOME"
mask=$(umask)
umask 000
launch
umask "$mask"
# With no settings file this is a first run: the entry window asks for the user's own birthday
# over the main window and keeps File > Exit from it until it is closed.
entry=$(xdotool search --onlyvisible --name '^Entry$' | head -1)
[ -n "$entry" ] && xdotool windowactivate --sync "$entry" key Escape && sleep 0.5
quit
holds '[ "$(mode "$XDG_CONFIG_HOME")$(mode "$CONFIG")$(mode "$INI")" = 700700600 ]' \
  "umask 000, no \$XDG_CONFIG_HOME: it is made $(mode "$XDG_CONFIG_HOME"), Kestrelmoor $(mode "$CONFIG"), the file $(mode "$INI")"

# --- 6. A 100 MB settings file with a 20 MB name ----------------------------------------------
scratch big
python3 - "$INI" <<'EOF'
import sys
with open(sys.argv[1], "w") as f:
    f.write("[Junk]\n" + "".join("k%d=%s\n" % (i, "x," * 40) for i in range(900_000)))
    f.write("[Tidewell]\nBirthname1=" + "N" * 20_000_000 + "\nChart type= 1\n")
EOF
size=$(( $(stat -c %s "$INI") / 1000000 ))
sum=$(md5sum < "$INI")
t0=$(date +%s%N)
"$exe" 2>/dev/null & PID=$!
waitForWindow
ms=$(( ($(date +%s%N) - t0) / 1000000 ))
sleep 0.5
told=$(boxes | wc -l)
dismiss
holds '[ $ms -lt 1000 ] && [ "$told" -eq 1 ]' "a $size MB file with a 20 MB name: the window shows after $ms ms, $told box says it is left as it is"
quit
holds '[ $RC -eq 0 ] && [ "$(md5sum < "$INI")" = "$sum" ]' "     exit $RC; the file is byte for byte as it was"

# Starts a second window on the same files; sets PID2 and WIN2 once a main window other than WIN shows.
launchAnother() {
  "$exe" 2>/dev/null &
  PID2=$!
  WIN2=""
  for _ in $(seq 200); do
    WIN2=$(xdotool search --onlyvisible --name '^Tidewell$' 2>/dev/null | grep -vx "$WIN" | head -1)
    [ -n "$WIN2" ] && break
    sleep 0.05
  done
  sleep 0.7
}

people50() {
  printf '[Tidewell]\nBirthday1=31/1/1990\n'
  for i in $(seq 50); do printf 'PeopleName%%20%d=Person %d\nPeopleDate%%20%d=1/2/1980\n' "$i" "$i" "$i"; done
}
count50() { grep -ac '^PeopleName%20[0-9]*=Person' "$INI"; }

# --- 7. A full runtime folder at start-up ------------------------------------------------------
if [ -n "$root" ]; then
  scratch fullruntime
  people50 > "$INI"
  mount -t tmpfs -o size=64k,mode=700 tmpfs "$XDG_RUNTIME_DIR"
  dd if=/dev/zero of="$XDG_RUNTIME_DIR/filler" bs=1k count=128 2>/dev/null
  launch
  quit
  holds '[ $RC -eq 0 ] && [ "$(count50)" -eq 50 ] && [ "$(stored Birthday1)" = 31/1/1990 ]' \
    "a full runtime folder at start-up: all $(count50) of 50 people and the birthday are still in the file"
  umount "$XDG_RUNTIME_DIR"
fi

# --- 8. Lines added by hand, and someone else's section ---------------------------------------
for edit in note noequals bom unclosed utf16; do
  scratch "hand-$edit"
  case $edit in
    note) printf '[Tidewell]\n# note\nBirthname1=Ann\n[Junk]\nmine=1\n' > "$INI" ;;
    noequals) printf '[Tidewell]\nloose words\nBirthname1=Ann\n[Junk]\nmine=1\n' > "$INI" ;;
    bom) printf '\xef\xbb\xbf[Tidewell]\r\nBirthname1=Ann\r\n[Junk]\r\nmine=1\r\n' > "$INI" ;;
    unclosed) printf '[Tidewell\nBirthname1=Ann\n[Junk]\nmine=1\n' > "$INI" ;;
    utf16) printf '[Junk]\nmine=1\n[Tidewell]\nBirthname1=Ann\n' | iconv -t UTF-16 > "$INI" ;;
  esac
  cp "$INI" "$work/$edit.before"
  launch
  quit
  if [ $edit = utf16 ]; then
    kept=$(head -c "$(stat -c %s "$work/$edit.before")" "$INI" | cmp -s - "$work/$edit.before" && echo yes)
  else
    kept=$(grep -aq 'mine=1' "$INI" && grep -aq 'Birthname1=Ann' "$INI" && echo yes)
  fi
  holds '[ $RC -eq 0 ] && [ -n "$(stored "Chart%20width")" ] && [ "$kept" = yes ]' \
    "a hand edit ($edit): the next exit saves ($(stored "Chart%20width") twips wide) and keeps the other lines"
done

# --- 9. SIGTERM, as logout and shutdown send -------------------------------------------------
scratch sigterm
printf '[Tidewell]\nBirthname1=Ann\nChart%%20width=9000\n' > "$INI"
launch
xdotool windowsize "$WIN" 1000 600
sleep 0.8
kill -TERM "$PID"
for _ in $(seq 100); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
wait "$PID"; rc=$?
left=$(ls -A "$XDG_RUNTIME_DIR" | wc -l)
holds '[ $rc -eq 0 ] && [ "$(stored "Chart%20width")" != 9000 ] && [ "$left" -eq 0 ]' \
  "SIGTERM: exit $rc, the window's new width is saved ($(stored "Chart%20width") twips), $left files left in the runtime folder"

# --- 10. kill -9 right after a save --------------------------------------------------------
scratch kill9
printf '[Tidewell]\nBirthname1=Ann\n' > "$INI"
launch
add_person Killed
kill -KILL "$PID"; wait "$PID" 2>/dev/null
launch
holds '[ -n "$WIN" ] && [ "$(stored "PeopleName%201")" = Killed ]' \
  "kill -9 after adding a person: \"$(stored "PeopleName%201")\" is in the file and the next start shows its window"
quit

# --- 11. A named pipe as the settings file ---------------------------------------------------
scratch fifo
rm -f "$INI"
mkfifo "$INI"
launch
told=$(boxes | wc -l)
dismiss
quit
launch
again=$([ -n "$WIN" ] && echo shown)
dismiss
quit
holds '[ "$told" -eq 1 ] && [ "$again" = shown ] && [ -p "$INI" ]' \
  "a named pipe as the file: the window shows with $told box, the next start shows too, the pipe is still a pipe"

# --- 12. Links, run as root -------------------------------------------------------------------
if [ -n "$root" ]; then
  scratch links
  other=$work/others.ini
  printf '[Tidewell]\nBirthname1=Theirs\n' > "$other"
  chown nobody "$other"; chmod 644 "$other"
  cp "$other" "$work/others.before"
  for target in /dev/zero "$other" "$work/nothing-here"; do
    rm -f "$INI"
    ln -s "$target" "$INI"
    launch
    told=$(boxes | wc -l)
    dismiss
    quit
    case $target in
      /dev/zero) ok=$([ -c /dev/zero ] && echo yes) ;;
      "$other") ok=$(cmp -s "$other" "$work/others.before" && [ "$(stat -c %U "$other")" = nobody ] && echo yes) ;;
      *) ok=$([ ! -e "$target" ] && echo yes) ;;
    esac
    holds '[ "$ok" = yes ] && [ "$told" -eq 1 ] && [ -L "$INI" ]' \
      "as root, the file a link to ${target##*/}: left as it is, and $told box says so"
  done
fi

# --- 13. A shared runtime folder, and no lock at all ---------------------------------------------
if [ -n "$root" ]; then
  scratch shared
  printf '[Tidewell]\nBirthname1=Ann\n' > "$INI"
  shared=$work/shared-runtime
  mkdir -p "$shared"; chmod 1777 "$shared"; chmod 755 "$work"
  export XDG_CACHE_HOME=$work/shared/cache
  # Another user's lock and listening socket, under the names a shared folder used to hold.
  hash=$(printf '%s' "$INI" | sha1sum | cut -c1-16)
  runuser -u nobody -- python3 - "$shared/tidewell-$(id -u)-$hash" "$shared/tidewell-$hash" 2>/dev/null <<'EOF' &
import socket, sys, time
servers = []
for base in sys.argv[1:]:
    open(base + ".lock", "w").write("1\n")
    s = socket.socket(socket.AF_UNIX); s.bind(base + ".socket"); s.listen(5); s.settimeout(0.1)
    servers.append(s)
end = time.time() + 15
while time.time() < end:
    for s in servers:
        try:
            s.accept(); open(sys.argv[1] + ".heard", "w").write("x")
        except OSError:
            pass
EOF
  spid=$!
  sleep 0.5
  export XDG_RUNTIME_DIR=$shared
  launch
  heard=$(ls "$shared"/*.heard 2>/dev/null | wc -l)
  holds '[ -n "$WIN" ] && [ "$heard" -eq 0 ] && [ "$(mode "$XDG_CACHE_HOME/tidewell")" = 700 ]' \
    "a shared runtime folder holding another user's lock and socket: the window shows, $heard connections to them, the lock in a $(mode "$XDG_CACHE_HOME/tidewell") folder"
  quit
  kill "$spid" 2>/dev/null; wait "$spid" 2>/dev/null
  unset XDG_RUNTIME_DIR
  launch
  locks=$(ls "$XDG_CACHE_HOME"/tidewell/*.lock 2>/dev/null | wc -l)
  holds '[ -n "$WIN" ] && [ "$locks" -eq 1 ]' "no XDG_RUNTIME_DIR at all: the window shows, its lock is in the 0700 cache folder ($locks)"
  quit
  holds '[ -z "$(ls -A "$XDG_CACHE_HOME/tidewell")" ]' "     and after File > Exit nothing of it is left there"
fi
scratch nolock
printf '[Tidewell]\nBirthname1=Ann\n' > "$INI"
chmod 755 "$XDG_RUNTIME_DIR"  # open to others, so never used
touch "$work/nolock/cache"
export XDG_CACHE_HOME=$work/nolock/cache  # a file: no folder can be made there
launch
launchAnother
holds '[ -n "$WIN" ] && [ -n "$WIN2" ]' "no lock can be taken: two copies run"
add_person FromA
close_people
WIN1=$WIN; PID1=$PID
if [ -n "$WIN2" ]; then
  WIN=$WIN2; PID=$PID2
  add_person FromB
  close_people
  quit
fi
WIN=$WIN1; PID=$PID1
quit
unset XDG_CACHE_HOME
holds '[ "$(stored "PeopleName%201")+$(stored "PeopleName%202")" = FromA+FromB ]' \
  "     each adds a person and both close: \"$(stored "PeopleName%201")\" and \"$(stored "PeopleName%202")\" are in the file"

# --- 14. An ordinary user's settings folder made beforehand at 0755, no runtime folder -----------
if [ -n "$root" ]; then
  scratch folder755
  chmod 755 "$work" "$work/folder755" "$XDG_CONFIG_HOME" "$CONFIG"
  chown -R nobody "$work/folder755"
  chmod 555 "$XDG_RUNTIME_DIR"
  mask=$(umask)
  umask 000
  launch nobody
  umask "$mask"
  entry=$(xdotool search --onlyvisible --name '^Entry$' | head -1)
  [ -n "$entry" ] && xdotool windowactivate --sync "$entry" key Escape && sleep 0.5
  quit
  holds '[ "$(mode "$INI")" = 600 ]' "as nobody, a 0755 settings folder, umask 000, no runtime folder: the file is $(mode "$INI")"
fi

# --- 15. tidewell-chart says one line --------------------------------------------------------
lines=$(env XDG_RUNTIME_DIR=/tmp "$chart" --birthday 1990-01-31 --date 2024-02-30 --out "$work/x.png" 2>&1 >/dev/null | wc -l)
holds '[ "$lines" -eq 1 ]' "tidewell-chart with a shared runtime folder and a bad date: $lines line on standard error"

# --- 16. Links planted by another user in a folder open to others --------------------------------
# As tw-victim, whose settings folder is open to every user, with tw-other's link in it leading to
# the victim's own ~/.gitconfig: nothing may be read through it nor written over it.
if [ -n "$root" ]; then
  for u in tw-victim tw-other; do
    id -u "$u" >/dev/null 2>&1 || { useradd -M -r -s /usr/sbin/nologin "$u" && made_users="$made_users $u"; }
  done
  chmod 755 "$work"
  # A scratch home of tw-victim's: config home, runtime folder and a home with a .gitconfig.
  victimScratch() { # name, mode of the Kestrelmoor folder
    scratch "$1"
    mkdir -p "$work/$1/home"
    printf '[user]\n\tname = Victim\n\temail = victim@example.org\n' > "$work/$1/home/.gitconfig"
    chown -R tw-victim: "$work/$1"
    chmod 755 "$work/$1" "$XDG_CONFIG_HOME"
    chmod "$2" "$CONFIG"
    GITCONFIG=$work/$1/home/.gitconfig
    cp "$GITCONFIG" "$work/$1.before"
  }
  # Whether the link at $INI is still tw-other's, leading to $1.
  linkKept() { [ -L "$INI" ] && [ "$(stat -c %U "$INI")" = tw-other ] && [ "$(readlink "$INI")" = "$1" ]; }
  # The file and its copy from before, as sizes and sums, and the link: for the check's line.
  seen() { # file, copy
    echo "$(stat -c %s "$1") bytes $(md5sum < "$1" | cut -c1-8) (before: $(stat -c %s "$2") $(md5sum < "$2" | cut -c1-8)), the link $(stat -c %U "$INI" 2>/dev/null)'s"
  }

  # Starts the program as user $1 (root when empty) over tw-other's planted link, hears the
  # start-up box (said, told), adds Mallory (added) and leaves by File > Exit.
  runPlanted() {
    launchHeard "$@"
    said=$(hear any "could not take its settings")
    told=$(boxes | wc -l)
    dismiss
    add_person Mallory
    added=$(hear any Mallory)
    close_people
    quit
  }

  for m in 1777 0777; do
    victimScratch "planted-$m" "$m"
    runuser -u tw-other -- ln -s "$GITCONFIG" "$INI"
    runPlanted tw-victim
    contains "tw-other's link in a $m settings folder: tw-victim is told at start ($told box) of that folder" \
      "$said" "The folder $CONFIG can be changed by every user (mode $m)"
    [ $m = 1777 ] && contains "     and of tw-other's link in it" \
      "$said" "the link $INI in it belongs to another user (tw-other)"
    holds '[ "$told" -eq 1 ] && [ -n "$added" ] && cmp -s "$work/planted-$m.before" "$GITCONFIG" && linkKept "$GITCONFIG" && [ "$(ls -A "$CONFIG")" = Tidewell.ini ]' \
      "     \"$added\" added, File > Exit (status $RC): the .gitconfig as it was, $(seen "$GITCONFIG" "$work/planted-$m.before"), in the folder: $(ls -A "$CONFIG" | tr '\n' ' ')"
  done

  # The victim's own file in the same shared folder is taken and saved: the folder alone is no fault.
  victimScratch planted-own 1777
  printf '[Tidewell]\nBirthday1=31/1/1990\n' > "$INI"
  chown tw-victim: "$INI"; chmod 600 "$INI"
  launch tw-victim
  told=$(boxes | wc -l)
  dismiss
  add_person Olive
  close_people
  quit
  holds '[ "$told" -eq 0 ] && [ "$(stored "PeopleName%201")" = Olive ] && [ "$(stat -c %U "$INI")" = tw-victim ]' \
    "     tw-victim's own file in that 1777 folder: $told box, \"$(stored "PeopleName%201")\" saved, the file still $(stat -c %U "$INI")'s"

  # Root's own settings in a shared folder, with tw-other's link to a root file (a copy of passwd).
  scratch planted-root
  chmod 1777 "$CONFIG"
  passwd=$work/passwd
  cp /etc/passwd "$passwd"; chmod 644 "$passwd"
  cp "$passwd" "$work/passwd.before"
  runuser -u tw-other -- ln -s "$passwd" "$INI"
  runPlanted
  contains "as root, tw-other's link in a 1777 settings folder to a root file: $told box names it" \
    "$said" "the link $INI in it belongs to another user (tw-other)"
  holds '[ "$told" -eq 1 ] && [ -n "$added" ] && cmp -s "$work/passwd.before" "$passwd" && [ "$(stat -c %U "$passwd")" = root ] && linkKept "$passwd"' \
    "     \"$added\" added, File > Exit (status $RC): the root file as it was, $(seen "$passwd" "$work/passwd.before")"
else
  skip "links planted by another user" "needs root to make the users"
fi

# --- 17. SIGTERM whose save fails, and a second SIGTERM over an open box -------------------------
# Waits up to 2 s from $1 (date +%s%N) for the program to end, counting message boxes meanwhile;
# sets MS, MOST (the most boxes seen at once), ENDED and RC. One still running is killed.
awaitEnd() {
  local b
  MOST=0 ENDED=yes
  while kill -0 "$PID" 2>/dev/null; do
    MS=$(( ($(date +%s%N) - $1) / 1000000 ))
    [ "$MS" -gt 2000 ] && { ENDED=no; kill -KILL "$PID"; break; }
    b=$(boxes | wc -l)
    [ "$b" -gt "$MOST" ] && MOST=$b
    sleep 0.05
  done
  MS=$(( ($(date +%s%N) - $1) / 1000000 ))
  wait "$PID"
  RC=$?
}
# A change the next save must write (the window's size), then the settings file made a named pipe.
unsaveable() {
  xdotool windowsize "$WIN" 1000 600
  sleep 0.8
  rm -f "$INI"
  mkfifo "$INI"
}
saidOnce() { # whether $ERR holds exactly the one line of a failed save
  [ "$(wc -l < "$ERR")" -eq 1 ] && grep -q "^tidewell: could not save the settings to $INI: " "$ERR"
}

scratch sigterm-fails
printf '[Tidewell]\nBirthname1=Ann\nChart%%20width=9000\n' > "$INI"
launch
unsaveable
t0=$(date +%s%N)
kill -TERM "$PID"
awaitEnd "$t0"
holds '[ $ENDED = yes ] && [ $RC -ne 0 ] && saidOnce && [ -p "$INI" ] && [ $MOST -eq 0 ]' \
  "SIGTERM, the file a pipe by then: ended after $MS ms, status $RC, $MOST boxes, the pipe still a pipe; standard error: $(wc -l < "$ERR") lines: $(head -c 300 "$ERR")"

# More signals while a box is open: nothing more is shown. One every millisecond until it is
# gone, so that some surely land while it is on its way out (it takes some 20 ms); the line
# tells how many reached it, its status and what it left in the runtime folder.
for box in about exit-failed; do
  scratch "sigterm-$box"
  printf '[Tidewell]\nBirthname1=Ann\nChart%%20width=9000\n' > "$INI"
  launch
  if [ $box = about ]; then
    xdotool windowsize "$WIN" 1000 600
    sleep 0.8
    xdotool windowactivate --sync "$WIN" key alt+h
    sleep 0.4
    xdotool key a
    sleep 1
    open=$(xdotool search --onlyvisible --name '^About Tidewell$' | wc -l)
  else
    unsaveable
    xdotool windowactivate --sync "$WIN" key alt+f
    sleep 0.4
    xdotool key x
    sleep 1
    open=$(boxes | wc -l)  # File > Exit says it could not save, as before
  fi
  sent=$work/sigterm-$box/sent
  t0=$(date +%s%N)
  (while kill -TERM "$PID" 2>/dev/null; do echo >> "$sent"; sleep 0.001; done) & burst=$!
  awaitEnd "$t0"
  wait "$burst"
  reached=$(wc -l < "$sent")
  left=$(ls -A "$XDG_RUNTIME_DIR" | wc -l)
  if [ $box = about ]; then
    holds '[ "$open" -eq 1 ] && [ "$reached" -ge 2 ] && [ $ENDED = yes ] && [ $RC -eq 0 ] && [ "$left" -eq 0 ] && [ $MOST -eq 0 ] && [ ! -s "$ERR" ] && [ "$(stored "Chart%20width")" != 9000 ]' \
      "SIGTERMs over the About box ($open open, $reached signals reached it): ended after $MS ms with status $RC, $MOST boxes opened, $(wc -l < "$ERR") lines on standard error, width $(stored "Chart%20width") saved, $left files left in the runtime folder"
  else
    holds '[ "$open" -eq 1 ] && [ "$reached" -ge 2 ] && [ $ENDED = yes ] && [ $RC -eq 1 ] && [ "$left" -eq 0 ] && [ $MOST -le 1 ] && saidOnce && [ -p "$INI" ]' \
      "SIGTERMs over File > Exit's box saying it could not save ($open open, $reached signals reached it): ended after $MS ms with status $RC, at most $MOST boxes, $(wc -l < "$ERR") line on standard error, the pipe still a pipe, $left files left in the runtime folder"
  fi
done

# --- 18. A settings file whose lines end in a lone CR -------------------------------------------
# Each CR ends a line: the birthday's name and both people are read, and a save keeps CR.
scratch cr-only
printf '[Tidewell]\rBirthday1=31/1/1990\rBirthname1=Cora\rPeopleName%%201=Crista\rPeopleDate%%201=2/3/1980\rPeopleName%%202=Dara\rPeopleDate%%202=4/5/1985\r' > "$INI"
launchHeard
chartSays=$(hear chart Chart description)
open_people
listed="$(hear any Crista) / $(hear any Dara)"
close_people
quit
crs() { tr -cd '\r' < "$INI" | wc -c; }
lfs() { tr -cd '\n' < "$INI" | wc -c; }
lined() { tr '\r' '\n' < "$INI" | grep -c "^$1$"; }
contains "CR line ends: the chart is drawn for Birthname1, Cora" "$chartSays" "(Cora)"
holds '[[ "$listed" == Crista*" / "Dara* ]]' "     the People list shows both people: $listed"
holds '[ $RC -eq 0 ] && [ "$(lfs)" -eq 0 ] && [ "$(crs)" -gt 5 ] && [ "$(lined "PeopleName%201=Crista")$(lined "PeopleName%202=Dara")" = 11 ] && [ "$(lined "PeopleName%203=.*")" -eq 0 ] && [ -n "$(tr "\r" "\n" < "$INI" | grep "^Chart%20width=")" ]' \
  "     File > Exit (status $RC) saves with CR line ends ($(crs) CR, $(lfs) LF), Crista and Dara once each ($(lined "PeopleName%201=Crista"), $(lined "PeopleName%202=Dara"), $(lined "PeopleName%203=.*") more)"

# --- 19. tidewell-chart asked to write into a named pipe ----------------------------------------
scratch chart-pipe
for option in --out --ics; do
  target=$work/chart-pipe/chart.png
  [ $option = --ics ] && target=$work/chart-pipe/days.ics
  mkfifo "$target"
  what=(--out "$target")
  [ $option = --ics ] && what=(--critical 2024-01-01 2024-01-31 --ics "$target")
  t0=$(date +%s%N)
  timeout 10 "$chart" --birthday 1990-01-31 "${what[@]}" >/dev/null 2>"$ERR"
  rc=$?
  ms=$(( ($(date +%s%N) - t0) / 1000000 ))
  holds '[ $rc -eq 2 ] && [ $ms -le 2000 ] && [ "$(wc -l < "$ERR")" -eq 1 ] && [ -p "$target" ]' \
    "tidewell-chart $option ${target##*/}, a named pipe with no reader: status $rc after $ms ms, the pipe still a pipe; $(wc -l < "$ERR") line: $(head -c 200 "$ERR")"
done

# --- 20. Stale temporaries beside the settings file ---------------------------------------------
scratch temporaries
printf '[Tidewell]\nBirthday1=31/1/1990\n' > "$INI"
stale=".Tidewell.ini.tmp-a1B2c3 .Tidewell.ini.tmp-Q Tidewell.ini.aB3xY9"
kept="Tidewell.ini.backup Tidewell.ini.abcdef .Tidewell.ini.tmp-x9Y8z7 .Tidewell.ini.tmp-d1R2"
for f in $stale Tidewell.ini.backup Tidewell.ini.abcdef; do echo "left by a save" > "$CONFIG/$f"; done
mkdir "$CONFIG/.Tidewell.ini.tmp-d1R2"  # a folder, whatever its name
if [ -n "$root" ]; then
  kept="$kept .Tidewell.ini.tmp-n0B0dy"
  echo "nobody's" > "$CONFIG/.Tidewell.ini.tmp-n0B0dy"
  chown nobody "$CONFIG/.Tidewell.ini.tmp-n0B0dy"
fi
touch -h -d '-2 min' "$CONFIG"/.Tidewell.ini.tmp-* "$CONFIG"/Tidewell.ini.*
echo "a save going on" > "$CONFIG/.Tidewell.ini.tmp-x9Y8z7"  # fresh
launch
add_person Tess
close_people
quit
present() { for f in "$@"; do [ -e "$CONFIG/$f" ] && printf '%s ' "$f"; done; }
missing() { for f in "$@"; do [ -e "$CONFIG/$f" ] || printf '%s ' "$f"; done; }
holds '[ "$(stored "PeopleName%201")" = Tess ] && [ -z "$(present $stale)" ] && [ -z "$(missing $kept)" ]' \
  "stale temporaries: after saving \"$(stored "PeopleName%201")\", still there of the stale ones: [$(present $stale)]; gone of those to keep: [$(missing $kept)]"

# --- 21. A full disk under each writer of files ---------------------------------------------------
# Types a path into the save dialog titled $1 and says Yes to replacing the file.
saveAs() { # title, path
  local dialog
  dialog=$(xdotool search --onlyvisible --name "^$1\$" | head -1)
  [ -n "$dialog" ] || return
  xdotool windowactivate --sync "$dialog" key ctrl+a type --delay 20 "$2"
  xdotool key Return
  sleep 0.8
  [ "$(xdotool search --onlyvisible --name "^$1\$" | wc -l)" -ge 2 ] && xdotool key alt+y
  sleep 1
}
# Boxes of the Critical days window: windows of its title other than itself.
daysBoxes() { xdotool search --onlyvisible --name '^Critical days$' 2>/dev/null | grep -vx "$DAYS"; }
fill() { dd if=/dev/zero of="$DISK/filler" bs=1k count=100 2>/dev/null; }
addToCalendar() {
  xdotool windowactivate --sync "$DAYS" key alt+a
  sleep 1
  saveAs "Add to calendar" "$DISK/days.ics"
}
saveChart() {
  xdotool windowactivate --sync "$WIN" key alt+f
  sleep 0.4
  xdotool key s
  sleep 1
  saveAs "Save chart as bitmap" "$DISK/chart.png"
}

if [ -n "$root" ]; then
  scratch full-files
  printf '[Tidewell]\nBirthday1=31/1/1990\nBirthname1=Ann\n' > "$INI"
  DISK=$work/full-files/disk
  mkdir -p "$DISK"
  mount -t tmpfs -o size=64k tmpfs "$DISK"
  for f in days.ics chart.png cli.png; do printf 'the old %s\n' "$f" > "$DISK/$f"; cp "$DISK/$f" "$work/full-files/$f.before"; done
  unchanged() { cmp -s "$work/full-files/$1.before" "$DISK/$1"; }
  inDisk() { ls -A "$DISK" | tr '\n' ' '; }
  # The three old files and the filler, and no temporary left beside them.
  fourOnDisk() { [ "$(ls -A "$DISK" | wc -l)" -eq 4 ]; }
  fill
  launchHeard
  xdotool windowactivate --sync "$WIN" key ctrl+r
  sleep 1
  DAYS=$(xdotool search --onlyvisible --name '^Critical days$' | head -1)
  addToCalendar
  told=$(daysBoxes | wc -l)
  said=$(hear any "could not write the calendar file")
  [ -n "$(daysBoxes)" ] && xdotool windowactivate --sync "$(daysBoxes | head -1)" key Return && sleep 0.3
  contains "full disk, Critical days > Add to calendar: $told box says the disk is full" "$said" "$DISK/days.ics:
No space left on device"
  holds '[ "$told" -eq 1 ] && unchanged days.ics && fourOnDisk' \
    "     the old calendar file is byte for byte as it was; on the disk: $(inDisk)"
  xdotool windowactivate --sync "$DAYS" key Escape
  sleep 0.5
  saveChart
  told=$(boxes | wc -l)
  dismiss
  holds 'unchanged chart.png && [ "$told" -eq 0 ] && fourOnDisk' \
    "full disk, File > Save as BMP... to chart.png: $told box, the old file byte for byte as it was; on the disk: $(inDisk)"
  # Once there is room, the same steps write both files: the steps above did reach the writers.
  rm "$DISK/filler"
  xdotool windowactivate --sync "$WIN" key ctrl+r
  sleep 1
  DAYS=$(xdotool search --onlyvisible --name '^Critical days$' | head -1)
  addToCalendar
  # The box saying where the file is: No to opening it in a calendar program.
  [ -n "$(daysBoxes)" ] && xdotool windowactivate --sync "$(daysBoxes | head -1)" key Escape && sleep 0.3
  xdotool windowactivate --sync "$DAYS" key Escape
  sleep 0.5
  saveChart
  holds '[ "$(head -c 15 "$DISK/days.ics")" = BEGIN:VCALENDAR ] && [ "$(head -c 4 "$DISK/chart.png" | tail -c 3)" = PNG ]' \
    "     with room again the same steps write them: days.ics begins \"$(head -c 15 "$DISK/days.ics")\", chart.png \"$(head -c 4 "$DISK/chart.png" | tail -c 3)\""
  quit

  fill
  timeout 10 "$chart" --birthday 1990-01-31 --out "$DISK/cli.png" >/dev/null 2>"$ERR"
  rc=$?
  holds '[ $rc -eq 2 ] && [ "$(wc -l < "$ERR")" -eq 1 ] && unchanged cli.png && fourOnDisk' \
    "full disk, tidewell-chart --out: status $rc, the old file byte for byte as it was, $(wc -l < "$ERR") line: $(head -c 200 "$ERR")"
  umount "$DISK"
else
  skip "full disk under the calendar file, the chart file and tidewell-chart" "tmpfs mounts need root"
fi


#!/usr/bin/env bash
# Runs the built program in a private X display (Xvfb 1280 x 900 with a window manager) against
# settings and disks that have hurt it before, and prints what it saw, one line per check.
# Every check has its own scratch XDG_CONFIG_HOME and XDG_RUNTIME_DIR.
#   scripts/check-faults.sh BUILD_DIR [SHOTS_DIR]     (screenshots go to SHOTS_DIR when given)
# The full and read-only disks are tmpfs mounts and need root; the read-only file is tried as
# root and as "nobody". Exits 1 when a check failed.
set -uo pipefail
build=$(cd "${1:?usage: check-faults.sh BUILD_DIR [SHOTS_DIR]}" && pwd)
shots=${2:-}
exe=$build/src/tidewell
chart=$build/src/cli/tidewell-chart
root=$([ "$(id -u)" -eq 0 ] && echo 1 || echo "")
for t in Xvfb openbox xdotool xdpyinfo xwininfo xmessage import; do
  command -v $t >/dev/null || { echo "needs $t (xvfb openbox xdotool x11-utils imagemagick)"; exit 2; }
done

work=$(mktemp -d)
failed=0
n=$(( 300 + RANDOM % 300 ))
Xvfb ":$n" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 & xpid=$!
export DISPLAY=":$n"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & wpid=$!
cleanup() {
  for m in "$work"/*/config/Kestrelmoor; do mountpoint -q "$m" 2>/dev/null && umount "$m"; done
  kill "$wpid" "$xpid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
sleep 0.5

say() { # PASS|FAIL, what
  echo "$1 $2"
  [ "$1" = PASS ] || failed=1
}
check() { # condition text, what
  if eval "$1"; then say PASS "$2"; else say FAIL "$2"; fi
}

# A scratch home for one check: sets CONFIG, INI and exports the XDG folders.
scratch() {
  local d=$work/$1
  mkdir -p "$d/config/Kestrelmoor" "$d/runtime"
  chmod 700 "$d/runtime"
  export XDG_CONFIG_HOME=$d/config XDG_RUNTIME_DIR=$d/runtime
  CONFIG=$d/config/Kestrelmoor
  INI=$CONFIG/Tidewell.ini
}

# Starts the program (as `nobody` when $1 is "nobody"); sets PID and WIN once its window shows.
launch() {
  if [ "${1:-}" = nobody ]; then
    runuser -u nobody -- env DISPLAY="$DISPLAY" XDG_CONFIG_HOME="$XDG_CONFIG_HOME" \
      XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" HOME="$XDG_CONFIG_HOME" "$exe" 2>/dev/null &
  else
    "$exe" 2>/dev/null &
  fi
  PID=$!
  waitForWindow
  sleep 0.7
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

# Adds a person through the people list and entry windows, as a user would with the mouse.
# Places are the designed ones, in pixels at 96 dpi, from each window's top left.
add_person() {
  local h people entry
  h=$(xwininfo -id "$WIN" | awk '/Height:/ {print $2}')
  xdotool windowactivate --sync "$WIN" mousemove --window "$WIN" 36 $((h - 19)) click 1
  sleep 0.8
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
    say FAIL "     still running 10 s after File > Exit; stopped"
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
check '[ -n "$WIN" ] && kill -0 $PID' "1999999 x 1999999 twips stored: the window shows"
if [ -n "$WIN" ]; then
  eval "$(xwininfo -frame -id "$WIN" | awk '/Width:/ {print "W=" $2} /Height:/ {print "H=" $2}')"
  check '[ "$W" -le 1280 ] && [ "$H" -le 900 ]' "     its frame, ${W} x ${H} pixels, is within the 1280 x 900 screen"
  shot huge-start.png
  quit
  w=$(stored 'Chart%20width'); h=$(stored 'Chart%20height')
  check '[ $RC -eq 0 ] && [ "$w" -le 19200 ] && [ "$h" -le 13500 ]' \
    "     exit $RC; written back $w x $h twips (the screen is 19200 x 13500)"
fi

# --- 2. Two starts on one settings file -------------------------------------------------------
scratch twice
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
check '[ $rc -eq 0 ] && [ $ms -lt 1000 ]' "second start on the same file: exit $rc after $ms ms"
check '[ "$after" = "$first" ] && [ "$before" != "$first" ]' \
  "     the first window came to the front (active: $before before, $after after; Tidewell is $first)"
quit
check '[ "$(stored "PeopleName%201")" = FromA ] && ! kill -0 $PID 2>/dev/null' \
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
    check '[ "$told" -eq 1 ] && [ "$again" -eq 0 ] && cmp -s "$work/$disk.before" "$INI"' \
      "$disk disk: adding Frank shows one box titled Tidewell ($told, then $again for Gina); the file is as it was"
    if [ $disk = full ]; then rm "$CONFIG/filler"; else mount -o remount,rw "$CONFIG"; fi
    quit
    check '[ "$(stored "PeopleName%202")$(stored "PeopleName%203")" = FrankGina ]' \
      "     once the disk allows it, closing saves Frank and Gina: $(stored 'PeopleName%202') $(stored 'PeopleName%203')"
    umount "$CONFIG"
  done
else
  echo "SKIP full and read-only disks: tmpfs mounts need root"
fi

# --- 4. A read-only settings file -------------------------------------------------------------
scratch readonly
printf '[Tidewell]\nBirthname1=Ann\n' > "$INI"
chmod 400 "$INI"
launch
quit
check '[ "$(mode "$INI")" = 400 ]' "a 0400 file after a run as $(id -un): $(mode "$INI")"
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
check '[ "$(mode "$INI")" = 400 ] && [ "$told" -eq 1 ] && cmp -s "$work/nobody.before" "$INI"' \
  "     as nobody: still $(mode "$INI"), unchanged, and $told box said it could not be saved"
chmod 444 "$INI"
env XDG_CONFIG_HOME="$XDG_CONFIG_HOME" "$chart" --interpret >/dev/null 2>&1
check '[ "$(mode "$INI")" = 444 ]' "     tidewell-chart --interpret leaves a 0444 file $(mode "$INI")"

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
check '[ "$(mode "$XDG_CONFIG_HOME")$(mode "$CONFIG")$(mode "$INI")" = 700700600 ]' \
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
t0=$(date +%s%N)
"$exe" 2>/dev/null & PID=$!
waitForWindow
ms=$(( ($(date +%s%N) - t0) / 1000000 ))
sleep 0.5
check '[ $ms -lt 1000 ]' "a $size MB file with a 20 MB name: the window shows after $ms ms"
quit
check '[ $RC -eq 0 ] && [ "$(stored Birthname1 | wc -c)" -eq 1001 ]' \
  "     the name is written back cut to $(( $(stored Birthname1 | wc -c) - 1 )) characters"

exit $failed

#!/usr/bin/env bash
# Runs the built program in a private X display (Xvfb 1280 x 900 with a window manager) against
# settings and disks that have hurt it before, and prints what it saw, one line per check.
# Every check has its own scratch XDG_CONFIG_HOME and XDG_RUNTIME_DIR. Checks of links, another
# user's files and mounts run only as root.
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
sum=$(md5sum < "$INI")
t0=$(date +%s%N)
"$exe" 2>/dev/null & PID=$!
waitForWindow
ms=$(( ($(date +%s%N) - t0) / 1000000 ))
sleep 0.5
told=$(boxes | wc -l)
dismiss
check '[ $ms -lt 1000 ] && [ "$told" -eq 1 ]' "a $size MB file with a 20 MB name: the window shows after $ms ms, $told box says it is left as it is"
quit
check '[ $RC -eq 0 ] && [ "$(md5sum < "$INI")" = "$sum" ]' "     exit $RC; the file is byte for byte as it was"

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
  check '[ $RC -eq 0 ] && [ "$(count50)" -eq 50 ] && [ "$(stored Birthday1)" = 31/1/1990 ]' \
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
  check '[ $RC -eq 0 ] && [ -n "$(stored "Chart%20width")" ] && [ "$kept" = yes ]' \
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
check '[ $rc -eq 0 ] && [ "$(stored "Chart%20width")" != 9000 ] && [ "$left" -eq 0 ]' \
  "SIGTERM: exit $rc, the window's new width is saved ($(stored "Chart%20width") twips), $left files left in the runtime folder"

# --- 10. kill -9 right after a save --------------------------------------------------------
scratch kill9
printf '[Tidewell]\nBirthname1=Ann\n' > "$INI"
launch
add_person Killed
kill -KILL "$PID"; wait "$PID" 2>/dev/null
launch
check '[ -n "$WIN" ] && [ "$(stored "PeopleName%201")" = Killed ]' \
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
check '[ "$told" -eq 1 ] && [ "$again" = shown ] && [ -p "$INI" ]' \
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
    check '[ "$ok" = yes ] && [ "$told" -eq 1 ] && [ -L "$INI" ]' \
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
  check '[ -n "$WIN" ] && [ "$heard" -eq 0 ] && [ "$(mode "$XDG_CACHE_HOME/tidewell")" = 700 ]' \
    "a shared runtime folder holding another user's lock and socket: the window shows, $heard connections to them, the lock in a $(mode "$XDG_CACHE_HOME/tidewell") folder"
  quit
  kill "$spid" 2>/dev/null; wait "$spid" 2>/dev/null
  unset XDG_RUNTIME_DIR
  launch
  locks=$(ls "$XDG_CACHE_HOME"/tidewell/*.lock 2>/dev/null | wc -l)
  check '[ -n "$WIN" ] && [ "$locks" -eq 1 ]' "no XDG_RUNTIME_DIR at all: the window shows, its lock is in the 0700 cache folder ($locks)"
  quit
  check '[ -z "$(ls -A "$XDG_CACHE_HOME/tidewell")" ]' "     and after File > Exit nothing of it is left there"
fi
scratch nolock
printf '[Tidewell]\nBirthname1=Ann\n' > "$INI"
chmod 755 "$XDG_RUNTIME_DIR"  # open to others, so never used
touch "$work/nolock/cache"
export XDG_CACHE_HOME=$work/nolock/cache  # a file: no folder can be made there
launch
launchAnother
check '[ -n "$WIN" ] && [ -n "$WIN2" ]' "no lock can be taken: two copies run"
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
check '[ "$(stored "PeopleName%201")+$(stored "PeopleName%202")" = FromA+FromB ]' \
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
  check '[ "$(mode "$INI")" = 600 ]' "as nobody, a 0755 settings folder, umask 000, no runtime folder: the file is $(mode "$INI")"
fi

# --- 15. tidewell-chart says one line --------------------------------------------------------
lines=$(env XDG_RUNTIME_DIR=/tmp "$chart" --birthday 1990-01-31 --date 2024-02-30 --out "$work/x.png" 2>&1 >/dev/null | wc -l)
check '[ "$lines" -eq 1 ]' "tidewell-chart with a shared runtime folder and a bad date: $lines line on standard error"

exit $failed

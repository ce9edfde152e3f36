#!/usr/bin/env bash
# Runs the built program natively under Wayland: a headless sway (pixman rendering, no GPU) as an
# ordinary user (a throwaway one, tw-wayland, when run as root), Tidewell with
# QT_QPA_PLATFORM=wayland and no X display at all.
#   window shows     sway lists a Tidewell window of its own (xdg_shell, not XWayland), focused
#   keys             F3 moves the chart date on (seen in the screenshot); Ctrl+R opens the
#                    Critical days window, Down there chooses 3 months and Escape closes it;
#                    closed by the compositor, the program ends and has stored the span
#   screenshot       grim's picture of the output, copied to SHOT
# usage: scripts/check-wayland.sh [build-dir] [SHOT]   (SHOT defaults to wayland.png in the
#        build dir; SKIPs without sway, grim or wtype, or Qt's Wayland plugin: packages sway,
#        grim, wtype, qt6-wayland)
set -uo pipefail
build=$(realpath "${1:-build}")
shot=${2:-$build/wayland.png}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/session.sh"
for t in sway:sway grim:grim wtype:wtype swaymsg:sway; do
  if ! command -v "${t%%:*}" >/dev/null; then
    skip "Wayland" "no ${t%%:*} (package ${t#*:})"
    exit 77
  fi
done
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
  skip "Wayland" "no Qt Wayland plugin (package qt6-wayland)"
  exit 77
fi
session_scratch
chmod 755 "$scratch"
user=$(id -un)
made=""
if [ "$(id -u)" -eq 0 ]; then
  user=tw-wayland
  id -u "$user" >/dev/null 2>&1 || { useradd -M -r -s /usr/sbin/nologin "$user" && made=$user; }
fi
home=$scratch/home
mkdir -p "$home/run" "$home/config/Kestrelmoor"
chmod 700 "$home" "$home/run"
printf '[Tidewell]\nBirthday1=31/1/1990\nBirthname1=Anna\n' \
  > "$home/config/Kestrelmoor/Tidewell.ini"
# The build may lie under a folder closed to the user: the program runs from a copy.
cp "$build/src/tidewell" "$home/tidewell"
cat > "$home/sway.conf" <<'EOF'
output * resolution 1280x800
default_border normal
EOF
chown -R "$user" "$home"

# Each in a process group of its own, so that stopping it stops what it started.
sway_pid="" app="" sock="" display=""
stop() {
  local p
  # sway ends what it started itself when asked to.
  [ -n "$sway_pid" ] && [ -n "$sock" ] && wl swaymsg exit >/dev/null 2>&1 && sleep 0.5
  for p in $app $sway_pid; do kill -- "-$p" 2>/dev/null; done
  for p in $app $sway_pid; do wait "$p" 2>/dev/null; done
  [ -n "$made" ] && userdel "$made" 2>/dev/null
}
session_atexit stop

# The command line that runs "$@" as the user, with only the environment a Wayland session of
# its own gives, in `run`.
asUser() {
  run=(env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/run"
       XDG_CONFIG_HOME="$home/config" LC_ALL=en_GB.UTF-8 "$@")
  # setpriv runs the program in its own place, so that it stays this script's child to wait for.
  [ "$user" = "$(id -un)" ] ||
    run=(setpriv --reuid="$(id -u "$user")" --regid="$(id -g "$user")" --clear-groups -- "${run[@]}")
}
wl() { asUser WAYLAND_DISPLAY="$display" SWAYSOCK="$sock" "$@"; "${run[@]}"; }

asUser WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=1 WLR_LIBINPUT_NO_DEVICES=1 \
  sway -c "$home/sway.conf"
setsid "${run[@]}" >"$scratch/sway.log" 2>&1 &
sway_pid=$!
display="" sock=""
for _ in $(seq 100); do
  display=$(cd "$home/run" && ls wayland-? 2>/dev/null | head -n 1)
  sock=$(ls "$home/run"/sway-ipc.*.sock 2>/dev/null | head -n 1)
  [ -n "$display" ] && [ -n "$sock" ] && break
  sleep 0.1
done
if [ -z "$display" ] || [ -z "$sock" ]; then
  skip "Wayland" "sway did not start: $(tail -n 3 "$scratch/sway.log" | tr '\n' ' ')"
  exit 77
fi
pass "headless sway as $user" "$display"
# A compositor that falls over under the check (headless sway has been seen to) is no fault of
# Tidewell's: said, and the check skipped rather than failed.
fail() {
  if ! kill -0 "$sway_pid" 2>/dev/null; then
    skip "Wayland" "sway ended under the check: $(tail -n 2 "$scratch/sway.log" | tr '\n' ' ')"
    exit 77
  fi
  echo "FAIL  $1: got $2, wanted $3"
  _tw_failed=$((_tw_failed + 1))
}

asUser WAYLAND_DISPLAY="$display" QT_QPA_PLATFORM=wayland "$home/tidewell"
setsid "${run[@]}" >"$scratch/tidewell.log" 2>&1 &
app=$!
# The window sway holds for it: "shell|focused|title" of each view.
views() {
  wl swaymsg -t get_tree -r | /usr/bin/python3 -c '
import json, sys
def walk(n):
    if n.get("pid") and n.get("type") in ("con", "floating_con"):
        print("|".join(str(n.get(k)) for k in ("shell", "focused", "name")))
    for c in n.get("nodes", []) + n.get("floating_nodes", []):
        walk(c)
walk(json.load(sys.stdin))'
}
seen=""
for _ in $(seq 100); do
  seen=$(views | grep '|Tidewell' || true)
  [ -n "$seen" ] && break
  sleep 0.1
done
same "the window shows natively, focused" "$seen" "xdg_shell|True|Tidewell"
sleep 1

# Each wtype is a new keyboard with a keymap of its own: a key sent at once can come before the
# program has taken the keymap, so each waits a moment first.
key() { wl wtype -s 400 "$@"; sleep 0.5; }
# Keys with Ctrl and without: wtype's keyboard binds no Alt, so the menus' access keys are out.
key -k F3
key -M ctrl -k r -m ctrl
sleep 1
seen=$(views | grep '|Critical days' || true)
same "Ctrl+R opens the Critical days window, focused" "$seen" "xdg_shell|True|Critical days"
key -k Down
sleep 1
wl grim "$home/shot.png" && cp "$home/shot.png" "$shot"
holds '[ -s "$shot" ]' "screenshot $shot ($(stat -c %s "$shot" 2>/dev/null || echo 0) bytes)"
key -k Escape
sleep 0.5
same "Escape closes it" "$(views | grep -c '|Critical days')" 0
# The close box, as the compositor asks for it: the program ends and stores its settings.
wl swaymsg kill >/dev/null
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
holds '! kill -0 "$app" 2>/dev/null' "closing the window ended the program"
app=""
same "Down in the span chooser stored 3 months at exit" \
  "$(grep '^Critical%20days%20span=' "$home/config/Kestrelmoor/Tidewell.ini")" \
  'Critical%20days%20span=" 1"'
grep -iE "could not|failed" "$scratch/tidewell.log" | head -n 5 || true

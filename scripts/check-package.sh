#!/usr/bin/env bash
# Builds the Debian package and tries it on a fresh Debian 12 root, as a new user's machine would
# see it: apt installs it with nothing but its declared dependencies, both programs run (the
# window on an X server of this machine, whose socket the root shares), then apt removes it and
# every file the package brought must be gone.
#   scripts/check-package.sh [BUILD_DIR] [OUT_DIR]    as root, with network for apt
# OUT_DIR (default /tmp/tidewell-package) receives the .deb's listing, the screenshots and logs.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-/tmp/tidewell-package}
base=/var/cache/fresh-debian-check/bookworm.tar
mkdir -p "$out"

need=()
for t in mmdebstrap:mmdebstrap Xvfb:xvfb import:imagemagick xdpyinfo:x11-utils xprop:x11-utils \
         xdotool:xdotool \
         openbox:openbox dpkg-shlibdeps:dpkg-dev desktop-file-validate:desktop-file-utils \
         appstreamcli:appstream; do
  command -v "${t%%:*}" >/dev/null || need+=("${t#*:}")
done
if [ ${#need[@]} -gt 0 ]; then
  apt-get update -qq && apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
if [ ! -s "$base" ]; then
  mkdir -p "$(dirname "$base")"
  mmdebstrap --variant=apt --format=tar --quiet bookworm "$base.tmp" && mv "$base.tmp" "$base"
fi

echo "== package"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" >"$out/build.log" 2>&1 || { tail -30 "$out/build.log"; exit 1; }
rm -f "$build"/tidewell_*.deb
(cd "$build" && cpack -G DEB >"$out/cpack.log" 2>&1) || { tail -30 "$out/cpack.log"; exit 1; }
deb=$(ls "$build"/tidewell_*.deb)
dpkg-deb -f "$deb" | tee "$out/control.txt"
dpkg-deb -c "$deb" | awk '{print $6}' | tee "$out/contents.txt"

fail=0
bad() { echo "FAIL: $*"; fail=1; }
# Both manual pages travel in the package.
for page in tidewell tidewell-chart; do
  grep -Eq "^\./usr/share/man/man1/$page\.1(\.gz)?$" "$out/contents.txt" ||
    bad "the package holds no manual page $page"
done

root=$(mktemp -d /tmp/tidewell-root.XXXXXX)
xpid=""
cleanup() {
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
  for m in tmp/.X11-unix dev/pts dev proc sys; do
    mountpoint -q "$root/$m" && umount -l "$root/$m" || true
  done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT
tar -xf "$base" -C "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount --bind /dev "$root/dev"; mount --bind /dev/pts "$root/dev/pts"
mount -t proc proc "$root/proc"; mount -t sysfs sys "$root/sys"
cp "$deb" "$root/root/"
in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive \
    PATH=/usr/sbin:/usr/bin:/sbin:/bin "$@"
}
# Every file of the root, but the kernel's, the temporary and apt's own bookkeeping.
files() {
  (cd "$root" && find . -xdev \( -path ./proc -o -path ./sys -o -path ./dev -o -path ./tmp \
    -o -path ./var/lib/apt/lists -o -path ./var/cache/apt -o -path ./var/log \) -prune \
    -o \( -type f -o -type l \) -print | sort)
}

echo "== install on a fresh Debian 12 root"
in_root apt-get update -qq
files >"$out/files-before.txt"
in_root apt-get install -y -qq --no-install-recommends "/root/$(basename "$deb")" \
  >"$out/apt-install.log" 2>&1 || { tail -20 "$out/apt-install.log"; exit 1; }
files >"$out/files-installed.txt"
in_root dpkg -L tidewell | sort >"$out/dpkg-L.txt"
in_root dpkg-query -W -f='${Package} ${Version}\n' tidewell

plugin=$(in_root sh -c 'ls /usr/lib/*/qt6/plugins/platforms/libqxcb.so')
missing=$(in_root ldd /usr/bin/tidewell /usr/bin/tidewell-chart /usr/lib/tidewell/tidewell-print.so "$plugin" |
  grep 'not found' || true)
[ -z "$missing" ] || bad "libraries not found: $missing"
grep -q '^Recommends:.*qt6-wayland' "$out/control.txt" || bad "qt6-wayland is not recommended"
desktop-file-validate "$root/usr/share/applications/io.github.kestrelmoor.Tidewell.desktop" ||
  bad "desktop-file-validate"
appstreamcli validate --no-net \
  "$root/usr/share/metainfo/io.github.kestrelmoor.Tidewell.metainfo.xml" || bad "appstreamcli"

echo "== tidewell-chart in the root"
in_root tidewell-chart --birthday 1990-01-31 --date 2024-03-05 --interpret || bad "tidewell-chart"
in_root tidewell-chart --birthday 1990-01-31 --date 2024-03-05 --out /root/chart.png &&
  cp "$root/root/chart.png" "$out/" || bad "tidewell-chart --out"

echo "== tidewell in the root, on this machine's X server"
# Xvfb picks a free display itself and tells its number when it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$out/display" >"$out/xvfb.log" 2>&1 &
xpid=$!
for _ in $(seq 100); do [ -s "$out/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$out/display")"
xdpyinfo >/dev/null || { bad "no X server"; exit 1; }
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
openbox >"$out/openbox.log" 2>&1 &
wm=$!
# A window mapped before the window manager is ready may never show; a busy machine starts it
# slowly.
for _ in $(seq 300); do
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window && break; sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window; then
  # A manager that holds the screen's map requests but never comes up would keep every window
  # from showing: go on without one.
  echo "note: no window manager came up; going on without one: $(cat "$out/openbox.log")"
  kill "$wm" 2>/dev/null; wait "$wm" 2>/dev/null || true
fi
# Keys go to the window given: through the window manager, and straight to the X server for
# a display where none manages the windows.
focus() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  xdotool windowfocus --sync "$1" >/dev/null 2>&1 || true
}
# Starts the installed program (extra environment in $@), answers the first run's entry window
# when asked, takes a screenshot, opens the help (Help, Contents) when asked, and ends it
# through File, Exit so that it saves its settings.
run_window() {
  local name=$1 help=$2 first=$3; shift 3
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 PATH=/usr/bin:/bin DISPLAY="$DISPLAY" \
    "$@" tidewell >"$out/$name.log" 2>&1 &
  local app=$! win=""
  # Up to a minute: a busy machine starts it slowly.
  for _ in $(seq 300); do
    win=$(xdotool search --all --onlyvisible --pid "$app" --name '^Tidewell$' 2>/dev/null |
      head -n 1 || true)
    [ -n "$win" ] && break; sleep 0.2
  done
  if [ -z "$win" ]; then
    import -window root "$out/$name-missing.png"
    bad "$name: no window titled Tidewell; windows: $(xdotool search --name . getwindowname %@ |
      tr '\n' ',') log: $(cat "$out/$name.log")"
    kill "$app" 2>/dev/null; wait "$app" 2>/dev/null || true; return
  fi
  sleep 1
  if [ "$first" = first ]; then
    # No settings yet: the entry window asks for the user's own name and birthday, and holds
    # the keyboard until it is answered.
    local entry=""
    for _ in $(seq 100); do
      entry=$(xdotool search --all --onlyvisible --pid "$app" --name '^Entry$' 2>/dev/null | head -n 1 || true)
      [ -n "$entry" ] && break; sleep 0.2
    done
    import -window root "$out/$name-first-run.png"
    if [ -z "$entry" ]; then
      bad "$name: the first run asked nothing"
    else
      # Return in the name moves on to the birthday; Return there presses OK.
      # Keys sent before the window has the focus are lost: the name first needs a moment.
      focus "$entry"
      sleep 2
      xdotool type --delay 80 "Pat"; sleep 0.5
      xdotool key Return; sleep 0.5
      xdotool type --delay 80 "1990-12-24"; sleep 0.5
      xdotool key Return
      # A busy machine takes its time over the keys.
      for _ in $(seq 200); do
        xwininfo -id "$entry" 2>/dev/null | grep -q IsViewable || break; sleep 0.1
      done
      xwininfo -id "$entry" 2>/dev/null | grep -q IsViewable && bad "$name: the entry window stayed after OK"
    fi
    sleep 1
  fi
  import -window root "$out/$name.png"
  if [ "$help" = help ]; then
    focus "$win"
    xdotool key alt+h key c >/dev/null 2>&1 || true
    sleep 2
    import -window root "$out/$name-help.png"
    xdotool search --onlyvisible --name 'Help' >/dev/null || bad "$name: no help window"
  fi
  focus "$win"
  xdotool key alt+f key x >/dev/null 2>&1 || true
  for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app" 2>/dev/null; then bad "$name: File, Exit did not end it"; kill "$app"; fi
  wait "$app" 2>/dev/null || true
}
run_window window help first
ini=$root/root/.config/Kestrelmoor/Tidewell.ini
[ "$(stat -c %a "$ini" 2>/dev/null)" = 600 ] || bad "settings file not 0600: $(ls -l "$ini" 2>&1)"
# The chart is of the birthday given at the first run.
grep -qx 'Birthday1=24/12/1990' "$ini" 2>/dev/null || bad "first run: Birthday1 is not 24/12/1990: $(grep Birthday1 "$ini" 2>&1)"
# A dark desktop theme, as Qt reads it from a KDE session's colours.
mkdir -p "$root/root/.config"
cp scripts/dark-kdeglobals "$root/root/.config/kdeglobals"
run_window dark-theme no later XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 QT_STYLE_OVERRIDE=Fusion
kill "$wm" 2>/dev/null || true
umount -l "$root/tmp/.X11-unix"

echo "== uninstall"
in_root apt-get purge -y -qq --autoremove tidewell >"$out/apt-purge.log" 2>&1 ||
  { tail -20 "$out/apt-purge.log"; exit 1; }
files >"$out/files-after.txt"
# Brought by the install and still there after the purge.
comm -13 "$out/files-before.txt" "$out/files-installed.txt" |
  comm -12 - "$out/files-after.txt" >"$out/left-behind.txt"
left_ours=$(sed 's|^\.||' "$out/left-behind.txt" | grep -Fxf "$out/dpkg-L.txt" || true)
[ -z "$left_ours" ] || bad "package files left after removal: $left_ours"
added=$(comm -13 "$out/files-before.txt" "$out/files-installed.txt" | wc -l)
echo "files added by the install: $added"
echo "of those still there after purge --autoremove: $(wc -l <"$out/left-behind.txt")" \
  "(in $out/left-behind.txt)"
if cmp -s <(grep -v '^\./root/' "$out/files-before.txt") \
          <(grep -v '^\./root/' "$out/files-after.txt"); then
  echo "the root's files outside /root are as before the install"
else
  echo "differences outside /root:"
  diff <(grep -v '^\./root/' "$out/files-before.txt") \
    <(grep -v '^\./root/' "$out/files-after.txt") | grep '^[<>]' || true
fi
[ $fail -eq 0 ] && echo "package check passed; screenshots in $out"
exit $fail

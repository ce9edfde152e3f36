# The harness of the real-window checks (scripts/check-*.sh), sourced by each of them:
#   session_need [CMD:PACKAGE | py:MODULE:PACKAGE]...   installs what is missing (Debian 12)
#   session_start [a11y]     a private X display (Xvfb picks a free number), openbox on it and,
#                            with a11y, a session bus with the screen reader's bus beside it
#   session_open [NEED]...   what most checks start with: session_need with the screen reader's
#                            needs and NEED, session_start a11y and session_scratch
#   session_atexit FUNCTION  run FUNCTION at exit, before the session is stopped
#   session_launch NAME SEED [LOCALE]  the program, on a settings folder of its own ($app)
# Driving and reading the program session_launch started:
#   keys KEY...              presses each key in turn, pausing after each for the program
#   spoken ROLE NAME [WHAT]  what a screen reader hears of it (scripts/spoken.py)
#   quit                     File, Exit, and waits for the program to end
# One way of telling a case:
#   same WHAT GOT WANTED     PASS when GOT is WANTED
#   holds 'CONDITION' WHAT   PASS when the shell condition holds; WHAT tells what was seen
#   contains WHAT TEXT PART  PASS when TEXT holds PART
#   pass WHAT [SEEN] / fail WHAT GOT WANTED / skip WHAT WHY
# At exit it stops what it started (the program too), prints "N passed, N failed" and exits 1
# when a case failed.

_tw_passed=0
_tw_failed=0
_tw_pids=()
_tw_dir=""
_tw_hook=""
_tw_app=""
_tw_lib=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
trap _tw_end EXIT

pass() { echo "PASS  $1${2:+: $2}"; _tw_passed=$((_tw_passed + 1)); }
fail() { echo "FAIL  $1: got $2, wanted $3"; _tw_failed=$((_tw_failed + 1)); }
skip() { echo "SKIP  $1: $2"; }
same() { if [ "$2" = "$3" ]; then pass "$1" "$2"; else fail "$1" "'$2'" "'$3'"; fi; }
# Runs in the caller's scope, so the condition sees its variables.
holds() { if eval "$1"; then pass "$2"; else fail "$2" false "$1"; fi; }
contains() {
  if [[ "$2" == *"$3"* ]]; then pass "$1"; else fail "$1" "'${2:-(nothing)}'" "'...$3...'"; fi
}

session_need() {
  local want=(Xvfb:xvfb openbox:openbox xdotool:xdotool xdpyinfo:x11-utils xprop:x11-utils "$@")
  local missing=() t sudo="" try
  for try in 1 2; do
    missing=()
    for t in "${want[@]}"; do
      case $t in
        py:*) t=${t#py:}; /usr/bin/python3 -c "import ${t%%:*}" 2>/dev/null || missing+=("${t#*:}") ;;
        *) command -v "${t%%:*}" >/dev/null || missing+=("${t#*:}") ;;
      esac
    done
    [ ${#missing[@]} -eq 0 ] && return
    [ "$try" = 2 ] && break
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq && $sudo env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  done
  echo "needs ${missing[*]}"
  exit 2
}

session_open() {
  session_need dbus-daemon:dbus /usr/libexec/at-spi-bus-launcher:at-spi2-core \
    py:pyatspi:python3-pyatspi "$@"
  session_start a11y
  session_scratch
}

session_atexit() { _tw_hook=$1; }

# Starts $build's program on a settings folder of its own, $scratch/NAME, holding the settings
# lines SEED (no file when empty), in LOCALE (en_GB.UTF-8 when not given; an empty one leaves
# the locale to LANG); sets app, cfg and win once its first window shows, and activates its
# newest window (the one a first run asks in).
session_launch() { # name, seed, locale
  cfg="$scratch/$1"
  mkdir -p "$cfg/Kestrelmoor"
  [ -n "$2" ] && printf '[Tidewell]\n%s\n' "$2" > "$cfg/Kestrelmoor/Tidewell.ini"
  XDG_CONFIG_HOME="$cfg" LC_ALL="${3-en_GB.UTF-8}" LANGUAGE= QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$build/src/tidewell" >/dev/null 2>&1 & app=$!
  _tw_app=$app
  for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n 1)
    [ -n "$win" ] && break
    sleep 0.1
  done
  sleep 1
  xdotool windowactivate --sync "$(xdotool search --onlyvisible --pid "$app" | tail -n 1)" \
    >/dev/null 2>&1
}

keys() { for k in "$@"; do xdotool key "$k"; sleep 0.4; done; }
spoken() { /usr/bin/python3 "$_tw_lib/../spoken.py" "$app" "$@"; }

# A program still running 10 s later is stopped and reported.
quit() {
  keys alt+f x
  for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app" 2>/dev/null; then
    fail "File, Exit" "still running 10 s later (stopped)" "the program ended"; kill "$app"
  fi
  wait "$app" 2>/dev/null
}

# A scratch folder of the check's own in $scratch, gone when the check ends.
_tw_scratch=""
session_scratch() {
  scratch=$(mktemp -d)
  _tw_scratch=$scratch
}

# Each helper gets a process group of its own, so that stopping it stops what it started.
_tw_background() {
  setsid "$@" >/dev/null 2>&1 &
  _tw_pids+=($!)
}

# Waits up to 10 s for file $1 to hold something.
_tw_await() {
  for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.1; done
  return 1
}

session_start() {
  _tw_dir=$(mktemp -d)
  # The checks want real windows, whatever the test run asks of other programs.
  unset QT_QPA_PLATFORM
  # Xvfb writes the number it took once it is ready, never one another display holds.
  _tw_background Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$_tw_dir/display"
  _tw_await "$_tw_dir/display" || { echo "Xvfb did not start"; exit 2; }
  export DISPLAY=":$(head -n 1 "$_tw_dir/display")"
  _tw_background openbox
  # Keys reach a window only once the window manager can activate it.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
    sleep 0.1
  done
  # It says so before it has finished starting; a window shown in that moment can lose its
  # connection to the display.
  sleep 1
  if [ "${1:-}" = a11y ]; then
    # Qt finds the screen reader's bus through the session bus.
    _tw_background dbus-daemon --session --nofork --print-address=3 3>"$_tw_dir/bus"
    _tw_await "$_tw_dir/bus" || { echo "dbus-daemon did not start"; exit 2; }
    export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$_tw_dir/bus")
    _tw_background /usr/libexec/at-spi-bus-launcher --launch-immediately
    sleep 1
  fi
}

_tw_end() {
  local rc=$? p
  # Only while it is still this shell's child: a number already waited for may be another's.
  [ -n "$_tw_app" ] && jobs -p | grep -qx "$_tw_app" && kill "$_tw_app" 2>/dev/null
  [ -n "$_tw_hook" ] && "$_tw_hook"
  for p in "${_tw_pids[@]}"; do kill -- "-$p" 2>/dev/null || kill "$p" 2>/dev/null; done
  [ -n "$_tw_dir" ] && rm -rf "$_tw_dir"
  [ -n "$_tw_scratch" ] && rm -rf "$_tw_scratch"
  echo "$_tw_passed passed, $_tw_failed failed"
  [ "$_tw_failed" -eq 0 ] || exit 1
  exit "$rc"
}

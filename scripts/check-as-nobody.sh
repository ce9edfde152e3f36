#!/usr/bin/env bash
# Runs a built test program as the user nobody (uid 65534), because root passes every permission
# check and so cannot fail the tests about files' owners and modes.
#   scripts/check-as-nobody.sh PROGRAM [ARGUMENTS...]
# Exits 77 (skipped) when not run as root: only root can become nobody.
set -uo pipefail
program=$(realpath "${1:?usage: check-as-nobody.sh PROGRAM [ARGUMENTS...]}")
shift
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP  ${program##*/} as nobody: needs root to become nobody"
  exit 77
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/home"
chown 65534:65534 "$tmp/home"
chmod 700 "$tmp/home"
chmod 755 "$tmp"
asNobody() {
  env -u XDG_RUNTIME_DIR -u XDG_CONFIG_HOME -u XDG_CACHE_HOME HOME="$tmp/home" TMPDIR="$tmp/home" \
    setpriv --reuid=65534 --regid=65534 --clear-groups -- "$@"
}
# A build under a folder closed to others is run from a copy.
if ! asNobody test -x "$program"; then
  cp "$program" "$tmp/"
  chmod 755 "$tmp/${program##*/}"
  program=$tmp/${program##*/}
fi
cd "$tmp/home"
asNobody "$program" "$@" 2>&1 | tee "$tmp/out"
rc=${PIPESTATUS[0]}
ran=$(sed -n 's/^\[==========\] \([0-9]*\) tests\? from .* ran\..*/\1/p' "$tmp/out")
if [ "${ran:-0}" -eq 0 ]; then
  echo "FAIL  ${program##*/} as nobody: got ${ran:-no} tests run, wanted some"
  exit 1
fi
exit "$rc"

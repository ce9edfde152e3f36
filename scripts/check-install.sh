#!/usr/bin/env bash
# Installs a built tree into a scratch prefix and checks what a desktop relies on.
#   scripts/check-install.sh BUILD_DIR layout     every file where it belongs, and nothing else
#   scripts/check-install.sh BUILD_DIR validate   desktop-file-validate and appstreamcli agree
#   scripts/check-install.sh BUILD_DIR manual     man -l reads each installed manual page,
#                                                 without a warning
# Exit 77 means skipped (a validator, or man, is not installed).
set -euo pipefail
build=$(cd "${1:?usage: check-install.sh BUILD_DIR layout|validate|manual}" && pwd)
mode=${2:-layout}
id=io.github.kestrelmoor.Tidewell

if [ "$mode" = validate ]; then
  for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
fi
if [ "$mode" = manual ]; then
  command -v man >/dev/null || { echo "skipped: man is not installed (man-db)"; exit 77; }
fi

tmp=$(mktemp -d)
# Installing rewrites the build tree's list of installed files; keep the list of a real install.
manifest=$build/install_manifest.txt
[ -f "$manifest" ] && cp -p "$manifest" "$tmp/manifest"
restore() {
  if [ -f "$tmp/manifest" ]; then cp -p "$tmp/manifest" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$tmp"
}
trap restore EXIT
# An unusual prefix: the program must find its files relative to itself, not under /usr.
prefix=$tmp/opt/tidewell
cmake --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"

fail=0
bad() { echo "FAIL: $*"; fail=1; }

if [ "$mode" = validate ]; then
  desktop-file-validate "share/applications/$id.desktop" || bad "desktop-file-validate"
  appstreamcli validate --no-net "share/metainfo/$id.metainfo.xml" || bad "appstreamcli validate"
  exit $fail
fi

if [ "$mode" = manual ]; then
  for page in tidewell tidewell-chart; do
    f=$(ls share/man/man1/"$page".1* 2>/dev/null | head -n 1)
    [ -n "$f" ] || { bad "no manual page $page"; continue; }
    # Every kind of groff warning on ("w"); a clean page has none, and says something.
    MANWIDTH=80 man --warnings=w -E UTF-8 -l "$f" >"$tmp/$page.txt" 2>"$tmp/$page.err" ||
      bad "man -l $f failed"
    [ -s "$tmp/$page.err" ] && bad "man -l $f warns:"$'\n'"$(cat "$tmp/$page.err")"
    grep -q "^NAME" "$tmp/$page.txt" || bad "man -l $f shows no NAME: $(head -c 300 "$tmp/$page.txt")"
    echo "$f: $(wc -l <"$tmp/$page.txt") lines"
  done
  # The page says what --help says, option by option.
  if [ -x "$build/src/cli/tidewell-chart" ]; then
    for option in $("$build/src/cli/tidewell-chart" --help | grep -o -- '--[a-z0-9-]*' | sort -u); do
      grep -q -- "$option" "$tmp/tidewell-chart.txt" || bad "tidewell-chart.1 lacks $option"
    done
  fi
  exit $fail
fi

expected=(
  bin/tidewell
  share/tidewell/Tidewell.html
  "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg"
  share/doc/tidewell/copyright
  lib/tidewell/tidewell-print.so
)
sizes=(16 32 48 64 128 256)
for s in "${sizes[@]}"; do expected+=("share/icons/hicolor/${s}x$s/apps/$id.png"); done
[ -e "$build/src/cli/tidewell-chart" ] && expected+=(bin/tidewell-chart)
# A message catalogue for every language of po/LINGUAS, where the programs look for it.
for lang in $(grep -v '^#' "$(dirname "$0")/../po/LINGUAS"); do
  expected+=("share/locale/$lang/LC_MESSAGES/tidewell.mo")
done
# The help in every language it is translated into, where the program looks for it.
for f in "$(dirname "$0")"/../data/help/*/Tidewell.html; do
  [ -e "$f" ] && expected+=("share/tidewell/$(basename "$(dirname "$f")")/Tidewell.html")
done
# Compressed where the build had gzip.
for page in tidewell tidewell-chart; do
  f=share/man/man1/$page.1
  [ -e "$build/data/man/$page.1.gz" ] && f=$f.gz
  expected+=("$f")
done

for f in "${expected[@]}"; do [ -f "$f" ] || bad "not installed: $f"; done
unexpected=$(comm -13 <(printf '%s\n' "${expected[@]}" | sort) \
  <(find . -type f -printf '%P\n' | sort))
[ -z "$unexpected" ] ||
  bad "installed but not listed in scripts/check-install.sh:"$'\n'"$unexpected"

for f in bin/*; do [ -x "$f" ] || bad "not executable: $f"; done
# The program looks for its help in ../share/tidewell beside its own folder.
[ -f bin/../share/tidewell/Tidewell.html ] || bad "help file not where bin/tidewell looks"
# And for its print module, loaded at the first print, in ../lib/tidewell.
[ -f bin/../lib/tidewell/tidewell-print.so ] || bad "print module not where bin/tidewell looks"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for s in "${sizes[@]}"; do
  f="share/icons/hicolor/${s}x$s/apps/$id.png"
  [ -f "$f" ] || continue
  read -r w h < <(od -An -tu1 -j16 -N8 "$f" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$w $h" = "$s $s" ] || bad "$f is ${w}x$h"
done

# The three files name each other and the program.
desktop="share/applications/$id.desktop"
if [ -f "$desktop" ]; then
  grep -qx "Exec=tidewell" "$desktop" || bad "$desktop does not start tidewell"
  grep -qx "Icon=$id" "$desktop" || bad "$desktop names another icon"
fi
grep -q "<id>$id</id>" "share/metainfo/$id.metainfo.xml" || bad "metainfo has another id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
  "share/metainfo/$id.metainfo.xml" || bad "metainfo launches another desktop file"

[ $fail -eq 0 ] && echo "installed ${#expected[@]} files as expected"
exit $fail

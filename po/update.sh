#!/bin/sh
# Merges every language of LINGUAS with the template given (build/po/tidewell.pot):
#   cmake --build build --target update-po
set -eu
cd "$(dirname "$0")"
pot=$1
grep -v '^#' LINGUAS | while read -r lang; do
  [ -n "$lang" ] || continue
  "${MSGMERGE:-msgmerge}" --quiet --update --backup=none --previous "$lang.po" "$pot"
done

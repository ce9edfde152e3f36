#!/usr/bin/env bash
# Seeds realistic one-line faults into a scratch copy of this tree, one at a time, and says
# which of them the test suite catches.
#
#   scripts/seed-faults.sh BUILD_DIR [--holdout | --list FILE] [--only N,M,...]
#
# BUILD_DIR holds the scratch copy (BUILD_DIR/tree) and its build (BUILD_DIR/build); keep it
# between runs and the next one rebuilds only what a fault touches. The tree the script stands
# in is read, never written. Each fault is built and the suite run (fuzz targets and the window
# checks, which take minutes a run, left out) up to
# its first failure.
set -euo pipefail

usage() { echo "usage: $0 BUILD_DIR [--holdout | --list FILE] [--only N,M,...]" >&2; exit 2; }
[ $# -ge 1 ] || usage
work=$(realpath -m "$1"); shift
here=$(cd "$(dirname "$0")/.." && pwd)
list="$here/scripts/seed-faults.list"
only=""
while [ $# -gt 0 ]; do
  case "$1" in
    --holdout) list="$here/scripts/seed-faults-holdout.list" ;;
    --list) [ $# -ge 2 ] || usage; list=$(realpath "$2"); shift ;;
    --only) [ $# -ge 2 ] || usage; only="$2"; shift ;;
    *) usage ;;
  esac
  shift
done
[ -f "$list" ] || { echo "no fault list $list" >&2; exit 2; }
case "$work/" in "$here"/src/*|"$here"/tests/*) echo "BUILD_DIR must lie outside src/ and tests/" >&2; exit 2 ;; esac

tree="$work/tree"
build="$work/build"
log="$work/logs"
mkdir -p "$tree" "$build" "$log"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

# The scratch copy follows the working tree; files that did not change keep their times, so the
# build stays incremental.
echo "copying the tree to $tree"
(cd "$here" && git ls-files -co --exclude-standard -z) | python3 -c '
import os, shutil, sys
src, dst = sys.argv[1], sys.argv[2]
names = [n for n in sys.stdin.buffer.read().decode().split("\0") if n]
for n in names:
    a, b = os.path.join(src, n), os.path.join(dst, n)
    if not os.path.isfile(a) or os.path.islink(a):
        continue
    with open(a, "rb") as f:
        data = f.read()
    if os.path.exists(b):
        with open(b, "rb") as f:
            if f.read() == data:
                continue
    os.makedirs(os.path.dirname(b), exist_ok=True)
    # A fresh time: the build must see the file as newer than what it built before.
    shutil.copyfile(a, b)
    shutil.copymode(a, b)
' "$here" "$tree"

# faults count | check | describe N | apply N: how many faults the list holds, whether each
# one's text stands exactly once in its file, fault N's file and description, or fault N written
# into the copy.
faults() {
  python3 - "$list" "$tree" "$@" <<'PY'
import sys
path, tree, action = sys.argv[1], sys.argv[2], sys.argv[3]
rows = []
for number, line in enumerate(open(path, encoding="utf-8"), 1):
    line = line.rstrip("\n")
    if not line.strip() or line.startswith("#"):
        continue
    parts = line.split("\t")
    if len(parts) != 4:
        sys.exit(f"{path}:{number}: four tab-separated fields wanted, found {len(parts)}")
    unescape = lambda s: s.replace("\\n", "\n").replace("\\t", "\t")
    rows.append((parts[0], unescape(parts[1]), unescape(parts[2]), parts[3]))
if action == "count":
    print(len(rows)); sys.exit(0)
if action == "check":
    bad = 0
    for i, (f, old, new, why) in enumerate(rows, 1):
        try:
            text = open(f"{tree}/{f}", encoding="utf-8").read()
        except OSError:
            print(f"fault {i}: no file {f}"); bad += 1; continue
        if text.count(old) != 1:
            print(f"fault {i}: its text stands {text.count(old)} times in {f}: {old!r}"); bad += 1
    sys.exit(1 if bad else 0)
i = int(sys.argv[4])
f, old, new, why = rows[i - 1]
if action == "describe":
    print(f"{f}\t{why}"); sys.exit(0)
target = f"{tree}/{f}"
text = open(target, encoding="utf-8").read()
if action == "apply":
    open(target, "w", encoding="utf-8").write(text.replace(old, new, 1))
PY
}

faults check || { echo "the fault list does not fit this tree" >&2; exit 2; }
total=$(faults count)

started=$(date +%s)
echo "building the unchanged copy in $build"
# ccache, where installed, keeps each fault's rebuild to the files it touches.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "${launcher[@]}" -DTIDEWELL_BENCH=OFF >"$log/configure.txt" 2>&1 ||
  { echo "configure failed: $log/configure.txt" >&2; exit 2; }
cmake --build "$build" -j2 >"$log/build.txt" 2>&1 || { echo "build failed: $log/build.txt" >&2; exit 2; }
# Tests that fail on the unchanged copy say nothing about a fault: they are left out, by name.
skip=""
suite() { ctest --test-dir "$build" -LE "fuzz|window" -j2 --stop-on-failure --timeout 120 ${skip:+-E "$skip"}; }
if ! suite >"$log/clean.txt" 2>&1; then
  ctest --test-dir "$build" -LE "fuzz|window" -j2 --timeout 120 >"$log/clean.txt" 2>&1 || true
  failed=$(sed -n 's/^[0-9]*://p' "$build/Testing/Temporary/LastTestsFailed.log" 2>/dev/null)
  [ -n "$failed" ] || { echo "the unchanged suite does not run: $log/clean.txt" >&2; exit 2; }
  echo "left out, failing without any fault:"; printf '  %s\n' $failed
  skip="^($(printf '%s\n' $failed | sed 's/[][\.*^$()+?{}|]/\\&/g' | paste -sd'|'))\$"
  suite >"$log/clean.txt" 2>&1 || { echo "the unchanged suite fails: $log/clean.txt" >&2; exit 2; }
fi
echo "the unchanged suite passes ($(( $(date +%s) - started )) s with the build)"

caught=0; missed=0; unbuilt=0
rows=()
for i in $(seq 1 "$total"); do
  [ -n "$only" ] && [[ ",$only," != *",$i,"* ]] && continue
  IFS=$'\t' read -r file why < <(faults describe "$i")
  t0=$(date +%s)
  cp -p "$tree/$file" "$log/original"
  faults apply "$i"
  if ! cmake --build "$build" -j2 >"$log/fault-$i.txt" 2>&1; then
    verdict="does not build"; unbuilt=$((unbuilt + 1))
  elif ! suite >>"$log/fault-$i.txt" 2>&1; then
    verdict="caught"
  else
    verdict="MISSED"
  fi
  # The original content goes back; its new time makes the next build compile it again
  # (the compile cache has it).
  cat "$log/original" >"$tree/$file"
  case "$verdict" in caught*) caught=$((caught + 1)) ;; MISSED) missed=$((missed + 1)) ;; esac
  row=$(printf '%3d  %-14s %-36s %4ss  %s' "$i" "$verdict" "$file" "$(( $(date +%s) - t0 ))" "$why")
  echo "$row"
  rows+=("$row")
done

echo
echo "faults from $(basename "$list")"
printf '%3s  %-14s %-36s %5s  %s\n' "#" "verdict" "file" "time" "fault"
printf '%s\n' "${rows[@]}"
counted=$((caught + missed))
echo "caught $caught of $counted ($(( counted ? 100 * caught / counted : 0 )) %), missed $missed, not built $unbuilt; $(( $(date +%s) - started )) s in all"
# The copy is left as it was before the faults; the next build brings it up to date.
cmake --build "$build" -j2 >"$log/build.txt" 2>&1 || true

# What the bench scripts share, sourced from the top of the tree once build is set:
#   bench_programs  chart, the built tidewell-chart, and baseline, the least a Qt program does to
#                   write a PNG (bench/baseline_blank_png.cpp), built when missing or older
#                   than its source
#   bench_work      work, a folder of the run's own removed at exit, holding the programs'
#                   runtime folder and an empty settings folder
#   median          the middle of the numbers read, one a line (of an even count, the lower)

bench_programs() {
  chart="$build/src/cli/tidewell-chart"
  baseline="$build/bench/baseline_blank_png"
  [ -x "$chart" ] || { echo "no $chart: build first (cmake --build $build)" >&2; exit 2; }
  if [ ! -x "$baseline" ] || [ bench/baseline_blank_png.cpp -nt "$baseline" ]; then
    mkdir -p "$(dirname "$baseline")"
    # shellcheck disable=SC2046
    c++ -O2 -std=c++20 -fPIC bench/baseline_blank_png.cpp $(pkg-config --cflags --libs Qt6Gui) \
      -o "$baseline"
  fi
}

bench_work() {
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  mkdir -p "$work/runtime" "$work/config"
  chmod 700 "$work/runtime"
  export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
}

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

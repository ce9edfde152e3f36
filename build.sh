#!/usr/bin/env bash
# Installs what is missing (Debian 12), configures and builds Tidewell, then
#   ./build.sh run    starts Tidewell
#   ./build.sh test   runs the whole test suite
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-wayland libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core poppler-utils desktop-file-utils appstream
  gettext python3 qt6-translations-l10n
)
# The suite also drives the real program under a private X display and a headless Wayland
# compositor (scripts/check-*.sh), and hands a calendar file to khal as the desktop would.
if [ "${1:-run}" = test ]; then
  packages+=(xvfb openbox xdotool x11-utils imagemagick xclip dbus at-spi2-core python3-pyatspi
             python3-icalendar clang-format khal xdg-utils file sway grim wtype man-db
             groff-base locales)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build

case "${1:-run}" in
  run) exec build/src/tidewell ;;
  test) exec env QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2 ;;
  *) echo "usage: ./build.sh run|test" >&2; exit 2 ;;
esac

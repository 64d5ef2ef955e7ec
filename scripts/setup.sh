#!/usr/bin/env bash
# Installs the Debian packages that are missing: what the program needs to build and
# run, and with --tests also what only the tests need.
#   scripts/setup.sh            build and run-time needs (./run.sh)
#   scripts/setup.sh --tests    the same plus the test tools (./test.sh)
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev qt6-translations-l10n
  libfluidsynth-dev timgm6mb-soundfont
  rime-data-wubi
  fonts-noto-cjk fonts-arphic-ukai fonts-arphic-uming
  xdg-utils
  libqt6svg6 libqt6sql6-sqlite libqt6sql6-psql qt6-wayland
  qt6-charts-dev libqt6charts6 libqt6opengl6-dev
  dpkg-dev file
)

# Only the tests need these: a headless X server and input method, a private sound
# server, and the validators of the launcher and the metainfo.
TEST_PACKAGES=(
  xvfb xauth xdotool x11-utils dbus dbus-x11
  fcitx5 fcitx5-chinese-addons fcitx5-table fcitx5-frontend-qt6
  ibus ibus-table ibus-table-wubi
  pulseaudio pulseaudio-utils sox
  desktop-file-utils appstream
  qt6-base-private-dev
  clang libclang-rt-14-dev
  postgresql
  at-spi2-core python3-pyatspi weston imagemagick
  orca speech-dispatcher
)

wanted=("${PACKAGES[@]}")
[ "${1:-}" = "--tests" ] && wanted+=("${TEST_PACKAGES[@]}")

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=()
[ "$(id -u)" -eq 0 ] || SUDO=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when any is missing.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config
  clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libfluidsynth-dev timgm6mb-soundfont
  rime-data-wubi
  fonts-noto-cjk fonts-arphic-ukai fonts-arphic-uming
  xvfb xauth xdotool x11-utils dbus dbus-x11
  fcitx5 fcitx5-chinese-addons fcitx5-table fcitx5-frontend-qt6
  pulseaudio pulseaudio-utils sox
  desktop-file-utils qt6-translations-l10n
)

missing=()
for p in "${PACKAGES[@]}"; do
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

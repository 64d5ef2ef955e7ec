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
  rime-data-wubi rime-data-pinyin-simp rime-data-luna-pinyin rime-data-double-pinyin
  rime-data-cangjie5 rime-data-quick5 rime-data-bopomofo rime-data-terra-pinyin
  opencc qt6-l10n-tools
  fonts-noto-cjk fonts-arphic-ukai fonts-arphic-uming python3-fonttools
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
  fcitx5-chewing ibus-table-cangjie5 ibus-table-quick
  pulseaudio pulseaudio-utils sox
  desktop-file-utils appstream
  qt6-base-private-dev
  clang libclang-rt-14-dev xxd
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

install_line="apt-get install --no-install-recommends ${missing[*]}"
SUDO=()
if [ "$(id -u)" -ne 0 ]; then
  # sudo only where it can ask (a terminal) or need not (no password).
  if command -v sudo >/dev/null 2>&1 && { sudo -n true 2>/dev/null || [ -t 0 ]; }; then
    SUDO=(sudo)
  else
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "They need root, and sudo cannot be used here. Ask an administrator to run:" >&2
    echo "  $install_line" >&2
    exit 1
  fi
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# The tests start their own PostgreSQL servers: Debian's main cluster, which would start
# at every boot, is not created.
if printf '%s\n' "${missing[@]}" | grep -qx postgresql; then
  "${SUDO[@]}" mkdir -p /etc/postgresql-common/createcluster.d
  echo "create_main_cluster = false" |
    "${SUDO[@]}" tee /etc/postgresql-common/createcluster.d/jaxo-tests.conf >/dev/null
fi
if ! { "${SUDO[@]}" apt-get update -qq &&
       "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; }; then
  echo "Installing failed. An administrator can run:" >&2
  echo "  $install_line" >&2
  exit 1
fi

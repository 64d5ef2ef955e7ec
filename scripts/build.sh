#!/usr/bin/env bash
# Configures (once) and builds into build/ (or $JAXO_BUILD_DIR). Extra arguments go to
# CMake's configure step; $JAXO_BUILD_TARGET builds only that target.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${JAXO_BUILD_DIR:-build}
GEN=()
command -v ninja >/dev/null 2>&1 && GEN=(-G Ninja)
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD_DIR" "${GEN[@]}" -DCMAKE_BUILD_TYPE=Release "$@"
elif [ $# -gt 0 ]; then
  cmake -S . -B "$BUILD_DIR" "$@"
fi
TARGET=()
[ -n "${JAXO_BUILD_TARGET:-}" ] && TARGET=(--target "$JAXO_BUILD_TARGET")
cmake --build "$BUILD_DIR" --parallel "$(nproc)" "${TARGET[@]}"

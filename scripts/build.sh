#!/usr/bin/env bash
# Configures when needed and builds into build/ (or $JAXO_BUILD_DIR). Extra arguments are
# CMake cache options (-DNAME=VALUE); $JAXO_BUILD_TARGET builds only that target.
#   scripts/build.sh --program [options]   build only the program; a new tree is
#                                          configured without the tests
# A configure that did not finish (failed, interrupted, killed) leaves no stamp, and the
# next run configures afresh: nobody has to delete the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${JAXO_BUILD_DIR:-build}
STAMP=$BUILD_DIR/.jaxo-configured

first=()
if [ "${1:-}" = "--program" ]; then
  shift
  first=(-DJAXO_TESTS=OFF)
  JAXO_BUILD_TARGET=${JAXO_BUILD_TARGET:-jaxo}
fi

configure() {
  rm -f "$STAMP"
  if ! cmake "$@"; then
    echo "build.sh: configuring $BUILD_DIR failed; the next run configures it afresh." >&2
    echo "build.sh: a missing Debian package is named above; scripts/setup.sh --tests installs them all." >&2
    exit 1
  fi
}

# The options of the last finished configure, one a line.
have=()
[ -f "$STAMP" ] && mapfile -t have < "$STAMP"
generated=no
[ -f "$BUILD_DIR/build.ninja" ] || [ -f "$BUILD_DIR/Makefile" ] && generated=yes

if [ ! -f "$STAMP" ] || [ $generated = no ]; then
  GEN=()
  command -v ninja >/dev/null 2>&1 && GEN=(-G Ninja)
  fresh=()
  [ -f "$BUILD_DIR/CMakeCache.txt" ] && fresh=(--fresh)
  configure "${fresh[@]}" -S . -B "$BUILD_DIR" "${GEN[@]}" -DCMAKE_BUILD_TYPE=Release "${first[@]}" "$@"
  have=("${first[@]}" "$@")
else
  changed=()
  for opt in "$@"; do
    printf '%s\n' "${have[@]}" | grep -qxF -- "$opt" || changed+=("$opt")
  done
  if [ ${#changed[@]} -gt 0 ]; then
    configure -S . -B "$BUILD_DIR" "${changed[@]}"
    for opt in "${changed[@]}"; do
      kept=()
      for h in "${have[@]}"; do [ "${h%%=*}" = "${opt%%=*}" ] || kept+=("$h"); done
      have=("${kept[@]}" "$opt")
    done
  fi
fi
printf '%s\n' "${have[@]}" > "$STAMP"

TARGET=()
[ -n "${JAXO_BUILD_TARGET:-}" ] && TARGET=(--target "$JAXO_BUILD_TARGET")
cmake --build "$BUILD_DIR" --parallel "$(nproc)" "${TARGET[@]}"

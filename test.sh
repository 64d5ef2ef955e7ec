#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test. Non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
if [ -n "${CI:-}" ]; then
  ./scripts/build.sh -DJAXO_WERROR=ON
else
  ./scripts/build.sh
fi
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 "$@"

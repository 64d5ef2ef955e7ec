#!/usr/bin/env bash
# Sets up what is missing (the test tools too), builds, and runs every test.
# Non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh --tests
./scripts/build.sh -DJAXO_TESTS=ON
cd "${JAXO_BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 "$@"

#!/usr/bin/env bash
# Sets up what is missing, builds the program (not the tests), and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
./scripts/build.sh --program
exec "${JAXO_BUILD_DIR:-build}/app/jaxo" "$@"

#!/usr/bin/env bash
# The set-up scripts as a new machine meets them:
# - a user without root, where sudo cannot ask, is given the one apt-get line to pass on
#   and set-up fails;
# - a configure killed halfway is redone by the next run, with no folder to delete, and
#   the program's build configures no test.
#   setup_scripts.sh SOURCE_DIR
set -euo pipefail
src=${1:?usage: setup_scripts.sh SOURCE_DIR}
work=$(mktemp -d /tmp/jaxo-setup.XXXXXX)
trap '[ -n "${KEEP_WORK:-}" ] || rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A user (uid 1000) on whose machine nothing is installed, and a sudo that wants a password.
mkdir "$work/bin"
printf '#!/bin/sh\n[ "$1" = -u ] && echo 1000 || /usr/bin/id "$@"\n' > "$work/bin/id"
printf '#!/bin/sh\nexit 1\n' > "$work/bin/dpkg-query"
printf '#!/bin/sh\necho "sudo: a password is required" >&2\nexit 1\n' > "$work/bin/sudo"
printf '#!/bin/sh\necho "apt-get must not run" >&2\nexit 3\n' > "$work/bin/apt-get"
chmod +x "$work/bin"/*
status=0
PATH=$work/bin:$PATH "$src/scripts/setup.sh" </dev/null >"$work/out" 2>&1 || status=$?
cat "$work/out"
[ $status -ne 0 ] || fail "set-up reported success with packages missing"
grep -q '^  apt-get install --no-install-recommends g++ .*qt6-base-dev' "$work/out" ||
  fail "no apt-get line for the administrator"
grep -q "must not run" "$work/out" && fail "apt-get was run without root"

# A configure killed as soon as it has begun.
export JAXO_BUILD_DIR=$work/build
setsid bash -c 'exec "$0/scripts/build.sh" --program' "$src" >"$work/first.log" 2>&1 &
pid=$!
for ((i = 0; i < 600; i++)); do [ -f "$JAXO_BUILD_DIR/CMakeCache.txt" ] && break; sleep 0.1; done
kill -9 -- -"$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[ -f "$JAXO_BUILD_DIR/CMakeCache.txt" ] || { cat "$work/first.log"; fail "the configure never began"; }
# The next run configures again and builds (here a small target: the manual page).
JAXO_BUILD_TARGET=install_docs "$src/scripts/build.sh" --program >"$work/second.log" 2>&1 ||
  { cat "$work/second.log"; fail "the run after a killed configure failed"; }
[ -f "$JAXO_BUILD_DIR/build.ninja" ] || [ -f "$JAXO_BUILD_DIR/Makefile" ] || fail "no build files"
grep -q '^JAXO_TESTS:BOOL=OFF' "$JAXO_BUILD_DIR/CMakeCache.txt" || fail "the program's build configured the tests"
echo "PASS"

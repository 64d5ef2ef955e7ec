#!/usr/bin/env bash
# Starts a PostgreSQL server of its own in a temporary folder (Unix socket only, no
# TCP) and runs the history store tests against it. Exit 77: cannot run here (under CI,
# where set-up installed the server, that fails instead).
set -u
test_bin=$1

. "$(dirname "$0")/../support/skip.sh"
skip() { [ -z "${CI:-}" ] || { echo "FAIL: $*"; exit 1; }; echo "SKIP: $*"; exit 77; }

pgbin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -n "$pgbin" ] && [ -x "$pgbin/initdb" ] || missing "no PostgreSQL server programs (Debian package postgresql)"

tmp=$(mktemp -d /tmp/jaxo-pg.XXXXXX) || skip "no temporary folder"
chmod 755 "$tmp"
as_server=()
if [ "$(id -u)" -eq 0 ]; then
  # initdb refuses to run as root: the server runs as nobody.
  command -v setpriv >/dev/null || { rm -rf "$tmp"; skip "running as root without setpriv"; }
  chown nobody "$tmp" || { rm -rf "$tmp"; skip "cannot hand the folder to nobody"; }
  as_server=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$tmp")
fi
data=$tmp/data
sock=$tmp/sock

cleanup() {
  "${as_server[@]}" "$pgbin/pg_ctl" -D "$data" -m immediate stop >/dev/null 2>&1
  rm -rf "$tmp"
}
trap cleanup EXIT

"${as_server[@]}" mkdir -p "$data" "$sock" || skip "cannot make the server's folders"
"${as_server[@]}" "$pgbin/initdb" -D "$data" -A trust -U jaxo -E UTF8 --locale=C.UTF-8 >"$tmp/initdb.log" 2>&1 ||
  { cat "$tmp/initdb.log"; skip "initdb failed"; }
"${as_server[@]}" "$pgbin/pg_ctl" -D "$data" -l "$tmp/server.log" -w -t 60 \
  -o "-c listen_addresses='' -k $sock -c fsync=off" start >/dev/null ||
  { cat "$tmp/server.log"; skip "the server did not start"; }
"$pgbin/createdb" -h "$sock" -U jaxo jaxo || { cat "$tmp/server.log"; exit 1; }

JAXO_TEST_PG_URL="postgresql://jaxo@/jaxo?host=$sock" QT_QPA_PLATFORM=offscreen "$test_bin"

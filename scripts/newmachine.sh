#!/usr/bin/env bash
# Runs the README's two commands on a new Debian 12 machine: a fresh chroot made by
# debootstrap (minbase, plus git, ca-certificates and sudo only) holding a clone of this
# repository's HEAD. Root only.
#   scripts/newmachine.sh [run-first|test-first]
# run-first (the README's order): ./run.sh must start the program and keep it running
# for 10 s (offscreen), then ./test.sh must pass. test-first: the other way round.
# The base system is cached as a tarball outside the clone ($JAXO_CHROOT_CACHE, by
# default /var/cache/jaxo-ci); the package mirror is the one this machine's apt names.
# KEEP_CHROOT=1 keeps the chroot's folder. Prints the time of each stage.
set -euo pipefail
cd "$(dirname "$0")/.."
order=${1:-run-first}
repo=$(pwd)
cache=${JAXO_CHROOT_CACHE:-/var/cache/jaxo-ci}
base=$cache/bookworm-minbase.tar.gz
[ "$(id -u)" -eq 0 ] || { echo "newmachine.sh: needs root (debootstrap, chroot)" >&2; exit 1; }

stage_start=$SECONDS
stage() {
  echo "== stage: $1: $((SECONDS - stage_start)) s"
  stage_start=$SECONDS
}

mirror() {
  local uri
  uri=$(grep -hsoP '^URIs:\s*\K\S+' /etc/apt/sources.list.d/*.sources | grep -v security | head -n 1)
  [ -n "$uri" ] || uri=$(grep -hsoP '^deb\s+(\[[^]]*\]\s+)?\K\S+(?=\s+bookworm\s)' /etc/apt/sources.list | head -n 1)
  echo "${uri:-http://deb.debian.org/debian}"
}

if [ ! -s "$base" ]; then
  command -v debootstrap >/dev/null 2>&1 ||
    { DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null; }
  mkdir -p "$cache"
  fresh=$(mktemp -d /var/tmp/jaxo-debootstrap.XXXXXX)
  if ! debootstrap --variant=minbase --include=git,ca-certificates,sudo bookworm "$fresh/root" "$(mirror)" \
       > "$fresh/debootstrap.log" 2>&1; then
    tail -n 20 "$fresh/debootstrap.log"
    rm -rf "$fresh"
    echo "newmachine.sh: debootstrap failed" >&2
    exit 1
  fi
  tar -C "$fresh/root" -czf "$base.part" . && mv "$base.part" "$base"
  rm -rf "$fresh"
  stage "debootstrap (cached in $base)"
fi

work=$(mktemp -d /var/tmp/jaxo-newmachine.XXXXXX)
root=$work/root
mounts=()
cleanup() {
  local status=$? p m
  # Whatever still runs inside (a program, a server, a bus) holds the mounts.
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && kill -9 "${p#/proc/}" 2>/dev/null
  done
  sleep 0.5
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    m=${mounts[i]}
    umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || echo "newmachine.sh: could not unmount $m" >&2
  done
  if [ -z "${KEEP_CHROOT:-}" ]; then
    # Never remove through a mount that is still there.
    if grep -qs " $root" /proc/mounts; then
      echo "newmachine.sh: mounts remain under $root; not removed" >&2
    else
      rm -rf "$work"
    fi
  else
    echo "newmachine.sh: kept $work"
  fi
  exit $status
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mkdir -p "$root"
tar -C "$root" -xzf "$base"
# The machine's own package sources and name service.
rm -f "$root/etc/apt/sources.list"
cp -a /etc/apt/sources.list.d/. "$root/etc/apt/sources.list.d/" 2>/dev/null || true
[ -f /etc/apt/sources.list ] && cp /etc/apt/sources.list "$root/etc/apt/sources.list"
ls "$root"/etc/apt/sources.list.d/*.sources >/dev/null 2>&1 || [ -s "$root/etc/apt/sources.list" ] ||
  echo "deb $(mirror) bookworm main" > "$root/etc/apt/sources.list"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
# A chroot has no init: services that packages would start at install time would outlive
# the run and hold its mounts. The tests start every server they need themselves.
printf '#!/bin/sh\nexit 101\n' > "$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
for m in proc sys dev dev/pts dev/shm; do
  mkdir -p "$root/$m"
  case $m in
    proc) mount -t proc proc "$root/proc" ;;
    *) mount --bind "/$m" "$root/$m" ;;
  esac
  mounts+=("$root/$m")
done
git clone -q --no-hardlinks "$repo" "$root/root/jaxo"
stage "fresh chroot with a clone of $(git rev-parse --short HEAD)"

# The command line for CMD in the clone inside, as root, with a clean environment.
inside() {
  local cmd=$1; shift
  INSIDE=(env -i HOME=/root LANG=C.UTF-8 TERM=dumb
          PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
          ${CI:+CI=$CI} "$@" chroot "$root" /bin/bash -c "cd /root/jaxo && exec $cmd")
}

run_program() {
  local pid exe started=
  inside ./run.sh QT_QPA_PLATFORM=offscreen
  "${INSIDE[@]}" </dev/null > "$work/run.log" 2>&1 &
  pid=$!
  # run.sh ends by becoming the program: wait for that (set-up and build come first).
  for ((t = 0; t < 3600; t++)); do
    exe=$(readlink "/proc/$pid/exe" 2>/dev/null || true)
    if [ "$exe" = "$root/root/jaxo/build/app/jaxo" ]; then started=yes; break; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 1
  done
  if [ -z "$started" ]; then
    tail -n 40 "$work/run.log"
    echo "FAIL: ./run.sh did not start the program"
    return 1
  fi
  sleep 10
  if ! kill -0 "$pid" 2>/dev/null; then
    tail -n 40 "$work/run.log"
    echo "FAIL: the program ended within 10 s of its start"
    return 1
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "./run.sh: the program ran 10 s"
}

run_tests() {
  inside ./test.sh
  "${INSIDE[@]}" </dev/null
}

if [ "$order" = run-first ]; then
  run_program; stage "./run.sh (set-up, build, 10 s of the program)"
  run_tests; stage "./test.sh (set-up of the test tools, build, every test)"
else
  run_tests; stage "./test.sh (set-up, build, every test)"
  run_program; stage "./run.sh (build, 10 s of the program)"
fi
echo "newmachine.sh: both commands passed on a new Debian 12 ($order)"

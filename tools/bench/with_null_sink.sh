#!/usr/bin/env bash
# Runs a command beside a private PulseAudio server whose default sink is a null sink,
# for benchmarks on a machine without a sound card:
#   tools/bench/with_null_sink.sh build/tests/bench_startup
# The server is ours alone; it is stopped and its folder removed when the command ends.
set -u
dir=$(mktemp -d /tmp/jaxo-sink.XXXXXX)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
cat >"$dir/server.pa" <<PA
load-module module-native-protocol-unix auth-anonymous=1 socket=$dir/native
load-module module-null-sink sink_name=bench
set-default-sink bench
load-module module-suspend-on-idle timeout=1
PA
HOME="$dir" XDG_RUNTIME_DIR="$dir" XDG_CONFIG_HOME="$dir" PULSE_RUNTIME_PATH="$dir/run" PULSE_STATE_PATH="$dir/state" \
  pulseaudio -n -F "$dir/server.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes \
  --log-target=file:"$dir/log" </dev/null >/dev/null 2>&1 &
pid=$!
for _ in $(seq 100); do [ -S "$dir/native" ] && break; sleep 0.05; done
[ -S "$dir/native" ] || { echo "PulseAudio did not start" >&2; exit 1; }
PULSE_SERVER="unix:$dir/native" "$@"

#!/usr/bin/env bash
# Real sound: the sound probe against a private PulseAudio server whose default sink is
# a null sink; the probe records that sink's monitor. The server is ours alone and is
# stopped, and its folder removed, however the probe ends. A server that cannot start
# fails the test: silence must never pass for sound.
set -u
probe=${1:?usage: realsound.sh <soundprobe>}
sink=jaxotest

dir=$(mktemp -d /tmp/jaxo-pulse.XXXXXX)
pid=
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  fi
  rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

fail() {
  echo "FAIL: $*" >&2
  [ -f "$dir/pulse.log" ] && sed 's/^/  pulseaudio: /' "$dir/pulse.log" >&2
  exit 1
}

command -v pulseaudio >/dev/null || fail "pulseaudio is not installed"
command -v pactl >/dev/null || fail "pactl is not installed"
command -v parec >/dev/null || fail "parec is not installed"

cat >"$dir/server.pa" <<EOF
load-module module-native-protocol-unix auth-anonymous=1 socket=$dir/native
load-module module-null-sink sink_name=$sink
set-default-sink $sink
EOF

# Keep the server's and the clients' state inside our folder.
export HOME="$dir" XDG_RUNTIME_DIR="$dir" XDG_CONFIG_HOME="$dir/config"
export PULSE_RUNTIME_PATH="$dir/runtime" PULSE_STATE_PATH="$dir/state"
unset PULSE_SERVER PULSE_SINK

pulseaudio -n -F "$dir/server.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  --disable-shm=yes --log-target=file:"$dir/pulse.log" --log-level=notice </dev/null >/dev/null 2>&1 &
pid=$!
# Should this script be killed outright (no trap runs), the server still goes.
script=$$
( while kill -0 "$script" 2>/dev/null; do sleep 1; done; kill "$pid" 2>/dev/null; rm -rf "$dir" ) </dev/null >/dev/null 2>&1 &

for _ in $(seq 100); do
  [ -S "$dir/native" ] && break
  kill -0 "$pid" 2>/dev/null || fail "PulseAudio exited at start-up"
  sleep 0.05
done
[ -S "$dir/native" ] || fail "PulseAudio did not open its socket within 5 s"

export PULSE_SERVER="unix:$dir/native"
pactl info >/dev/null 2>&1 || fail "PulseAudio does not answer"
pactl list short sinks | grep -q "$sink" || fail "the null sink is missing"

JAXO_TEST_SINK="$sink" "$probe" -maxwarnings 0
status=$?
[ $status -eq 0 ] || echo "FAIL: the sound probe ended with status $status" >&2
exit $status

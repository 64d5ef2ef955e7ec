#!/usr/bin/env bash
# Start-up, memory and idle cost of Jaxo4.00 beside TIPP10 (Debian's tipp10, also Qt 6),
# measured in one run on a private X server and a private PulseAudio server with a null
# sink, the two programs started alternately. Run by hand (not by CI):
#
#   tools/bench/compare_tipp10.sh [RUNS] [APPDIR]      # defaults: 7 runs, build/app
#
# Each start is timed by startcpu (beside this script): the program's CPU time when its
# main window is mapped, its resident memory 3 s later, then the CPU time of the program
# and of the sound server over 10 s of idling on the main screen. Jaxo4.00 runs once with
# every music switch off ("quiet", the idle figures) and once with the default settings,
# main music on ("music", for comparison). Prints every run, then medians and ratios.
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-7}
app=$(realpath "${2:-build/app}")
[ -x "$app/jaxo" ] || { echo "no program at $app/jaxo: build first (./scripts/build.sh)"; exit 2; }

# ---- set-up: the packages, the helper, and a TIPP10 home past its first-run dialog
need=(tipp10 libqt6sql6-sqlite xvfb pulseaudio pulseaudio-utils libx11-dev gcc)
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=()
  [ "$(id -u)" -eq 0 ] || SUDO=(sudo)
  "${SUDO[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cache=${XDG_CACHE_HOME:-$HOME/.cache}/jaxo-bench
mkdir -p "$cache"
helper=$cache/startcpu
if [ ! -x "$helper" ] || [ tools/bench/startcpu.c -nt "$helper" ]; then
  gcc -O2 -Wall -o "$helper" tools/bench/startcpu.c -lX11
fi

work=$(mktemp -d /tmp/jaxo-bench.XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  sleep 0.3
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
unset PULSE_SINK DBUS_SESSION_BUS_ADDRESS

# A private X server.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(head -1 "$work/display")

# A private sound server whose default sink is a null sink; it suspends an idle sink
# after a second, as a desktop's server does.
mkdir -p "$work/pulse"
cat >"$work/pulse/server.pa" <<EOF
load-module module-native-protocol-unix auth-anonymous=1 socket=$work/pulse/native
load-module module-null-sink sink_name=bench
set-default-sink bench
load-module module-suspend-on-idle timeout=1
EOF
HOME="$work/pulse" XDG_RUNTIME_DIR="$work/pulse" XDG_CONFIG_HOME="$work/pulse" \
  PULSE_RUNTIME_PATH="$work/pulse/run" PULSE_STATE_PATH="$work/pulse/state" \
  pulseaudio -n -F "$work/pulse/server.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  --disable-shm=yes --log-target=file:"$work/pulse/log" </dev/null >/dev/null 2>&1 &
server=$!
pids+=($server)
for _ in $(seq 100); do [ -S "$work/pulse/native" ] && break; sleep 0.05; done
[ -S "$work/pulse/native" ] || { echo "PulseAudio did not start"; exit 1; }
export PULSE_SERVER="unix:$work/pulse/native"

# TIPP10 builds its lesson database at its first start (a minute or more): once, cached.
tipp_home=$cache/tipp10-home
if [ ! -f "$tipp_home/.local/share/TIPP10/TIPP10/tipp10v2.db" ]; then
  echo "first start of TIPP10: building its lesson database (a minute or more) ..."
  rm -rf "$tipp_home.new"
  mkdir -p "$tipp_home.new/.config/TIPP10"
  printf '[main]\ncheck_illustration=false\n' >"$tipp_home.new/.config/TIPP10/TIPP10.conf"
  HOME="$tipp_home.new" XDG_CONFIG_HOME="$tipp_home.new/.config" XDG_DATA_HOME="$tipp_home.new/.local/share" \
    XDG_RUNTIME_DIR="$work" "$helper" -t TIPP10 -r 1 -i 0 -- tipp10 >/dev/null
  rm -rf "$tipp_home"
  mv "$tipp_home.new" "$tipp_home"
fi

# Two copies of the program folder: every music switch off, and the default settings.
# Launchers off in both: they would only write into the private home.
for mode in quiet music; do
  cp -r "$app" "$work/jaxo-$mode"
  mkdir -p "$work/home-$mode"
done
printf '10\r\n5\r\n10\r\nfalse\r\nfalse\r\nfalse\r\nfalse\r\nfalse\r\ntrue\r\nfalse\r\nfalse\r\n' \
  >"$work/jaxo-quiet/sysctr.jxo"
printf '10\r\n5\r\n10\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\nfalse\r\nfalse\r\n' \
  >"$work/jaxo-music/sysctr.jxo"

run_jaxo() {
  HOME="$work/home-$1" XDG_CONFIG_HOME="$work/home-$1/.config" XDG_DATA_HOME="$work/home-$1/.local/share" \
    XDG_RUNTIME_DIR="$work" JAXO_NO_WELCOME=1 "$helper" -t Jaxo4.00 -s "$server" -- "$work/jaxo-$1/jaxo"
}
run_tipp() {
  HOME="$tipp_home" XDG_CONFIG_HOME="$tipp_home/.config" XDG_DATA_HOME="$tipp_home/.local/share" \
    XDG_RUNTIME_DIR="$work" "$helper" -t TIPP10 -s "$server" -- tipp10
}

: >"$work/results"
for ((i = 1; i <= runs; i++)); do
  order=(quiet tipp music)
  ((i % 2 == 0)) && order=(tipp music quiet)
  for who in "${order[@]}"; do
    sleep 2  # the sink suspends again after the previous program
    if [ "$who" = tipp ]; then line=$(run_tipp); else line=$(run_jaxo "$who"); fi
    echo "run $i $who: $line"
    echo "$who $line" >>"$work/results"
  done
done

median() {  # median of field $2 over the lines of $1
  grep "^$1 " "$work/results" | tr ' ' '\n' | sed -n "s/^$2=//p" | sort -g |
    awk '{v[NR] = $1} END {if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
row() {  # caption, field, unit divisor, unit
  local q t m
  q=$(median quiet "$2")
  t=$(median tipp "$2")
  m=$(median music "$2")
  awk -v c="$1" -v q="$q" -v t="$t" -v m="$m" -v d="$3" -v u="$4" 'BEGIN {
    r = t > 0 ? sprintf("%.2fx", q / t) : "-"
    printf "| %s | %.1f %s | %.1f %s | %s | %.1f %s |\n", c, q / d, u, t / d, u, r, m / d, u }'
}

echo
echo "Medians of $runs runs ($(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)); Jaxo4.00 from $app"
echo
echo "| what | Jaxo4.00, music off | TIPP10 | ratio | Jaxo4.00, main music on |"
echo "|---|---|---|---|---|"
row "CPU until the main window is mapped" map_cpu_ms 1 ms
row "resident memory after 3 s" rss_kib 1024 MiB
row "private (anonymous) memory after 3 s" anon_kib 1024 MiB
row "CPU of the program, idle on the main screen, 10 s" idle_cpu_ms 1 ms
row "CPU of the sound server in those 10 s" server_cpu_ms 1 ms
row "wall time until the main window is mapped" map_wall_ms 1 ms

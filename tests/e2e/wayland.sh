#!/usr/bin/env bash
# The program on a Wayland compositor (Weston, headless): it must still be running a
# few seconds after the start, with its window on the screen.
# Usage: wayland.sh APPDIR
set -euo pipefail
. "$(dirname "$0")/session.sh"

for tool in weston weston-screenshooter convert; do
    command -v "$tool" >/dev/null 2>&1 || missing "$tool is not installed"
done
ls /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland*.so >/dev/null 2>&1 \
    || missing "qt6-wayland is not installed"

e2e_begin wayland
e2e_program_folder "$1"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_DATA_HOME="$WORK/home/.local/share"
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY

# --debug lets the screenshot client in; the pixman renderer gives it pixels.
weston --backend=headless-backend.so --use-pixman --socket=jaxo-wl --idle-time=0 --width=1024 --height=768 --debug \
    >"$WORK/weston.log" 2>&1 &
PIDS+=($!)
wait_for 100 '[ -S "$XDG_RUNTIME_DIR/jaxo-wl" ]' || fail "weston did not start"
export WAYLAND_DISPLAY=jaxo-wl

cd "$WORK"
QT_QPA_PLATFORM=wayland QT_IM_MODULE= "$WORK/app/jaxo" >"$WORK/jaxo.log" 2>&1 &
JAXO=$!
PIDS+=($JAXO)
sleep 5
kill -0 "$JAXO" 2>/dev/null || fail "the program ended under Wayland: $(tail -n 3 "$WORK/jaxo.log")"
if grep -q "Protocol error\|does not match the configured" "$WORK/jaxo.log"; then fail "a protocol error"; fi

timeout 20 weston-screenshooter >/dev/null 2>&1 || fail "no screenshot with the program"
mv "$(ls -t wayland-screenshot-*.png | head -n1)" with.png
kill -0 "$JAXO" 2>/dev/null || fail "the program ended after its window showed"
# The window is what goes away with the program: that many pixels change.
kill "$JAXO"
sleep 1
timeout 20 weston-screenshooter >/dev/null 2>&1 || fail "no screenshot without the program"
mv "$(ls -t wayland-screenshot-*.png | head -n1)" without.png
DIFFERENT=$(compare -metric AE with.png without.png null: 2>&1 || true)
DIFFERENT=${DIFFERENT%% *}
echo "pixels of the window: $DIFFERENT"
[ "${DIFFERENT%.*}" -gt 100000 ] || fail "the window was not on the screen"
echo "PASS"

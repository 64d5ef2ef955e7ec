#!/usr/bin/env bash
# The program under Xvfb with its accessibility bridge on, driven by real X key events
# only (no pointer): every screen is reached from the keyboard, and on each one every
# shown text field, button, page tab and check box has a name over AT-SPI.
# Usage: atspi.sh APPDIR
set -euo pipefail
. "$(dirname "$0")/session.sh"

LAUNCHER=/usr/libexec/at-spi-bus-launcher
# The system's Python: the Debian bindings are not in other installations.
PY=/usr/bin/python3
[ -x "$PY" ] || PY=python3
for tool in Xvfb dbus-daemon dbus-send xdotool; do
    command -v "$tool" >/dev/null 2>&1 || missing "$tool is not installed"
done
[ -x "$LAUNCHER" ] || missing "at-spi2-core is not installed"
"$PY" -c 'import pyatspi' 2>/dev/null || missing "python3-pyatspi is not installed"

e2e_begin atspi
e2e_program_folder "$1"
e2e_start_display_and_bus

e2e_start_atspi_bus "$LAUNCHER"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb QT_IM_MODULE=
"$WORK/app/jaxo" >"$WORK/jaxo.log" 2>&1 &
JAXO=$!
PIDS+=($JAXO)
wait_for 300 '[ -n "$(e2e_main_window)" ]' || fail "the main window did not appear"
WID=$(e2e_main_window)
sleep 1
xdotool windowfocus "$WID" 2>/dev/null || true

"$PY" "$(dirname "$0")/atspi_walk.py" || fail "see the walk above"
# The walk ended with 退出软件 pressed from the keyboard.
wait_for 50 '! kill -0 $JAXO' || fail "退出软件 did not end the program"
echo "PASS"

#!/usr/bin/env bash
# End to end: the English lines take plain letters even when Wubi was left on.
# The built program runs under Xvfb with fcitx5; Wubi ("wbx") is switched on in a
# Chinese lesson, that lesson is left with Escape, and an English lesson is typed with
# real X key events, one letter deliberately wrong. The program's test dump must show
# the letters in the line, one mark, and a line finished with the right counts.
#   english_fcitx5.sh APPDIR
# Exit 77 (skipped) when a needed tool is missing.
set -euo pipefail

APPDIR=${1:?usage: english_fcitx5.sh APPDIR}
for tool in Xvfb dbus-daemon dbus-send fcitx5 fcitx5-remote xdotool xxd; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"
        exit 77
    fi
done
if [ ! -f /usr/share/fcitx5/inputmethod/wbx.conf ]; then
    echo "SKIP: the fcitx5 Wubi table (fcitx5-table) is not installed"
    exit 77
fi

WORK=$(mktemp -d /tmp/jaxo-e2e-en.XXXXXX)
PIDS=()
cleanup() {
    local rc=$?
    for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do
        kill "${PIDS[$i]}" 2>/dev/null || true
    done
    sleep 0.3
    for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do
        kill -9 "${PIDS[$i]}" 2>/dev/null || true
    done
    if [ $rc -ne 0 ]; then
        for f in "$WORK"/*.log "$WORK/state.txt"; do
            [ -f "$f" ] && { echo "---- $(basename "$f")"; tail -n 30 "$f"; }
        done
    fi
    rm -rf "$WORK"
    exit $rc
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() { echo "FAIL: $*"; exit 1; }

# Waits until the condition holds, at most $1 tenths of a second. The condition is a
# string evaluated afresh each time, so "$(...)" in it is read again on every try.
wait_for() {
    local tenths=$1
    local condition=$2
    for ((n = 0; n < tenths; n++)); do
        if eval "$condition" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    return 1
}

hex() { printf '%s' "$1" | xxd -p | tr -d '\n'; }
unhex() { printf '%s' "$1" | xxd -r -p; }

# A private program folder: no music, no shortcuts, a short lesson of letters only
# (every key is then a letter that Wubi would have taken).
mkdir -p "$WORK/home/.config/fcitx5" "$WORK/app"
cp -r "$APPDIR"/. "$WORK/app/"
printf '10\r\n5\r\n10\r\nfalse\r\nfalse\r\nfalse\r\nfalse\r\nfalse\r\nfalse\r\nfalse\r\nfalse\r\n' > "$WORK/app/sysctr.jxo"
for ((i = 0; i < 1000; i++)); do printf 'jaxo'; done > "$WORK/app/ywcj.jxo"
cat > "$WORK/home/.config/fcitx5/profile" <<'PROFILE'
[Groups/0]
Name=Default
Default Layout=us
DefaultIM=wbx

[Groups/0/Items/0]
Name=keyboard-us
Layout=

[Groups/0/Items/1]
Name=wbx
Layout=

[GroupOrder]
0=Default
PROFILE

export HOME="$WORK/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY SESSION_MANAGER
# Window names are matched by regular expressions with Chinese in them.
export LC_ALL=C.UTF-8

exec 5>"$WORK/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
PIDS+=($!)
exec 5>&-
wait_for 100 '[ -s "$WORK/display" ]' || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$WORK/display")"

# A private session bus that starts no services: the bus of the desktop would start
# a second fcitx5 of its own.
cat > "$WORK/bus.conf" <<BUS
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$WORK</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
BUS
dbus-daemon --config-file="$WORK/bus.conf" --nofork --print-address=6 6>"$WORK/bus.address" >"$WORK/dbus.log" 2>&1 &
PIDS+=($!)
wait_for 100 '[ -s "$WORK/bus.address" ]' || fail "the session bus did not start"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$WORK/bus.address")
export DBUS_SESSION_BUS_ADDRESS

fcitx5 --disable=notificationitem,dbusfrontend_cloudpinyin >"$WORK/fcitx5.log" 2>&1 &
PIDS+=($!)
name_owned() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.fcitx.Fcitx5 | grep -q 'boolean true'
}
wait_for 200 name_owned || fail "fcitx5 did not take its bus name"
sleep 1.5  # the table loads after the name is taken

export QT_IM_MODULE=fcitx XMODIFIERS=@im=fcitx QT_QPA_PLATFORM=xcb
export JAXO_TEST_STATE="$WORK/state.txt"
"$WORK/app/jaxo" >"$WORK/jaxo.log" 2>&1 &
PIDS+=($!)
find_window() { xdotool search --onlyvisible --name '^Jaxo4\.00' | head -n1; }
wait_for 300 '[ -n "$(find_window)" ]' || fail "the main window did not appear"
WID=$(find_window)
sleep 0.5

state() { grep -m1 "^$1=" "$WORK/state.txt" 2>/dev/null | cut -d= -f2-; }

# 1. Wubi on in a Chinese lesson ("高频字" on the first tab), then Escape and the report closed.
xdotool mousemove --window "$WID" 107 62 click 1
sleep 1
xdotool windowfocus "$WID" 2>/dev/null || true
wubi_on() {
    fcitx5-remote -o
    [ "$(fcitx5-remote -n)" = wbx ]
}
wait_for 100 wubi_on || fail "fcitx5 did not switch to wbx (it answers: $(fcitx5-remote -n 2>&1))"
xdotool key Escape
report() { xdotool search --onlyvisible --name '^成绩报告单' | head -n1; }
wait_for 100 '[ -n "$(report)" ]' || fail "the Chinese lesson did not end in a report"
sleep 0.5
xdotool key Escape
wait_for 50 '[ -z "$(report)" ]' || fail "the report did not close"
sleep 0.5

# 2. "英文初级" on the "英文练习" tab.
xdotool mousemove --window "$WID" 132 18 click 1
sleep 0.3
xdotool mousemove --window "$WID" 38 62 click 1
wait_for 100 '[ "$(state visible)" = 1 ]' || fail "the English lesson did not open"
xdotool windowfocus "$WID" 2>/dev/null || true
sleep 0.3

LINE=$(unhex "$(state text1)")
[ ${#LINE} -ge 3 ] || fail "the first reference line is too short: '$LINE'"
# Line 1 typed whole, with one slip.
WRONG_AT=1
TYPED="${LINE:0:WRONG_AT}q${LINE:WRONG_AT+1}"
echo "line 1: '$LINE', typed '$TYPED'"
xdotool type --delay 80 "${TYPED:0:3}"
wait_for 50 '[ "$(state input1)" = "$(hex "${TYPED:0:3}")" ]' ||
    fail "line 1 holds '$(unhex "$(state input1)")', expected '${TYPED:0:3}' (the input method took the letters?)"
expected_marks=""
for ((i = 0; i < 3; i++)); do
    if [ "$i" -eq "$WRONG_AT" ]; then expected_marks+=$(hex "${LINE:i:1}"); else expected_marks+=20; fi
done
[ "$(state marks1)" = "$expected_marks" ] || fail "marks $(state marks1), expected $expected_marks"
xdotool type --delay 40 "${TYPED:3}"
wait_for 50 '[ "$(state writable)" = 2 ]' || fail "line 1 did not finish (line $(state writable) takes input)"
[ "$(state right)" = $((${#LINE} - 1)) ] || fail "right $(state right), expected $((${#LINE} - 1))"
[ "$(state wrong)" = 1 ] || fail "wrong $(state wrong), expected 1"
echo "1 passed, 0 failed"

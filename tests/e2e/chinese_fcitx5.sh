#!/usr/bin/env bash
# End to end: the built program under Xvfb with fcitx5 and its Wubi table ("wbx").
# Real X key events type the Wubi codes of the first reference line of a Chinese
# lesson, one character deliberately wrong; the program's test dump must then show
# the right marks and counts.
#   chinese_fcitx5.sh APPDIR
# Exit 77 (skipped) when a needed tool is missing. For looking into a failure:
# KEEP_WORK=1 keeps the work folder, E2E_PAUSE=SECONDS waits before cleaning up.
set -euo pipefail

APPDIR=${1:?usage: chinese_fcitx5.sh APPDIR}
for tool in Xvfb dbus-daemon dbus-send fcitx5 fcitx5-remote xdotool iconv od; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"
        exit 77
    fi
done
if [ ! -f /usr/share/fcitx5/inputmethod/wbx.conf ]; then
    echo "SKIP: the fcitx5 Wubi table (fcitx5-table) is not installed"
    exit 77
fi

WORK=$(mktemp -d /tmp/jaxo-e2e.XXXXXX)
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
    [ -n "${KEEP_WORK:-}" ] || rm -rf "$WORK"
    exit $rc
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
    echo "FAIL: $*"
    [ -z "${E2E_PAUSE:-}" ] || sleep "$E2E_PAUSE"
    exit 1
}

# Waits until the condition (a shell text, evaluated each time) holds, at most $1
# tenths of a second.
wait_for() {
    local tenths=$1 condition=$2
    for ((n = 0; n < tenths; n++)); do
        if eval "$condition" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    return 1
}

# The Wubi 86 full codes of the characters of the test lesson: four letters each, so
# the table commits each character by itself on its fourth key.
# The table may still offer longer words under a code; Space then takes the first
# candidate, the character itself.
declare -A CODE=(
    [我]=trnt [的]=rqyy [国]=lgyi [是]=jghu [界]=lwjj [上]=hhgg [人]=wwww [口]=kkkk
    [最]=jbcu [文]=yygy [练]=xanw [平]=guhk [作]=wthf [学]=ipbf [年]=rhfk [大]=dddd
    [小]=ihty [日]=jjjj [月]=eeee [水]=iiii [火]=oooo [山]=mmmm [石]=dgtg [田]=llll
    [土]=ffff [工]=aaaa
)
LESSON="我的国是界上人口最文练平作学年大小日月水火山石田土工我的国是界上人口最文练平作学年大"

# A private program folder whose high-frequency lesson holds only those characters.
mkdir -p "$WORK/home/.config/fcitx5" "$WORK/app"
cp -r "$APPDIR"/. "$WORK/app/"
printf '%s' "$LESSON" | iconv -f UTF-8 -t GB18030 > "$WORK/app/gpz.jxo"
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

# X server on a free display.
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

fcitx5 --disable=notificationitem,cloudpinyin >"$WORK/fcitx5.log" 2>&1 &
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
find_window() { xdotool search --onlyvisible --name '^Jaxo4\.00中文' | head -n1; }
wait_for 300 '[ -n "$(find_window)" ]' || fail "the main window did not appear"
WID=$(find_window)
sleep 0.5

state() { grep -m1 "^$1=" "$WORK/state.txt" 2>/dev/null | cut -d= -f2-; }

# "高频字" on the "中文练习" tab of the tool bar.
xdotool mousemove --window "$WID" 107 62 click 1
wait_for 100 '[ "$(state visible)" = 1 ]' || fail "the lesson did not open"
xdotool windowfocus "$WID" 2>/dev/null || true

# Wubi on for the window's focused line.
wubi_on() {
    fcitx5-remote -o
    [ "$(fcitx5-remote -n)" = wbx ]
}
wait_for 100 wubi_on || fail "fcitx5 did not switch to wbx (it answers: $(fcitx5-remote -n 2>&1))"

LINE=$(state text1)
[ -n "$LINE" ] || fail "the first reference line is empty"
mapfile -t CHARS < <(printf '%s' "$LINE" | grep -o .)
COUNT=${#CHARS[@]}
WRONG_AT=2
[ "$COUNT" -gt "$WRONG_AT" ] || fail "the first reference line is too short: $LINE"
if [ "${CHARS[$WRONG_AT]}" = 土 ]; then WRONG_CHAR=山; else WRONG_CHAR=土; fi
echo "line 1: $LINE ($COUNT characters), character $((WRONG_AT + 1)) typed as $WRONG_CHAR"

typed=""
for ((i = 0; i < COUNT; i++)); do
    ch=${CHARS[$i]}
    [ "$i" -eq "$WRONG_AT" ] && ch=$WRONG_CHAR
    code=${CODE[$ch]:-}
    [ -n "$code" ] || fail "no code for $ch"
    typed+=$ch
    xdotool type --delay 60 "$code"
    [ "$i" -lt $((COUNT - 1)) ] || break
    # A code with several candidates waits for Space to take the first one.
    if ! wait_for 10 '[ "$(state input1)" = "$typed" ]'; then
        xdotool key space
        wait_for 50 '[ "$(state input1)" = "$typed" ]' ||
            fail "after ${code}: line 1 holds '$(state input1)', expected '$typed'"
    fi
done
# The last character finishes the line, so the line's text cannot tell whether it came.
wait_for 10 '[ "$(state writable)" = 2 ]' || xdotool key space
wait_for 50 '[ "$(state writable)" = 2 ]' || fail "line 1 did not finish (writable line $(state writable))"

# Marks: two spaces for each right character, the reference character for the wrong one.
expected_marks=""
for ((i = 0; i < COUNT; i++)); do
    if [ "$i" -eq "$WRONG_AT" ]; then
        expected_marks+=$(printf '%s' "${CHARS[$i]}" | iconv -f UTF-8 -t GB18030 | od -An -tx1 | tr -d ' \n')
    else
        expected_marks+=2020
    fi
done
[ "$(state marks1)" = "$expected_marks" ] || fail "marks $(state marks1), expected $expected_marks"
[ "$(state input1)" = "$typed" ] || fail "line 1 holds '$(state input1)', expected '$typed'"
[ "$(state right)" = $((COUNT - 1)) ] || fail "right $(state right), expected $((COUNT - 1))"
[ "$(state wrong)" = 1 ] || fail "wrong $(state wrong), expected 1"
echo "1 passed, 0 failed"

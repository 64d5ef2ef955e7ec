#!/usr/bin/env bash
# The program with a real screen reader: Orca under Xvfb on a private accessibility
# bus, speaking through speech-dispatcher, whose output module writes every text it is
# given to a file instead of a sound card. Driven by real X keys, what Orca speaks must
# carry a wrong English key (错, what was expected and typed), the end of a line, the
# report's figures once each, and a vocabulary word with its meaning.
# Usage: orca.sh APPDIR
set -euo pipefail
. "$(dirname "$0")/session.sh"

LAUNCHER=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb dbus-daemon dbus-send xdotool orca speech-dispatcher; do
    command -v "$tool" >/dev/null 2>&1 || missing "$tool is not installed"
done
[ -x "$LAUNCHER" ] || missing "at-spi2-core is not installed"
[ -x /usr/lib/speech-dispatcher-modules/sd_generic ] || missing "speech-dispatcher's generic module is missing"

e2e_begin orca
e2e_program_folder "$1"
e2e_start_display_and_bus

e2e_start_atspi_bus "$LAUNCHER"

# speech-dispatcher with one output module: the generic one, whose "synthesis" appends
# the text to spoken.txt. Audio goes to libao's null driver (no sound card needed).
SPOKEN="$WORK/spoken.txt"
: >"$SPOKEN"
mkdir -p "$WORK/speechd/modules"
cat >"$WORK/speechd/speechd.conf" <<CONF
LogLevel 3
LogDir "$WORK"
DefaultModule tofile
AddModule "tofile" "sd_generic" "tofile.conf"
DefaultLanguage "zh"
AudioOutputMethod "libao"
CONF
cat >"$WORK/speechd/modules/tofile.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $SPOKEN"
GenericCmdDependency "printf"
AddVoice "zh" "MALE1" "zh"
AddVoice "en" "MALE1" "en"
GenericLanguage "zh" "zh" "utf-8"
GenericLanguage "en" "en" "utf-8"
CONF
echo "default_driver=null" >"$HOME/.libao"
speech-dispatcher -s -t 0 -C "$WORK/speechd" -m /usr/lib/speech-dispatcher-modules >"$WORK/speechd.log" 2>&1 &
PIDS+=($!)
wait_for 100 '[ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ]' || fail "speech-dispatcher did not start"

mkdir -p "$WORK/orca-prefs"
# Orca's debug log slows it down enough to drop events: only on request.
ORCA_DEBUG=()
[ -z "${E2E_ORCA_DEBUG:-}" ] || ORCA_DEBUG=(--debug-file "$WORK/orca-debug.txt")
orca --replace -u "$WORK/orca-prefs" "${ORCA_DEBUG[@]}" >"$WORK/orca.log" 2>&1 &
PIDS+=($!)
wait_for 300 'grep -q . "$SPOKEN"' || fail "Orca said nothing on starting"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb QT_IM_MODULE= JAXO_TEST_STATE="$WORK/state.txt"
"$WORK/app/jaxo" >"$WORK/jaxo.log" 2>&1 &
PIDS+=($!)
wait_for 300 '[ -n "$(e2e_main_window)" ]' || fail "the main window did not appear"
xdotool windowfocus "$(e2e_main_window)" 2>/dev/null || true
wait_for 100 'grep -q "Jaxo4.00" "$SPOKEN"' || fail "Orca did not read the window"

# Speech is written a moment after the key: each step waits for what it must hear,
# then the file starts afresh. heard: everything since, on one line.
heard() { tr '\n' ' ' <"$SPOKEN"; }
expect() {
    local what=$1 pattern=$2
    wait_for 100 'heard | grep -qE "$pattern"' || fail "Orca did not say $what; it said: $(heard)"
    echo "heard $what: $(heard | grep -oE "$pattern" | head -n1)"
}
step() { sleep 1; : >"$SPOKEN"; }

# 英文初级, its first key wrong.
xdotool key alt+y Tab Return
wait_for 100 '[ "$(state visible)" = 1 ]' || fail "英文初级 did not start"
REFERENCE=$(state text1 | xxd -r -p)
FIRST=${REFERENCE:0:1}
WRONG=q
[ "$FIRST" != q ] || WRONG=z
step
xdotool type "$WRONG"
expect "the wrong key" "错[:：]应为.{0,3}打成 ?$WRONG"

# The rest of the line, right: its end. At a brisk learner's pace (300 a minute): far
# faster, Orca falls seconds behind and drops what it has queued.
step
xdotool key BackSpace
xdotool type --delay 200 "$REFERENCE"
expect "the end of the line" "本行完"

# The report: every figure once.
step
xdotool key Escape
expect "the report" "成绩报告单"
sleep 2
for figure in 输入 正确 错误 用时 正确率; do
    n=$(heard | grep -oE "$figure[:：]" | wc -l)
    [ "$n" -eq 1 ] || fail "the report's $figure was said $n times: $(heard)"
done
echo "heard the report's figures once each"
xdotool key Return
sleep 1

# A vocabulary drill (小学英语): the word and its meaning, then a wrong answer.
step
xdotool key alt+b Tab Return
expect "the word and its meaning" "[A-Za-z]+ ?[:：] ?[a-z.]* *[^ -~]+"
step
xdotool key Return
expect "the verdict before the next word" "错[。.] ?[A-Za-z]+ ?[:：]"
echo "PASS"

#!/usr/bin/env bash
# End to end: the English lines take plain letters even when Wubi was left on.
# The built program runs under Xvfb with fcitx5; Wubi ("wbx") is switched on in a
# Chinese lesson, that lesson is left with Escape, and an English lesson is typed with
# real X key events, one letter deliberately wrong. The program's test dump must show
# the letters in the line, one mark, and a line finished with the right counts.
#   english_fcitx5.sh APPDIR
# Skipped (failed under CI) when a needed tool is missing.
set -euo pipefail

APPDIR=${1:?usage: english_fcitx5.sh APPDIR}
. "$(dirname "$0")/../e2e/session.sh"
e2e_require xxd
e2e_begin e2e-en

hex() { printf '%s' "$1" | xxd -p | tr -d '\n'; }
unhex() { printf '%s' "$1" | xxd -r -p; }

# A private program folder: no music, no shortcuts, a short lesson of letters only
# (every key is then a letter that Wubi would have taken).
e2e_program_folder "$APPDIR"
printf '10\r\n5\r\n10\r\nfalse\r\nfalse\r\nfalse\r\nfalse\r\nfalse\r\nfalse\r\nfalse\r\nfalse\r\n' > "$WORK/app/sysctr.jxo"
for ((i = 0; i < 1000; i++)); do printf 'jaxo'; done > "$WORK/app/ywcj.jxo"
e2e_start_session
e2e_start_program

# 1. Wubi on in a Chinese lesson ("高频字" on the first tab), then Escape and the report closed.
xdotool mousemove --window "$WID" 107 62 click 1
sleep 1
xdotool windowfocus "$WID" 2>/dev/null || true
wait_for 100 wubi_on || fail "fcitx5 did not switch to wbx (it answers: $(fcitx5-remote -n 2>&1))"
xdotool key Escape
report() { xdotool search --onlyvisible --name '^成绩报告单' | head -n1; }
wait_for 100 '[ -n "$(report)" ]' || fail "the Chinese lesson did not end in a report"
sleep 1.2  # the report takes keys once the keyboard has been quiet for a second
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

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
. "$(dirname "$0")/session.sh"
e2e_require iconv od
e2e_begin e2e-zh

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
e2e_program_folder "$APPDIR"
printf '%s' "$LESSON" | iconv -f UTF-8 -t GB18030 > "$WORK/app/gpz.jxo"
e2e_start_session
e2e_start_program

# "高频字" on the "中文练习" tab of the tool bar.
xdotool mousemove --window "$WID" 107 62 click 1
wait_for 100 '[ "$(state visible)" = 1 ]' || fail "the lesson did not open"
xdotool windowfocus "$WID" 2>/dev/null || true

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

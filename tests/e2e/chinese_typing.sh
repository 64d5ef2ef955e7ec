# Shared by the Chinese end-to-end scripts: the typing itself, through whatever input
# method the script has started. Source it after session.sh; the script defines CODE
# and SPACE (see e2e_keys_for) for the characters of LESSON and a function im_on that
# switches the input method on for the focused window and succeeds when it is on.
#
# The lesson is one line (LESSON, 33 characters), so the first line of the first page
# starts at a random place and every later line is the whole lesson:
#   1. line 1 typed slowly, one character at a time, one character wrong;
#   2. lines 2 to 5 typed slowly (a key every 50 ms, never two down at once), one
#      character of each wrong;
#   3. the whole next page the same way, plus three characters of the page after it,
#      at about a key every 10 ms (FAST_STEP seconds of pause plus xdotool's own time;
#      the figure is printed) with overlapping keys, in one burst.
# The fast page must come out exactly as the slow lines did, and the page after it
# must start with just the three characters.

LESSON_WRONG_AT=5  # the wrong character of every whole line

# Another of the lesson's characters instead of $1.
e2e_other_than() { if [ "$1" = 土 ]; then printf 山; else printf 土; fi; }

# $1 with the character at $2 typed wrong.
e2e_with_wrong() { printf '%s' "${1:0:$2}$(e2e_other_than "${1:$2:1}")${1:$2+1}"; }

# Steps shared with the other schemes' runs (schemes.sh): the lesson opened, the input
# method on, and line 1 typed slowly with its third character wrong; the marks and
# counts checked. Leaves line 1's right and wrong counts in RIGHT and WRONG.
e2e_type_first_line() {
    local im_name=$1 line count wrong_at typed i ch expected_marks right wrong
    # "高频字" on the "中文练习" tab of the tool bar.
    xdotool mousemove --window "$WID" 107 62 click 1
    wait_for 100 '[ "$(state visible)" = 1 ]' || fail "the lesson did not open"
    xdotool windowfocus "$WID" 2>/dev/null || true
    wait_for 100 im_on || fail "$im_name did not switch on Wubi"

    # 1. Line 1, slowly, checking each character as it comes.
    line=$(state text1)
    [ -n "$line" ] || fail "the first reference line is empty"
    count=${#line}
    wrong_at=-1
    [ "$count" -le 2 ] || wrong_at=2
    echo "line 1: $line ($count characters), character $((wrong_at + 1)) typed wrong"
    typed=""
    for ((i = 0; i < count; i++)); do
        ch=${line:i:1}
        [ "$i" -ne "$wrong_at" ] || ch=$(e2e_other_than "$ch")
        typed+=$ch
        e2e_keys_for "$ch"
        e2e_type_keys 0.06 apart
        if [ "$i" -lt $((count - 1)) ]; then
            wait_for 50 '[ "$(state input1)" = "$typed" ]' ||
                fail "after the keys ${KEYS[*]}: line 1 holds '$(state input1)', expected '$typed'"
        fi
    done
    wait_for 50 '[ "$(state writable)" = 2 ]' || fail "line 1 did not finish (writable line $(state writable))"
    expected_marks=$(e2e_expected_marks "$line" "$typed")
    [ "$(state marks1)" = "$expected_marks" ] || fail "marks $(state marks1), expected $expected_marks"
    [ "$(state input1)" = "$typed" ] || fail "line 1 holds '$(state input1)', expected '$typed'"
    right=$((count - (wrong_at >= 0 ? 1 : 0)))
    wrong=$((wrong_at >= 0 ? 1 : 0))
    [ "$(state right)" = "$right" ] || fail "right $(state right), expected $right"
    [ "$(state wrong)" = "$wrong" ] || fail "wrong $(state wrong), expected $wrong"
    RIGHT=$right
    WRONG=$wrong
}

e2e_chinese_typing() {
    local im_name=$1 right wrong i
    e2e_type_first_line "$im_name"
    right=$RIGHT
    wrong=$WRONG

    # 2. Lines 2 to 5, slowly.
    local whole
    whole=$(e2e_with_wrong "$LESSON" "$LESSON_WRONG_AT")
    for i in 2 3 4 5; do
        [ "$(state text$i)" = "$LESSON" ] || fail "line $i reads '$(state text$i)', expected the lesson '$LESSON'"
    done
    e2e_keys_for "$whole$whole$whole$whole"
    e2e_type_keys 0.05 apart
    wait_for 300 '[ "$(state writable)" = 1 ] && [ "$(state text1)" = "$LESSON" ]' ||
        fail "the slow lines 2 to 5 did not turn the page (writable line $(state writable), right $(state right), wrong $(state wrong))"
    local slow_right=$(($(state right) - right)) slow_wrong=$(($(state wrong) - wrong))
    echo "lines 2 to 5 typed slowly: $slow_right right, $slow_wrong wrong"
    [ "$slow_right" = $((4 * (${#LESSON} - 1))) ] && [ "$slow_wrong" = 4 ] ||
        fail "the slow lines 2 to 5 gave $slow_right right and $slow_wrong wrong, expected $((4 * (${#LESSON} - 1))) and 4"
    right=$(state right)
    wrong=$(state wrong)

    # 3. The next page and the start of the one after it, fast with overlapping keys.
    local start=${LESSON:0:3} t0 t1
    e2e_keys_for "$whole$whole$whole$whole$whole$start"
    t0=$(date +%s.%N)
    e2e_type_keys "${FAST_STEP:-0.006}" overlap
    t1=$(date +%s.%N)
    awk -v n="${#KEYS[@]}" -v a="$t0" -v b="$t1" \
        'BEGIN { printf "fast page: %d keys in %.2f s, %.1f ms a key\n", n, b - a, 1000 * (b - a) / n }'
    # IBus's table engine may take many seconds to work through a queue of keys.
    wait_for 900 '[ "$(state input1)" = "$start" ]' ||
        fail "after the fast page the next page's line 1 holds '$(state input1)', expected '$start' (writable line $(state writable), right $(state right), wrong $(state wrong))"
    awk -v a="$t1" -v b="$(date +%s.%N)" 'BEGIN { printf "the program had the page %.2f s after the last key\n", b - a }'
    [ "$(state writable)" = 1 ] || fail "writable line $(state writable) after the fast page, expected 1"
    [ "$(state marks1)" = "$(e2e_expected_marks "$LESSON" "$start")" ] || fail "marks $(state marks1) on the new page"
    local fast_right=$(($(state right) - right)) fast_wrong=$(($(state wrong) - wrong))
    echo "the page typed fast: $fast_right right, $fast_wrong wrong"
    # Five lines exactly as each slow line came out.
    [ "$fast_right" = $((5 * slow_right / 4)) ] && [ "$fast_wrong" = $((5 * slow_wrong / 4)) ] ||
        fail "the fast page gave $fast_right right and $fast_wrong wrong, expected $((5 * slow_right / 4)) and $((5 * slow_wrong / 4)) as typed slowly"
}

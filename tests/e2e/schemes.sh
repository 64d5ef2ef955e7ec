#!/usr/bin/env bash
# End to end through the input methods of the other schemes: full pinyin (fcitx5
# pinyin), double pinyin Xiaohe (fcitx5 shuangpin), Cangjie 5 (IBus, ibus-table) and
# Zhuyin (fcitx5-chewing). Each case starts the built program afresh under Xvfb with its
# input method, opens a Chinese lesson and types line 1 slowly, one character wrong
# (chinese_typing.sh); the test dump must show the right marks and counts.
#   schemes.sh APPDIR [CASE...]      (cases: pinyin xiaohe cangjie zhuyin; all by default)
# A case whose input method is missing is skipped (failed under CI); the script passes
# when no case failed and at least one ran.
# KEEP_WORK=1 keeps the work folders, E2E_PAUSE=SECONDS waits before cleaning up.
set -euo pipefail

APPDIR=${1:?usage: schemes.sh APPDIR [CASE...]}
shift
HERE=$(dirname "$0")
. "$HERE/session.sh"
. "$HERE/chinese_typing.sh"

# Characters every one of these input methods gives as its first choice for its code,
# in a fresh profile and after any of the others: a line of 33, as the Wubi runs type.
LESSON="的我人大中山日不有在水口天的我人大中山日不有在水口天的我人大中山日"
# The wrong character typed on line 1.
e2e_other_than() { if [ "$1" = 山 ]; then printf 水; else printf 山; fi; }
# A fixed random sequence, so that line 1 starts at the same place every time and is
# long enough to hold the wrong character.
export JAXO_RANDOM_SEED=20261207

# The cases: name, input method, and each character's keys (xdotool key names, after
# the code the key that takes the first candidate).
CASES=(pinyin xiaohe cangjie zhuyin)
declare -A IM=([pinyin]=pinyin [xiaohe]=shuangpin [cangjie]=table:cangjie5 [zhuyin]=chewing)
declare -A KEYS_pinyin=(
    [的]="d e space" [我]="w o space" [人]="r e n space" [大]="d a space" [中]="z h o n g space"
    [山]="s h a n space" [日]="r i space" [不]="b u space" [有]="y o u space" [在]="z a i space"
    [水]="s h u i space" [口]="k o u space" [天]="t i a n space")
# Xiaohe: zh on V, sh on U; finals: en F, ong S, an J, ou Z, ai D, ui V, ian M.
declare -A KEYS_xiaohe=(
    [的]="d e space" [我]="w o space" [人]="r f space" [大]="d a space" [中]="v s space"
    [山]="u j space" [日]="r i space" [不]="b u space" [有]="y z space" [在]="z d space"
    [水]="u v space" [口]="k z space" [天]="t m space")
# Cangjie 5 codes; ibus-table commits nothing by itself, Space takes the first candidate.
declare -A KEYS_cangjie=(
    [的]="h a p i space" [我]="h q i space" [人]="o space" [大]="k space" [中]="l space"
    [山]="u space" [日]="a space" [不]="m f space" [有]="k b space" [在]="k l g space"
    [水]="e space" [口]="r space" [天]="m k space")
# Zhuyin on the standard keyboard, the tone key last (Space for the first tone); chewing
# keeps the syllable in its buffer until Return commits it.
declare -A KEYS_zhuyin=(
    [的]="2 k 7 Return" [我]="j i 3 Return" [人]="b p 6 Return" [大]="2 8 4 Return"
    [中]="5 j slash space Return" [山]="g 0 space Return" [日]="b 4 Return" [不]="1 j 4 Return"
    [有]="u period 3 Return" [在]="y 9 4 Return" [水]="g j o 3 Return" [口]="d period 3 Return"
    [天]="w u 0 space Return")

# The key names that type the characters of $1 through the case's table, into KEYS.
e2e_keys_for() {
    local text=$1 i keys
    local -n table="KEYS_$CASE"
    KEYS=()
    for ((i = 0; i < ${#text}; i++)); do
        keys=${table[${text:i:1}]:-}
        [ -n "$keys" ] || fail "no keys for ${text:i:1}"
        read -r -a more <<<"$keys"
        KEYS+=("${more[@]}")
    done
}

# The input method of the case is on for the focused window.
im_on() {
    case $CASE in
    cangjie) ibus engine table:cangjie5 && [ "$(ibus engine)" = table:cangjie5 ] ;;
    *) fcitx5-remote -o && [ "$(fcitx5-remote -n)" = "${IM[$CASE]}" ] ;;
    esac
}

# What the case needs; `missing` skips it (fails it under CI).
require_case() {
    case $CASE in
    cangjie)
        e2e_require_tools ibus ibus-daemon iconv od awk
        [ -f /usr/share/ibus-table/tables/cangjie5.db ] || missing "ibus-table's Cangjie 5 (ibus-table-cangjie5) is not installed"
        [ -x /usr/libexec/ibus-memconf ] || missing "ibus-memconf (package ibus) is not installed"
        ls /usr/lib/*/qt6/plugins/platforminputcontexts/libibusplatforminputcontextplugin.so >/dev/null 2>&1 ||
            missing "Qt's IBus input-method module is not installed"
        ;;
    zhuyin)
        e2e_require_tools fcitx5 fcitx5-remote iconv od awk
        [ -f /usr/share/fcitx5/inputmethod/chewing.conf ] || missing "fcitx5-chewing is not installed"
        ;;
    *)
        e2e_require_tools fcitx5 fcitx5-remote iconv od awk
        [ -f /usr/share/fcitx5/inputmethod/${IM[$CASE]}.conf ] ||
            missing "fcitx5's ${IM[$CASE]} (fcitx5-chinese-addons) is not installed"
        ;;
    esac
}

# One case in a shell of its own, so that its processes and folder go with it.
run_case() {
    CASE=$1
    require_case
    e2e_begin "e2e-$CASE"
    e2e_program_folder "$APPDIR"
    printf '%s' "$LESSON" | iconv -f UTF-8 -t GB18030 > "$WORK/app/gpz.jxo"
    if [ "$CASE" = cangjie ]; then
        e2e_start_display_and_bus
        export GSETTINGS_BACKEND=memory
        ibus-daemon --panel=disable --emoji-extension=disable --config=/usr/libexec/ibus-memconf \
            --cache=refresh --verbose >"$WORK/ibus.log" 2>&1 &
        PIDS+=($!)
        wait_for 200 'ibus address >/dev/null && ibus list-engine >/dev/null' || fail "ibus-daemon did not start"
        wait_for 100 im_on || fail "ibus did not take the engine table:cangjie5"
        E2E_IM=ibus e2e_start_program
    else
        sed -i "s/wbx/${IM[$CASE]}/" "$WORK/home/.config/fcitx5/profile"
        mkdir -p "$WORK/home/.config/fcitx5/conf"
        [ "$CASE" != xiaohe ] || echo "ShuangpinProfile=Xiaohe" > "$WORK/home/.config/fcitx5/conf/pinyin.conf"
        e2e_start_session
        e2e_start_program
    fi
    e2e_type_first_line "$CASE"
    [ "$WRONG" = 1 ] || fail "line 1 was too short to hold the wrong character"
    echo "$CASE: line 1 typed through ${IM[$CASE]}: $RIGHT right, $WRONG wrong, as expected"
}

[ $# -gt 0 ] || set -- "${CASES[@]}"
passed=0 failed=0 skipped=0
for c in "$@"; do
    [ -n "${IM[$c]:-}" ] || { echo "no case $c (cases: ${CASES[*]})"; exit 2; }
    echo "== $c"
    rc=0
    (run_case "$c") || rc=$?
    case $rc in
    0) passed=$((passed + 1)) ;;
    77) skipped=$((skipped + 1)) ;;
    *) failed=$((failed + 1)) ;;
    esac
done
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" = 0 ] || exit 1
[ "$passed" -gt 0 ] || exit 77

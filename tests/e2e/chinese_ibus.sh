#!/usr/bin/env bash
# End to end through IBus: the built program under Xvfb, on its own session bus, with
# ibus-daemon and ibus-table's Wubi ("table:wubi-jidian86") and Qt's IBus module. The
# same typing as through fcitx5 (chinese_typing.sh): a line slowly, four lines slowly,
# a whole page fast with overlapping keys; the test dump must show the right marks and
# counts each time.
#   chinese_ibus.sh APPDIR
# Skipped (failed under CI) when IBus, its Wubi table or another needed tool is missing.
# KEEP_WORK=1 keeps the work folder, E2E_PAUSE=SECONDS waits before cleaning up.
set -euo pipefail

APPDIR=${1:?usage: chinese_ibus.sh APPDIR}
. "$(dirname "$0")/session.sh"
. "$(dirname "$0")/chinese_typing.sh"
e2e_require_tools ibus ibus-daemon iconv od awk
if [ ! -f /usr/share/ibus-table/tables/wubi-jidian86.db ]; then
    missing "ibus-table's Wubi table (ibus-table-wubi) is not installed"
fi
if [ ! -x /usr/libexec/ibus-memconf ]; then
    missing "ibus-memconf (package ibus) is not installed"
fi
if ! ls /usr/lib/*/qt6/plugins/platforminputcontexts/libibusplatforminputcontextplugin.so >/dev/null 2>&1; then
    missing "Qt's IBus input-method module is not installed"
fi
e2e_begin e2e-ibus

# The Wubi 86 full codes of the lesson's characters, four letters each.
declare -A CODE=(
    [我]=trnt [的]=rqyy [国]=lgyi [是]=jghu [界]=lwjj [上]=hhgg [人]=wwww [口]=kkkk
    [最]=jbcu [文]=yygy [练]=xanw [平]=guhk [作]=wthf [学]=ipbf [年]=rhfk [大]=dddd
    [小]=ihty [日]=jjjj [月]=eeee [水]=iiii [火]=oooo [山]=mmmm [石]=dgtg [田]=llll
    [土]=ffff [工]=aaaa
)
# The table commits nothing by itself: Space takes the first candidate of every code.
declare -A SPACE=()
for ch in "${!CODE[@]}"; do SPACE[$ch]=1; done
LESSON="我的国是界上人口最文练平作学年大小日月水火山石田土工我的国是界上人"

im_on() { ibus_wubi_on; }

e2e_program_folder "$APPDIR"
printf '%s' "$LESSON" | iconv -f UTF-8 -t GB18030 > "$WORK/app/gpz.jxo"
e2e_start_display_and_bus
e2e_start_ibus
E2E_IM=ibus e2e_start_program
e2e_chinese_typing IBus
echo "1 passed, 0 failed"

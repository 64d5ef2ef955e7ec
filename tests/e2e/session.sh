# Shared by the end-to-end scripts: a private X server, session bus and fcitx5 with its
# Wubi table ("wbx"), the built program on a private copy of its folder, and helpers to
# wait for and read the program's test dump. Source it, then call the e2e_* steps.
# KEEP_WORK=1 keeps the work folder; E2E_PAUSE=SECONDS waits before cleaning up.

. "$(dirname "${BASH_SOURCE[0]}")/../support/skip.sh"

# A tool the script needs is missing: skipped, or failed under CI (support/skip.sh).
e2e_require() {
    e2e_require_tools fcitx5 fcitx5-remote "$@"
    if [ ! -f /usr/share/fcitx5/inputmethod/wbx.conf ]; then
        missing "the fcitx5 Wubi table (fcitx5-table) is not installed"
    fi
}

# The same for any tools, beside the X server, the bus and xdotool.
e2e_require_tools() {
    local tool
    for tool in Xvfb dbus-daemon dbus-send xdotool "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            missing "$tool is not installed"
        fi
    done
}

# A work folder that is removed, with every process started here, on any exit.
e2e_begin() {
    WORK=$(mktemp -d "/tmp/jaxo-$1.XXXXXX")
    PIDS=()
    trap e2e_cleanup EXIT
    trap 'exit 1' INT TERM
    # Window names are matched by regular expressions with Chinese in them.
    export LC_ALL=C.UTF-8
    # The program's own texts as written (a test of another language sets its own).
    export LANGUAGE=${JAXO_E2E_LANGUAGE:-zh_CN}
    # The first-start welcome would stand in front of the main window.
    export JAXO_NO_WELCOME=1
}

# A private X server of the size given (WIDTHxHEIGHT), made the DISPLAY.
e2e_start_xvfb() {
    exec 5>"$WORK/display"
    Xvfb -displayfd 5 -screen 0 "$1x24" -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
    PIDS+=($!)
    exec 5>&-
    wait_for 100 '[ -s "$WORK/display" ]' || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$WORK/display")"
}

# The accessibility bus on the session bus, started by at-spi2-core's LAUNCHER.
e2e_start_atspi_bus() {
    "$1" --launch-immediately >"$WORK/atspi.log" 2>&1 &
    PIDS+=($!)
    wait_for 100 'dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress' \
        || fail "the accessibility bus did not start"
}

e2e_cleanup() {
    local rc=$? i f
    for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill "${PIDS[$i]}" 2>/dev/null || true; done
    sleep 0.3
    for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill -9 "${PIDS[$i]}" 2>/dev/null || true; done
    if [ $rc -ne 0 ]; then
        for f in "$WORK"/*.log "$WORK/state.txt"; do
            [ -f "$f" ] && { echo "---- $(basename "$f")"; tail -n 30 "$f"; }
        done
    fi
    [ -n "${KEEP_WORK:-}" ] || rm -rf "$WORK"
    exit $rc
}

fail() {
    echo "FAIL: $*"
    [ -z "${E2E_PAUSE:-}" ] || sleep "$E2E_PAUSE"
    exit 1
}

# Waits until the condition holds, at most $1 tenths of a second. The condition is a
# string evaluated afresh each time, so "$(...)" in it is read again on every try.
wait_for() {
    local tenths=$1 condition=$2 n
    for ((n = 0; n < tenths; n++)); do
        if eval "$condition" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    return 1
}

# A private copy of the program folder in $WORK/app and a home whose fcitx5 profile
# has the US keyboard and Wubi.
e2e_program_folder() {
    mkdir -p "$WORK/home/.config/fcitx5" "$WORK/app"
    cp -r "$1"/. "$WORK/app/"
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
}

# Xvfb on a free display, a session bus that starts no services (the desktop's bus
# would start a second fcitx5 of its own), and fcitx5 with its table loaded.
e2e_start_session() {
    e2e_start_display_and_bus
    fcitx5 --disable=notificationitem,cloudpinyin >"$WORK/fcitx5.log" 2>&1 &
    PIDS+=($!)
    wait_for 200 e2e_fcitx5_named || fail "fcitx5 did not take its bus name"
    sleep 1.5  # the table loads after the name is taken
}

# Xvfb and a private session bus, as above, and no input method yet.
e2e_start_display_and_bus() {
    export HOME="$WORK/home"
    export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
    export XDG_RUNTIME_DIR="$WORK/run"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    unset WAYLAND_DISPLAY SESSION_MANAGER

    e2e_start_xvfb 1024x768

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
  <!-- A desktop session bus's limits: with the built-in 128, fast typing leaves more key
       events waiting for the input method's answer than the bus lets through. -->
  <limit name="max_replies_per_connection">50000</limit>
  <limit name="max_match_rules_per_connection">50000</limit>
</busconfig>
BUS
    dbus-daemon --config-file="$WORK/bus.conf" --nofork --print-address=6 6>"$WORK/bus.address" >"$WORK/dbus.log" 2>&1 &
    PIDS+=($!)
    wait_for 100 '[ -s "$WORK/bus.address" ]' || fail "the session bus did not start"
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$WORK/bus.address")
    export DBUS_SESSION_BUS_ADDRESS
}

e2e_fcitx5_named() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.fcitx.Fcitx5 | grep -q 'boolean true'
}

# The program, writing its test dump; WID is its main window.
e2e_start_program() {
    # E2E_IM: the Qt input-method module and X input method, fcitx unless set.
    export QT_IM_MODULE=${E2E_IM:-fcitx} XMODIFIERS=@im=${E2E_IM:-fcitx} QT_QPA_PLATFORM=xcb
    export JAXO_TEST_STATE="$WORK/state.txt"
    "$WORK/app/jaxo" >"$WORK/jaxo.log" 2>&1 &
    PIDS+=($!)
    wait_for 300 '[ -n "$(e2e_main_window)" ]' || fail "the main window did not appear"
    WID=$(e2e_main_window)
    sleep 0.5
}

e2e_main_window() { xdotool search --onlyvisible --name '^Jaxo4\.00中文' | head -n1; }

# A field of the program's test dump.
state() { grep -m1 "^$1=" "$WORK/state.txt" 2>/dev/null | cut -d= -f2-; }

# Wubi on for the focused line.
wubi_on() {
    fcitx5-remote -o
    [ "$(fcitx5-remote -n)" = wbx ]
}

# The key names that type the characters of $1 with the table CODE (character -> code
# letters) and SPACE (characters whose code still offers other candidates, so Space
# takes the first one), into the array KEYS.
e2e_keys_for() {
    local text=$1 i ch code j
    KEYS=()
    for ((i = 0; i < ${#text}; i++)); do
        ch=${text:i:1}
        code=${CODE[$ch]:-}
        [ -n "$code" ] || fail "no code for $ch"
        for ((j = 0; j < ${#code}; j++)); do KEYS+=("${code:j:1}"); done
        [ -z "${SPACE[$ch]:-}" ] || KEYS+=(space)
    done
}

# Real key events for KEYS, one key going down every $1 seconds, in one xdotool run.
# "overlap": each key comes up only after the next one went down, as fast typists do
# (a key repeated in a row comes up first); "apart": each key is down for half the step.
e2e_type_keys() {
    local step=$1 mode=$2 half prev="" k args=()
    half=$(awk -v s="$step" 'BEGIN { printf "%.4f", s / 2 }')
    for k in "${KEYS[@]}"; do
        if [ "$mode" = apart ]; then
            args+=(keydown --delay 0 "$k" sleep "$half" keyup --delay 0 "$k" sleep "$half")
        elif [ -z "$prev" ]; then
            args+=(keydown --delay 0 "$k")
        elif [ "$k" = "$prev" ]; then
            args+=(sleep "$step" keyup --delay 0 "$prev" keydown --delay 0 "$k")
        else
            args+=(sleep "$step" keydown --delay 0 "$k" keyup --delay 0 "$prev")
        fi
        prev=$k
    done
    [ "$mode" = apart ] || args+=(sleep "$step" keyup --delay 0 "$prev")
    xdotool "${args[@]}"
}

# The marks a line shows for the typed text against the reference: two blanks for each
# right character, the reference character's GB18030 bytes for a wrong one, in hex.
e2e_expected_marks() {
    local reference=$1 typed=$2 i out=""
    for ((i = 0; i < ${#typed}; i++)); do
        if [ "${typed:i:1}" = "${reference:i:1}" ]; then
            out+=2020
        else
            out+=$(printf '%s' "${reference:i:1}" | iconv -f UTF-8 -t GB18030 | od -An -tx1 | tr -d ' \n')
        fi
    done
    printf '%s' "$out"
}

# IBus on the session bus started above, with its own address file under the private
# home, settings kept in memory and no panel; then Wubi (ibus-table's "wubi-jidian86")
# as the engine.
e2e_start_ibus() {
    export GSETTINGS_BACKEND=memory
    ibus-daemon --panel=disable --emoji-extension=disable --config=/usr/libexec/ibus-memconf \
        --cache=refresh --verbose >"$WORK/ibus.log" 2>&1 &
    PIDS+=($!)
    wait_for 200 'ibus address >/dev/null && ibus list-engine >/dev/null' || fail "ibus-daemon did not start"
    wait_for 100 'ibus engine table:wubi-jidian86' || fail "ibus did not take the engine table:wubi-jidian86"
}

# Wubi for the focused window: IBus's engine is global, so it only has to be the one.
ibus_wubi_on() {
    ibus engine table:wubi-jidian86 &&
        [ "$(ibus engine)" = table:wubi-jidian86 ]
}

# Helpers for the scenarios under scenarios/: each one sources lib.sh (which
# brings in wine-env.sh and this file), calls zw_begin, acts and checks; the
# first failed check prints "FAIL: reason" and ends it. run-all.sh reads that
# line.

ZW_SCENARIO=""
ZW_GAME_LOG=""

zw_fail() {
    echo "FAIL: $*"
    exit 1
}

# Ends a scenario that cannot run here, saying why; run-all.sh counts it as skipped.
zw_skip() {
    echo "SKIP: $*"
    exit 0
}

# Own prefix with the desktop up at 1600x1200x32, the stand-in at the
# default path (unless ZW_NO_GAME is set) and zarnres.exe installed.
zw_begin() {
    ZW_SCENARIO=$1
    trap zw_cleanup EXIT
    zw_setup_wine || zw_fail "cannot set up Wine"
    zw_start_x || zw_fail "no X display"
    zw_tool uidriver.exe >/dev/null || zw_fail "uidriver.exe is not built (looked in ${ZW_TOOLS:-} $ZW_BUILD)"
    zw_tool zarnsl.exe >/dev/null || zw_fail "zarnsl.exe is not built"
    zw_new_prefix "$ZW_SCENARIO" || zw_fail "no Wine prefix"
    zw_hold_desktop || zw_fail "the Wine desktop did not start"
    [ -n "${ZW_NO_GAME:-}" ] || zw_install_standin || zw_fail "cannot install the stand-in"
    zw_install_zarnres || zw_fail "zarnres.exe is not built"
    export ZARNSL_LOG='C:\zw\game.log'
    ZW_GAME_LOG=$(zw_unix "$ZARNSL_LOG")
}

# Store settings: zw_settings ShowRes 11 ScreenX 1024 ...
zw_settings() {
    zw_drv reg set "$@" >/dev/null || zw_fail "cannot store settings $*"
}

# Settings that skip the dialog (ShowRes "11") and ask for 1024x768 at 16 bits;
# NAME VALUE pairs after them store more (ZarnPath ...).
zw_direct_launch_settings() {
    zw_settings ShowRes 11 ScreenX 1024 ScreenY 768 BitRes 16 "$@"
}

# The same mode with the dialog shown (ShowRes "00").
zw_dialog_settings() {
    zw_settings ShowRes 00 ScreenX 1024 ScreenY 768 BitRes 16 "$@"
}

# Delete every stored setting, as on a first start.
zw_clear_settings() {
    local out
    out=$(zw_drv reg clear) || zw_fail "cannot clear the settings (${out//$'\n'/ })"
}

zw_set_mode() {
    zw_drv setmode "$1" >/dev/null || zw_fail "cannot set display mode $1"
}

zw_mode() {
    zw_drv mode | sed -n 's/^mode: //p'
}

# The display mode is WANT, or becomes it within 3 s: under Wine another process's mode
# change reaches this one a little later. WHAT names it in a failure.
zw_expect_mode() {
    zw_within 3 zw_mode_is "$2" || zw_expect "$1" "$(zw_mode)" "$2"
}

zw_mode_is() { [ "$(zw_mode)" = "$1" ]; }

# Value of "key: value" in a driver output.
zw_field() {
    printf '%s\n' "$1" | sed -n "s/^$2: //p" | head -n1
}

zw_expect() {
    local what=$1 got=$2 want=$3
    [ "$got" = "$want" ] || zw_fail "$what: got '$got', expected '$want'"
}

# Wait for ZarnRes's message box, screenshot it as <scenario>-box, press OK.
# Sets ZW_BOX_TEXT and ZW_BOX_ICON.
zw_box() {
    local out
    out=$(zw_drv -t "${1:-20}" msgbox --keep) || zw_fail "no message box (${out//$'\n'/ })"
    ZW_BOX_TEXT=$(zw_field "$out" text)
    ZW_BOX_ICON=$(zw_field "$out" icon)
    zw_shot "$ZW_SCENARIO-box"
    out=$(zw_drv msgbox) || zw_fail "the message box did not take OK (${out//$'\n'/ })"
}

# zw_box for the box that ends a good run, which must say so; WHAT names it in a failure.
zw_expect_success_box() {
    zw_box "${2:-20}"
    zw_expect "${1:-box text}" "$ZW_BOX_TEXT" "The display settings change was successful"
}

# Game log lines, one per start of a stand-in.
zw_game_starts() {
    if [ -f "$ZW_GAME_LOG" ]; then wc -l <"$ZW_GAME_LOG"; else echo 0; fi
}

zw_game_line() {
    sed -n "${1:-1}p" "$ZW_GAME_LOG" 2>/dev/null | tr -d '\r'
}

# A stand-in's run time (ZARNSL_SLEEP_MS) when zw_close_game ends it: longer than any scenario.
ZW_UNTIL_CLOSED_MS=300000

# Closes the windows of the running stand-in $1 (zarnsl.exe) as a player quits the game
# (taskkill without /f posts WM_CLOSE to them), so that a game which runs until then stays
# up however long the checks before take on a busy machine; again while it still runs, as
# its window may not be up yet. Others must be able to open its process: a guarded one is
# not found.
zw_close_game() {
    local name=${1:-zarnsl.exe} out try
    for try in 1 2 3; do
        out=$(timeout 40 wine taskkill /im "$name" 2>&1) || zw_none_left "$name" ||
            zw_fail "cannot close $name: ${out//[$'\r\n']/ }"
        zw_within 5 zw_none_left "$name" && return 0
    done
    zw_fail "$name still runs after its windows were closed"
}

# Waits until ZarnRes's main thread (Unix pid $1) has not run for 0.3 s, for up to 5 s, so
# that what follows finds what it was sent handled and its start-up over, however slow the
# machine; the rest names the moment in a failure. Sets ZW_STILL_MS, how long that took.
zw_wait_still() {
    local pid=$1 first last now start changed
    shift
    first=$(zw_switches "$pid") start=$(zw_ms)
    last=$first changed=$start
    while [ $(($(zw_ms) - changed)) -lt 300 ]; do
        [ $(($(zw_ms) - start)) -lt 5000 ] ||
            zw_fail "ZarnRes did not go still for 0.3 s within 5 s $*: it woke $((last - first)) times meanwhile"
        sleep 0.05
        now=$(zw_switches "$pid")
        [ -n "$now" ] || zw_fail "cannot read ZarnRes's context switches $*"
        [ "$now" = "$last" ] || last=$now changed=$(zw_ms)
    done
    ZW_STILL_MS=$(($(zw_ms) - start))
}

# zarnres.exe must end within $1 seconds with exit code $2.
zw_expect_exit() {
    zw_wait_zarnres "${1:-15}" || zw_fail "zarnres.exe did not end"
    zw_expect "exit code" "$ZW_ZARNRES_RC" "$2"
}

# Dialog state as "key: value" lines in ZW_STATE; fails the scenario if the
# dialog is not shown.
zw_dialog_state() {
    ZW_STATE=$(zw_drv -t "${1:-20}" dialog) || zw_fail "the setup dialog is not shown (${ZW_STATE//$'\n'/ })"
}

# Run a driver verb that must succeed.
zw_do() {
    local out
    out=$(zw_drv "$@") || zw_fail "uidriver $* failed (${out//$'\n'/ })"
}

# Start ZarnRes with ARGS and wait for the setup dialog (its state in ZW_STATE).
zw_start_to_dialog() {
    zw_start_zarnres "$@"
    zw_dialog_state
}

# The same, then click Run.
zw_run_from_dialog() {
    zw_start_to_dialog "$@"
    zw_do click runButton
}

# A stand-in where a careless start would find one (C:\Program.exe beside
# C:\Program Files); it logs its starts to a file of its own.
declare -gA ZW_DECOY_LOGS=()
zw_install_decoy() {
    local stem=${1##*\\} log
    stem=${stem%.*}
    log="C:\\zw\\decoy-$stem.log"
    zw_install_standin "$1" || zw_fail "cannot install the decoy $1"
    export "ZARNSL_LOG_${stem^^}=$log"
    ZW_DECOY_LOGS[$1]=$(zw_unix "$log")
}

zw_expect_no_decoy_started() {
    local decoy
    for decoy in "${!ZW_DECOY_LOGS[@]}"; do
        [ ! -e "${ZW_DECOY_LOGS[$decoy]}" ] || zw_fail "$decoy was started: $(head -n1 "${ZW_DECOY_LOGS[$decoy]}")"
    done
}

# A key pressed right after the dialog shows clicks the Run button, which holds
# the focus: the game starts from the stored path and the run completes.
zw_key_runs_game() {
    local key=$1
    zw_dialog_settings ZarnPath "$ZW_GAME"
    zw_start_to_dialog
    zw_expect "focus" "$(zw_field "$ZW_STATE" focus)" runButton
    zw_do keys "$key"
    zw_wait_lines "$ZW_GAME_LOG" 1 15 || zw_fail "$key did not start the game"
    zw_expect_success_box
    zw_expect "game command line" "$(zw_game_line 1)" "$ZW_GAME "
    zw_expect_exit 15 0
}

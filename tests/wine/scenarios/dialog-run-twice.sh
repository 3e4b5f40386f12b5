#!/bin/bash
# Clicking Run (and Browse) again while the game runs starts nothing more: one
# game, one box. The dialog keeps answering during the run, but none of its
# inputs takes a change or the focus: it keeps showing what the run applies,
# the choices made before the click.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-run-twice
zw_dialog_settings ZarnPath "$ZW_GAME"
export ZARNSL_SLEEP_MS=$ZW_UNTIL_CLOSED_MS ZARNSL_MODE=800x600x32

zw_run_from_dialog
zw_wait_lines "$ZW_GAME_LOG" 1 15 || zw_fail "the game was not started"
pid=$(zw_unix_pid 'ZarnRes.zarnres\.exe') || zw_fail "no ZarnRes process"
zw_do keys  # the dialog in front again, as the user would bring it
zw_wait_still "$pid" "once the dialog was brought to the front"
zw_dialog_state 3
during=$ZW_STATE
zw_drv click runButton >/dev/null
zw_drv click browseButton >/dev/null
zw_drv -t 1 fileopen --cancel >/dev/null && zw_fail "Browse opened the file-open box during the run"
for try in "select resolutionList 1" "select colourList 5" "check 1" "settext gamePathEdit C:\\x.exe" \
    "clicks skipDialogCheck 1" "clicks gamePathEdit 1" "keys x tab down space tab x" \
    "clicks colourList 1" "keys down enter"; do
    zw_drv $try >/dev/null
done
zw_drv nobox 0 >/dev/null || zw_fail "the game ended before the changes were tried"
zw_wait_still "$pid" "after the changes tried"
zw_dialog_state 3
zw_expect "the dialog after changes tried during the run" "$ZW_STATE" "$during"
zw_close_game
zw_expect_success_box
zw_drv nobox 1.5 >/dev/null || zw_fail "a second message box followed"
zw_expect_exit 15 0
zw_expect "game starts" "$(zw_game_starts)" 1
zw_expect "settings" "$(zw_drv reg get | tr '\n' ' ')" \
    'ShowRes="00" ScreenX="1024" ScreenY="768" BitRes="16" ZarnPath="C:\Colvane\Vantreel\zarnsl.exe" '
zw_expect_mode "mode after the run" 1024x768x16
echo PASS

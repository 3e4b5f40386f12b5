#!/bin/bash
# An apply with 1152x864, 16-bit, box ticked and the default path stores
# exactly the five settings, runs the game with the path and one blank, and
# leaves the desktop at 1152x864x16; the program then ends.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-apply
zw_clear_settings
export ZARNSL_MODE=800x600x32 ZARNSL_SLEEP_MS=800

zw_start_to_dialog
zw_do select resolutionList 3
zw_do select colourList 3
zw_do check 1
zw_do settext gamePathEdit "$ZW_GAME"
zw_dialog_state
zw_shot dialog-apply-filled
zw_do click runButton
zw_wait_lines "$ZW_GAME_LOG" 1 15 || zw_fail "the game was not started"
zw_expect_success_box
zw_expect "settings" "$(zw_drv reg get | tr '\n' ' ')" \
    'ShowRes="11" ScreenX="1152" ScreenY="864" BitRes="16" ZarnPath="C:\Colvane\Vantreel\zarnsl.exe" '
zw_expect "game command line" "$(zw_game_line 1)" "$ZW_GAME "
zw_expect_mode "mode after the run" 1152x864x16
zw_expect_exit 15 0
zw_drv gone 1 >/dev/null || zw_fail "the dialog is still shown after the run"
echo PASS

#!/bin/bash
# Pressing the space bar right after the dialog shows clicks the Run button,
# which holds the focus.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-space
zw_settings ShowRes 00 ScreenX 1024 ScreenY 768 BitRes 16 ZarnPath "$ZW_GAME"

zw_start_zarnres
zw_dialog_state
zw_expect "focus" "$(zw_field "$ZW_STATE" focus)" cmdchange
zw_do keys space
zw_wait_lines "$ZW_GAME_LOG" 1 15 || zw_fail "Space did not start the game"
zw_box
zw_expect "box text" "$ZW_BOX_TEXT" "The display settings change was successful"
zw_expect "game command line" "$(zw_game_line 1)" "$ZW_GAME "
zw_expect_exit 15 0
echo PASS

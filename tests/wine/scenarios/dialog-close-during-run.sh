#!/bin/bash
# Closing the dialog while the game runs is held until the run is over: the
# mode is still switched back and the result box still shows.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-close-during-run
zw_dialog_settings ZarnPath "$ZW_GAME"
export ZARNSL_SLEEP_MS=$ZW_UNTIL_CLOSED_MS ZARNSL_MODE=800x600x32

zw_run_from_dialog
zw_wait_lines "$ZW_GAME_LOG" 1 15 || zw_fail "the game was not started"
zw_do close
sleep 0.5
kill -0 "$ZW_ZARNRES_PID" 2>/dev/null || zw_fail "zarnres.exe ended while the game was running"
zw_close_game
zw_expect_success_box
zw_expect_mode "mode after the run" 1024x768x16
zw_expect_exit 15 0
echo PASS

#!/bin/bash
# Direct launch without arguments: the game gets the default path and one
# blank, leaves the desktop at 800x600x16, and afterwards the stored
# 1024x768x16 is back with the success box; no dialog stays on screen.
source "$(dirname "$0")/../lib.sh"
zw_begin direct-no-args
zw_direct_launch_settings
export ZARNSL_MODE=800x600x16 ZARNSL_SLEEP_MS=$ZW_UNTIL_CLOSED_MS ZARNSL_EVENTS='C:\zw\game.events'

zw_start_zarnres
zw_wait_lines "$ZW_GAME_LOG" 1 15 || zw_fail "the game was not started"
# The game logs its start before it switches the mode: read the mode only once
# the game itself says it has switched.
zw_wait_lines "$(zw_unix "$ZARNSL_EVENTS")" 1 15 || zw_fail "the game did not switch the mode"
zw_drv gone 0.2 >/dev/null || zw_fail "a ZarnRes window is shown while the game runs"
zw_expect_mode "mode while the game runs" 800x600x16
zw_shot direct-no-args-game
zw_close_game

zw_expect_success_box
zw_expect "box icon" "$ZW_BOX_ICON" information
zw_expect_mode "mode after the run" 1024x768x16
zw_expect "game command line" "$(zw_game_line 1)" 'C:\Colvane\Vantreel\zarnsl.exe '
zw_expect_exit 15 0
zw_expect "game starts" "$(zw_game_starts)" 1
echo PASS

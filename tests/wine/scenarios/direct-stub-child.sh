#!/bin/bash
# A launcher stub: the game at the default path starts the real game and ends at
# once. ZarnRes waits for the real game too and switches only after it has ended.
source "$(dirname "$0")/../lib.sh"
zw_begin direct-stub-child
real='C:\Colvane\Vantreel\realgame.exe'
zw_install_standin "$real"
zw_direct_launch_settings
export ZARNSL_CHILD_ZARNSL="$real" ZARNSL_SLEEP_MS_REALGAME=$ZW_UNTIL_CLOSED_MS ZARNSL_MODE_REALGAME=800x600x16 \
       ZARNSL_EVENTS_REALGAME='C:\zw\real.events'
events=$(zw_unix "$ZARNSL_EVENTS_REALGAME")

zw_start_zarnres -window
zw_wait_lines "$ZW_GAME_LOG" 2 15 || zw_fail "the stub did not start the real game"
zw_expect "stub command line" "$(zw_game_line 1)" 'C:\Colvane\Vantreel\zarnsl.exe -window'
zw_expect "real game command line" "$(zw_game_line 2)" "\"$real\""
zw_wait_lines "$events" 1 15 || zw_fail "the real game did not switch the mode"
zw_within 5 zw_none_left 'Vantreel.zarnsl\.exe' ||
    zw_expect "stub processes left" "$(zw_count_processes 'Vantreel.zarnsl\.exe')" 0
zw_drv nobox 1.2 >/dev/null || zw_fail "ZarnRes switched while the real game still ran"
zw_expect_mode "mode while the real game runs" 800x600x16
zw_close_game realgame.exe

zw_expect_success_box
grep -q '^end ' "$events" || zw_fail "the box came before the real game ended"
zw_expect_mode "mode after the run" 1024x768x16
zw_expect_exit 15 0
echo PASS

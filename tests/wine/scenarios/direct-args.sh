#!/bin/bash
# Direct launch: the arguments reach the game unchanged after the default path.
source "$(dirname "$0")/../lib.sh"
zw_begin direct-args
zw_settings ShowRes 11 ScreenX 1152 ScreenY 864 BitRes 16

zw_start_zarnres -window -skip intro
zw_expect_success_box
zw_expect "game command line" "$(zw_game_line 1)" 'C:\Colvane\Vantreel\zarnsl.exe -window -skip intro'
zw_expect_mode "mode after the run" 1152x864x16
zw_expect_exit 15 0
echo PASS

#!/bin/bash
# "/res" at the very start of the arguments does not force the dialog: the
# game is launched directly and gets "/res".
source "$(dirname "$0")/../lib.sh"
zw_begin direct-res-first
zw_settings ShowRes 11 ScreenX 1024 ScreenY 768 BitRes 32
zw_set_mode 1152x864x16

zw_start_zarnres /res
zw_expect_success_box
zw_expect "game command line" "$(zw_game_line 1)" 'C:\Colvane\Vantreel\zarnsl.exe /res'
zw_expect_mode "mode after the run" 1024x768x32
zw_expect_exit 15 0
echo PASS

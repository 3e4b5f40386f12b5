#!/bin/bash
# ScreenX never stored: the game still runs, then the type-mismatch error box
# ends the program with exit code 1 and the display mode is left alone.
source "$(dirname "$0")/../lib.sh"
zw_begin direct-screenx-missing
zw_settings ShowRes 11 ScreenY 768 BitRes 16
zw_set_mode 1152x864x32

zw_start_zarnres
zw_box
zw_expect "box text" "$ZW_BOX_TEXT" "Run-time error '13':\n\nType mismatch"
zw_expect "box icon" "$ZW_BOX_ICON" critical
zw_expect "game starts" "$(zw_game_starts)" 1
zw_expect_mode "mode after the run" 1152x864x32
zw_expect_exit 15 1
echo PASS

#!/bin/bash
# Stored settings fill the dialog on the next start; a BitRes with a leading
# zero still selects its row (numeric match), ShowRes other than "11" keeps
# the dialog open with the box clear.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-stored-settings
zw_settings ShowRes "11 " ScreenX 1152 ScreenY 864 BitRes 016 ZarnPath 'D:\Spiele\Vantreel\zarnsl.exe'

zw_start_to_dialog -window
zw_expect "resolutionList" "$(zw_field "$ZW_STATE" resolutionList)" 1152x864
zw_expect "colourList" "$(zw_field "$ZW_STATE" colourList)" "16-bit, 65536 colours"
zw_expect "gamePathEdit" "$(zw_field "$ZW_STATE" gamePathEdit)" 'D:\Spiele\Vantreel\zarnsl.exe'
zw_expect "skipDialogCheck" "$(zw_field "$ZW_STATE" skipDialogCheck)" 0
zw_expect "game starts" "$(zw_game_starts)" 0
zw_do close
zw_expect_exit 10 0
echo PASS

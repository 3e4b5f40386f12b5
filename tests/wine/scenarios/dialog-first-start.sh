#!/bin/bash
# First start, nothing stored: the dialog shows the first rows, an empty path,
# the box clear and the focus on the Run button; a close sent to it (not
# posted, as other programs may) ends the program at once and stores nothing.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-first-start
zw_clear_settings

zw_start_to_dialog
zw_shot dialog
zw_expect "resolutionList" "$(zw_field "$ZW_STATE" resolutionList)" 640x480
zw_expect "colourList" "$(zw_field "$ZW_STATE" colourList)" "4-bit, 16 colours"
zw_expect "gamePathEdit" "$(zw_field "$ZW_STATE" gamePathEdit)" ""
zw_expect "skipDialogCheck" "$(zw_field "$ZW_STATE" skipDialogCheck)" 0
zw_expect "focus" "$(zw_field "$ZW_STATE" focus)" runButton
zw_expect "resolution rows" "$(zw_field "$ZW_STATE" resolutionList.rows)" "640x480|800x600|1024x768|1152x864|1600x1200"
colours="4-bit, 16 colours|8-bit, 256 colours|15-bit, 32768 colours|16-bit, 65536 colours"
zw_expect "colour rows" "$(zw_field "$ZW_STATE" colourList.rows)" "$colours|24-bit, 16.7M colours|32-bit, 16.7M colours"
zw_expect "label" "$(zw_field "$ZW_STATE" gamePathLabel.text)" "The location of zarnsl.exe"
zw_expect "check box caption" "$(zw_field "$ZW_STATE" skipDialogCheck.text)" "Don't show me again"
zw_expect "Run button text" "$(zw_field "$ZW_STATE" runButton.text)" "Run Vantreel!"

zw_do close --send
zw_expect_exit 5 0
zw_expect "game starts" "$(zw_game_starts)" 0
zw_expect "settings after closing" "$(zw_drv reg get | tr '\n' ' ')" \
    "ShowRes=<absent> ScreenX=<absent> ScreenY=<absent> BitRes=<absent> ZarnPath=<absent> "
echo PASS

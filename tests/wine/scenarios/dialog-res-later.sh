#!/bin/bash
# "/res" after another option forces the dialog even with ShowRes "11"; the
# box shows clear, so an apply stores "00", and the whole argument string,
# "/res" included, reaches the game.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-res-later
zw_direct_launch_settings ZarnPath "$ZW_GAME"

zw_start_to_dialog -x /res
zw_expect "skipDialogCheck" "$(zw_field "$ZW_STATE" skipDialogCheck)" 0
zw_expect "gamePathEdit" "$(zw_field "$ZW_STATE" gamePathEdit)" "$ZW_GAME"
zw_expect "game starts before the apply" "$(zw_game_starts)" 0

zw_do click runButton
zw_expect_success_box
zw_expect "game command line" "$(zw_game_line 1)" "$ZW_GAME -x /res"
zw_expect "ShowRes" "$(zw_drv reg get ShowRes)" 'ShowRes="00"'
zw_expect_exit 15 0
echo PASS

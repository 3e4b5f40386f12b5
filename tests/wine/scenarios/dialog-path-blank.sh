#!/bin/bash
# A game path with a blank (C:\Program Files\...) starts that game, never a
# C:\Program.exe that happens to exist; the path is stored as typed.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-path-blank
game='C:\Program Files\Vantreel\zarnsl.exe'
zw_install_standin "$game"
zw_install_decoy 'C:\Program.exe'
zw_dialog_settings ZarnPath "$game"

zw_start_to_dialog -window
zw_expect "gamePathEdit" "$(zw_field "$ZW_STATE" gamePathEdit)" "$game"
zw_do click runButton
zw_expect_success_box
zw_expect_no_decoy_started
zw_expect "game starts" "$(zw_game_starts)" 1
case "$(zw_game_line 1)" in
    "\"$game\" -window" | "$game -window") ;;
    *) zw_fail "game command line: got '$(zw_game_line 1)'" ;;
esac
zw_expect "ZarnPath" "$(zw_drv reg get ZarnPath)" "ZarnPath=\"$game\""
zw_expect_exit 15 0
echo PASS

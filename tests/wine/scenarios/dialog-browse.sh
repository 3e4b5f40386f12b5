#!/bin/bash
# Browse: the file-open box opens in C:\ with its title; choosing a file fills
# the path box with the full path and stores nothing; a second browse that is
# cancelled leaves the path box alone. Browsing leaves ZarnRes's current folder
# (C:\) as it was, so a relative path typed afterwards still runs the game.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-browse
zw_dialog_settings ZarnPath 'C:\old\zarnsl.exe'

zw_start_to_dialog
zw_do click browseButton
box=$(zw_drv -t 20 fileopen --keep) || zw_fail "no file-open box (${box//$'\n'/ })"
zw_shot dialog-browse-box
case $(zw_field "$box" lookin) in
    *"(C:)"*) ;;
    *) zw_fail "the file-open box opened in '$(zw_field "$box" lookin)', not C:\\" ;;
esac
zw_expect "file filter" "$(zw_field "$box" filter)" zarnsl.exe
# A name relative to the folder the box opened in: C:\ gives the full path.
out=$(zw_drv -t 20 fileopen --name 'Colvane\Vantreel\zarnsl.exe') || zw_fail "file-open box: ${out//$'\n'/ }"
printf '%s\n' "$out"
zw_dialog_state
zw_expect "gamePathEdit after choosing" "$(zw_field "$ZW_STATE" gamePathEdit)" "$ZW_GAME"
zw_expect "stored path" "$(zw_drv reg get ZarnPath)" 'ZarnPath="C:\old\zarnsl.exe"'

zw_do click browseButton
out=$(zw_drv -t 20 fileopen --cancel) || zw_fail "file-open box: ${out//$'\n'/ }"
zw_dialog_state
zw_expect "gamePathEdit after cancel" "$(zw_field "$ZW_STATE" gamePathEdit)" "$ZW_GAME"
zw_expect "stored path after browsing" "$(zw_drv reg get ZarnPath)" 'ZarnPath="C:\old\zarnsl.exe"'

zw_do settext gamePathEdit 'Colvane\Vantreel\zarnsl.exe'
zw_do click runButton
zw_expect_success_box "box after running a relative path"
zw_expect "game command line" "$(zw_game_line 1)" 'Colvane\Vantreel\zarnsl.exe '
zw_expect_exit 15 0
echo PASS

#!/bin/bash
# ZarnRes installed over the game by mistake, and started from there as the
# game's shortcut would: one error box that says so, no second ZarnRes ever
# runs, and the program ends with exit code 1.
ZW_NO_GAME=1
source "$(dirname "$0")/../lib.sh"
zw_begin direct-self
zw_install "$ZW_BUILD/zarnres.exe" "$ZW_GAME"
ZW_ZARNRES=$ZW_GAME
zw_direct_launch_settings

zw_start_zarnres -window
out=$(zw_drv -t 20 msgbox --keep) || zw_fail "no error box"
zw_expect "ZarnRes processes" "$(zw_count_processes 'Vantreel.zarnsl\.exe')" 1
zw_box
case "$ZW_BOX_TEXT" in
    "Run-time error '5':\n\nThe game path points at ZarnRes itself ("*) ;;
    *) zw_fail "box text: got '$ZW_BOX_TEXT'" ;;
esac
zw_expect_exit 15 1
zw_drv nobox 1 >/dev/null || zw_fail "a second box appeared"
zw_expect "ZarnRes processes" "$(zw_count_processes 'Vantreel.zarnsl\.exe')" 0
echo PASS

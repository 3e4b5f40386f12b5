#!/bin/bash
# Arguments reach the game exactly: an unpaired UTF-16 surrogate arrives as it
# was sent (logged by the stand-in in WTF-8), and arguments too long for one
# command line are refused with their length, never cut, and start nothing.
source "$(dirname "$0")/../lib.sh"
zw_begin direct-odd-args
zw_direct_launch_settings

# Not through zw_drv: ZarnRes would inherit the pipe that reads the driver.
timeout 20 wine "$(zw_tool uidriver.exe)" launch "$ZW_ZARNRES" '-name \uD800x' >/dev/null 2>&1 ||
    zw_fail "cannot launch ZarnRes"
zw_expect_success_box
want=$(printf 'C:\\Colvane\\Vantreel\\zarnsl.exe -name \xed\xa0\x80x')
[ "$(zw_game_line 1)" = "$want" ] || zw_fail "game command line: got '$(zw_game_line 1 | od -c | head -3)'"
zw_drv gone 10 >/dev/null || zw_fail "zarnres.exe did not end"

zw_start_zarnres "$(head -c 32740 /dev/zero | tr '\0' a)"
zw_box
refused="Run-time error '5':\n\nCannot start C:\\Colvane\\Vantreel\\zarnsl.exe: its command line would be"
case "$ZW_BOX_TEXT" in
    "$refused 32771 characters long"*) ;;
    *) zw_fail "box text: got '${ZW_BOX_TEXT:0:200}'" ;;
esac
zw_expect "game starts" "$(zw_game_starts)" 1
zw_expect_exit 15 1
echo PASS

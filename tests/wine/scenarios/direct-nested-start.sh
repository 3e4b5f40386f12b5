#!/bin/bash
# A game that starts ZarnRes again through a script: the inner ZarnRes says so in
# its own box, starts nothing and ends with 1; the outer run then ends as usual.
# Without the mark each ZarnRes would start the script again, without end. Two
# ZarnRes started side by side, neither by the other's game, both run the game,
# also with a mark in the user's own environment that names no run.
ZW_NO_GAME=1
source "$(dirname "$0")/../lib.sh"
zw_begin direct-nested-start
script='C:\zw\loop.cmd'
mkdir -p "$(dirname "$(zw_unix "$script")")"
printf '@%s -again\r\n' "$ZW_ZARNRES" >"$(zw_unix "$script")"
zw_direct_launch_settings ZarnPath "$script"

zw_start_zarnres -window
out=$(zw_drv -t 20 msgbox --keep) || zw_fail "no box from the inner ZarnRes (${out//$'\n'/ })"
zw_expect "ZarnRes processes" "$(zw_count_processes 'ZarnRes.zarnres\.exe')" 2
zw_box
zw_expect "inner box" "$ZW_BOX_TEXT" \
    "Run-time error '5':\n\nZarnRes was started by the game it is waiting for, so it does not start the game again."
zw_expect_success_box "outer box"
zw_expect_exit 15 0
zw_expect "ZarnRes processes" "$(zw_count_processes 'ZarnRes.zarnres\.exe')" 0

zw_install_standin
export ZARNSL_SLEEP_MS=2000 ZARNRES_GAME_RUN=0
zw_start_zarnres
first=$ZW_ZARNRES_PID
zw_start_zarnres
zw_wait_lines "$ZW_GAME_LOG" 2 15 || zw_fail "two ZarnRes side by side did not both start the game"
zw_expect_success_box "box of one ZarnRes side by side"
zw_expect_success_box "box of the other"
zw_expect_exit 15 0
ZW_ZARNRES_PID=$first
zw_expect_exit 15 0
echo PASS

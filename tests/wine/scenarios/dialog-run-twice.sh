#!/bin/bash
# Clicking Run (and Browse) again while the game runs starts nothing more: one
# game, one box. The dialog keeps answering during the run.
source "$(dirname "$0")/../lib.sh"
zw_begin dialog-run-twice
zw_dialog_settings ZarnPath "$ZW_GAME"
export ZARNSL_SLEEP_MS=2500

zw_run_from_dialog
zw_wait_lines "$ZW_GAME_LOG" 1 15 || zw_fail "the game was not started"
zw_dialog_state 3
zw_drv click runButton >/dev/null
zw_drv click browseButton >/dev/null
zw_drv -t 1 fileopen --cancel >/dev/null && zw_fail "Browse opened the file-open box during the run"
zw_expect_success_box
zw_drv nobox 1.5 >/dev/null || zw_fail "a second message box followed"
zw_expect_exit 15 0
zw_expect "game starts" "$(zw_game_starts)" 1
echo PASS
